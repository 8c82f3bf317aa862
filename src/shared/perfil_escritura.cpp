// Writing: one key replaced or added where the platform would, every other byte left as it was.
#include "perfil.h"
#include "perfil_archivo.h"
#include "perfil_formato.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <utility>

namespace Perfil {
namespace {

bool Fallar(QString *motivo, const QString &texto)
{
    if (motivo)
        *motivo = texto;
    return false;
}

bool TieneSaltoDeLinea(const QString &texto)
{
    return texto.contains(u'\r') || texto.contains(u'\n');
}

// Where a write goes: the first section of the name, the key in it, and its last key.
struct Lugar
{
    std::optional<Tramo> seccion;
    std::optional<Tramo> clave;
    std::optional<Tramo> ultimaClave;
    QString grafiaClave; // the key as the file spells it
};

template <typename Unidades>
Lugar Localizar(const Unidades &unidades, const Contenido &contenido, QStringView seccion, QStringView clave)
{
    Lugar lugar;
    ComparadorNombres<Unidades> nombres(unidades, contenido.codificacion,
                                        std::max(seccion.size(), clave.size()));
    RecorrerLineas(unidades, contenido.largoMarca, [&](const Tramo &tramo) {
        const LineaAnalizada linea = Analizar(unidades, tramo);
        if (linea.tipo == TipoLinea::Seccion) {
            if (lugar.seccion)
                return false; // past the section: the key is not in it
            if (nombres.Es(linea.nombre, seccion))
                lugar.seccion = tramo;
            return true;
        }
        if (!lugar.seccion || linea.tipo != TipoLinea::Clave)
            return true;
        lugar.ultimaClave = tramo;
        if (!nombres.Es(linea.nombre, clave))
            return true;
        lugar.clave = tramo;
        lugar.grafiaClave = Decodificar(contenido.codificacion, unidades.Datos() + linea.nombre.inicio,
                                        linea.nombre.fin - linea.nombre.inicio);
        return false;
    });
    return lugar;
}

// True when a section appended at the end needs a line break before it: the last line has none,
// or the file holds nothing but its byte-order mark (not an empty file for the platform either).
template <typename Unidades> bool AcabaSinSalto(const Unidades &unidades, const Contenido &contenido)
{
    const qsizetype n = unidades.Fin();
    if (n == 0)
        return false;
    if (n == contenido.largoMarca)
        return true;
    const char16_t ultima = unidades.En(n - Unidades::kAncho);
    return ultima != u'\r' && ultima != u'\n';
}

// The file after one write: the lines that it does not touch stay byte for byte, the written
// line ends with CRLF. Names come already stripped of their surrounding spaces.
QByteArray Aplicar(Contenido contenido, QStringView seccion, QStringView clave, const QString &valor,
                   bool borrar)
{
    static const QString kCrlf = QStringLiteral("\r\n");
    const auto [lugar, sinSalto] = SegunUnidades(contenido, [&](const auto &unidades) {
        return std::pair(Localizar(unidades, contenido, seccion, clave), AcabaSinSalto(unidades, contenido));
    });
    QByteArray &bytes = contenido.bytes;
    if (borrar) {
        if (lugar.clave)
            bytes.remove(lugar.clave->inicio, lugar.clave->siguiente - lugar.clave->inicio);
        return std::move(bytes);
    }
    qsizetype corteInicio = bytes.size();
    qsizetype corteFin = bytes.size();
    QString nuevo;
    if (lugar.clave) {
        // The key keeps the spelling it has in the file; its old line break gives way to CRLF.
        corteInicio = lugar.clave->inicio;
        corteFin = lugar.clave->siguiente;
        nuevo = lugar.grafiaClave + u'=' + valor + kCrlf;
    } else if (lugar.seccion) {
        const Tramo &tras = lugar.ultimaClave ? *lugar.ultimaClave : *lugar.seccion;
        corteInicio = corteFin = tras.siguiente;
        if (tras.fin == tras.siguiente)
            nuevo = kCrlf; // a last line without a line break gets one
        nuevo += clave.toString() + u'=' + valor + kCrlf;
    } else {
        if (sinSalto)
            nuevo = kCrlf;
        nuevo += u'[' + seccion.toString() + u']' + kCrlf + clave.toString() + u'=' + valor + kCrlf;
    }

    if (const std::optional<QByteArray> codificado = Codificar(contenido.codificacion, nuevo)) {
        // In place: a file of many megabytes is neither copied nor allocated again for each key.
        bytes.replace(corteInicio, corteFin - corteInicio, *codificado);
        return std::move(bytes);
    }
    // A character that Windows-1252 cannot hold: the whole file moves to UTF-8 with a mark rather
    // than losing it. Only that code page can refuse a character, and it has no mark to skip.
    QByteArray salida = MarcaDeOrden(Codificacion::Utf8);
    salida += DecodificarWindows1252(bytes.constData(), corteInicio).toUtf8();
    salida += nuevo.toUtf8();
    salida += DecodificarWindows1252(bytes.constData() + corteFin, bytes.size() - corteFin).toUtf8();
    return salida;
}

} // namespace
} // namespace Perfil

using namespace Perfil;

QString ValorLiteral(const QString &texto)
{
    if (texto.isEmpty())
        return texto;
    const bool blancos = EsBlancoDePerfil(texto.front()) || EsBlancoDePerfil(texto.back());
    const bool comillas =
        texto.size() >= 2 && EsComilla(texto.front().unicode()) && texto.back() == texto.front();
    return blancos || comillas ? u'"' + texto + u'"' : texto;
}

bool EscribirPerfil(const QString &archivo, const QString &seccion, const QString &clave,
                    const QString &valor, QString *motivo)
{
    return EscribirPerfilLote(archivo, {EscrituraPerfil{seccion, clave, valor}}, motivo);
}

bool EscribirPerfilLote(const QString &archivo, const QList<EscrituraPerfil> &escrituras, QString *motivo)
{
    // A name or value with a line break would write lines of its own: refused before anything.
    for (const EscrituraPerfil &escritura : escrituras) {
        if (TieneSaltoDeLinea(escritura.seccion))
            return Fallar(motivo, QCoreApplication::translate(
                                      "Perfil", "El nombre de la sección contiene un salto de línea."));
        if (TieneSaltoDeLinea(escritura.clave))
            return Fallar(motivo, QCoreApplication::translate(
                                      "Perfil", "El nombre de la clave contiene un salto de línea."));
        if (TieneSaltoDeLinea(escritura.valor))
            return Fallar(motivo, QCoreApplication::translate(
                                      "Perfil", "El valor de [%1] %2 contiene un salto de línea.")
                                      .arg(escritura.seccion.trimmed(), escritura.clave.trimmed()));
    }
    if (escrituras.isEmpty())
        return true;

    // Never replace a file whose current content could not be read: that would lose it.
    const Lectura lectura = LeerArchivo(archivo);
    if (!lectura.legible)
        return Fallar(motivo, lectura.motivo);

    QByteArray resultado = lectura.bytes;
    for (const EscrituraPerfil &escritura : escrituras) {
        resultado = Aplicar(Preparar(std::move(resultado)), RecortarEspacios(escritura.seccion),
                            RecortarEspacios(escritura.clave), escritura.valor, escritura.borrar);
    }
    // Already on disk: a read-only folder is no error then, and the file keeps its date. A key
    // removed from a file that is not there leaves no file behind.
    if (resultado == lectura.bytes && (lectura.existe || resultado.isEmpty()))
        return true;
    // The replace would go through a read-only file, as it goes through any other; a user who
    // made the file read-only meant it to stay as it is.
    if (lectura.existe && !QFileInfo(archivo).isWritable())
        return Fallar(motivo, QCoreApplication::translate("Perfil", "El archivo es de solo lectura."));
    return GuardarAtomico(archivo, resultado, motivo);
}
