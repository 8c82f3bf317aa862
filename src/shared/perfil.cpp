#include "perfil.h"

#include "archivo_sistema.h"
#include "codificacion.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>
#include <utility>

namespace {

// Far beyond any settings or language file; a larger file is taken as unreadable rather than
// loaded whole.
constexpr qint64 kTamMaximo = qint64{256} << 20;

bool EsBlanco(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\v' || u == u'\f' || u == 0x1A;
}

QStringView RecortarBlancos(QStringView texto)
{
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && EsBlanco(texto[inicio]))
        ++inicio;
    while (fin > inicio && EsBlanco(texto[fin - 1]))
        --fin;
    return texto.sliced(inicio, fin - inicio);
}

// Names given by the caller lose spaces only; a tab is part of the name.
QStringView RecortarEspacios(QStringView texto)
{
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && texto[inicio] == u' ')
        ++inicio;
    while (fin > inicio && texto[fin - 1] == u' ')
        --fin;
    return texto.sliced(inicio, fin - inicio);
}

char16_t MinusculaAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

bool MismoNombre(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (MinusculaAscii(a[i].unicode()) != MinusculaAscii(b[i].unicode()))
            return false;
    }
    return true;
}

enum class TipoLinea { Otra, Comentario, Seccion, Clave };

struct LineaAnalizada
{
    TipoLinea tipo = TipoLinea::Otra;
    QStringView nombre;
    QStringView valor;
};

LineaAnalizada Analizar(QStringView linea)
{
    const QStringView recortada = RecortarBlancos(linea);
    if (recortada.isEmpty())
        return {};
    if (recortada.front() == u';')
        return {TipoLinea::Comentario, {}, {}};
    if (recortada.front() == u'[') {
        QStringView nombre = recortada.sliced(1);
        const qsizetype cierre = nombre.indexOf(u']');
        if (cierre >= 0)
            nombre = nombre.first(cierre);
        return {TipoLinea::Seccion, RecortarBlancos(nombre), {}};
    }
    const qsizetype igual = recortada.indexOf(u'=');
    if (igual < 0)
        return {};
    return {TipoLinea::Clave, RecortarBlancos(recortada.first(igual)),
            RecortarBlancos(recortada.sliced(igual + 1))};
}

QStringView QuitarComillas(QStringView valor)
{
    if (valor.size() >= 2 && valor.front() == valor.back() &&
        (valor.front() == u'"' || valor.front() == u'\''))
        return valor.sliced(1, valor.size() - 2);
    return valor;
}

QString SinEspaciosFinales(const QString &texto)
{
    qsizetype fin = texto.size();
    while (fin > 0 && texto[fin - 1] == u' ')
        --fin;
    return texto.left(fin);
}

bool TieneSaltoDeLinea(const QString &texto)
{
    return texto.contains(u'\r') || texto.contains(u'\n');
}

// A file's bytes as both the reader and the writer see them.
struct Contenido
{
    QByteArray bytes; // whole code units: a UTF-16 file cut mid-unit gets a zero byte
    Codificacion codificacion = Codificacion::Windows1252;
    qsizetype largoMarca = 0; // bytes of the byte-order mark
};

// A UTF-16 file cut in the middle of a unit is read as if the unit ended in a zero byte, by the
// reader and the writer alike, so both see the same lines and a write keeps them readable.
Contenido Preparar(QByteArray bytes)
{
    const CodificacionDetectada detectada = DetectarCodificacion(bytes);
    if (AnchoUnidad(detectada.codificacion) == 2 && (bytes.size() - detectada.largoMarca) % 2 != 0)
        bytes.append('\0');
    return {std::move(bytes), detectada.codificacion, detectada.largoMarca};
}

// Where a line lies in the bytes: its content runs from inicio to fin, its line break from fin
// to siguiente (empty on a last line without one).
struct Tramo
{
    qsizetype inicio = 0;
    qsizetype fin = 0;
    qsizetype siguiente = 0;
};

// Calls visitar(tramo, text) for each line until it returns false; CRLF, LF and a lone CR all
// end a line. Lines are found in the bytes and decoded one by one, so that a malformed sequence
// never moves a line break, and the text of a line lives only while it is visited.
template <typename Visitante> void RecorrerLineas(const Contenido &contenido, Visitante visitar)
{
    const char *datos = contenido.bytes.constData();
    const qsizetype n = contenido.bytes.size();
    const int ancho = AnchoUnidad(contenido.codificacion);
    const bool bigEndian = contenido.codificacion == Codificacion::Utf16BE;
    DecodificadorReutilizable decodificador(contenido.codificacion);
    const auto unidad = [&](qsizetype i) -> unsigned { // of UTF-16
        const auto b0 = static_cast<unsigned char>(datos[i]);
        const auto b1 = static_cast<unsigned char>(datos[i + 1]);
        return bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
    };
    const auto visitarTramo = [&](qsizetype inicio, qsizetype fin, qsizetype siguiente) {
        const QStringView texto =
            fin > inicio ? decodificador.Decodificar(datos + inicio, fin - inicio) : QStringView();
        return visitar(Tramo{inicio, fin, siguiente}, texto);
    };

    qsizetype inicio = contenido.largoMarca;
    if (ancho == 1) {
        // The common case, in a tight loop: a file of millions of lines stays quick.
        qsizetype i = inicio;
        while (i < n) {
            const char c = datos[i];
            if (static_cast<unsigned char>(c) > '\r' || (c != '\r' && c != '\n')) {
                ++i;
                continue;
            }
            const qsizetype largoFin = (c == '\r' && i + 1 < n && datos[i + 1] == '\n') ? 2 : 1;
            if (!visitarTramo(inicio, i, i + largoFin))
                return;
            i += largoFin;
            inicio = i;
        }
    } else {
        qsizetype i = inicio;
        while (i + ancho <= n) {
            const unsigned u = unidad(i);
            if (u != '\r' && u != '\n') {
                i += ancho;
                continue;
            }
            qsizetype largoFin = ancho;
            if (u == '\r' && i + 2 * ancho <= n && unidad(i + ancho) == '\n')
                largoFin = 2 * ancho;
            if (!visitarTramo(inicio, i, i + largoFin))
                return;
            i += largoFin;
            inicio = i;
        }
    }
    if (inicio < n)
        visitarTramo(inicio, n, n);
}

std::optional<QString> Buscar(const Contenido &contenido, QStringView seccion, QStringView clave)
{
    bool dentro = false;
    std::optional<QString> encontrado;
    RecorrerLineas(contenido, [&](const Tramo &, QStringView linea) {
        const LineaAnalizada analizada = Analizar(linea);
        if (analizada.tipo == TipoLinea::Seccion) {
            if (dentro)
                return false; // only the first section of a name counts
            dentro = MismoNombre(analizada.nombre, seccion);
            return true;
        }
        if (dentro && analizada.tipo == TipoLinea::Clave && MismoNombre(analizada.nombre, clave)) {
            encontrado = QuitarComillas(analizada.valor).toString();
            return false;
        }
        return true;
    });
    return encontrado;
}

// Where a write goes: the first section of the name, the key in it, and its last key.
struct Lugar
{
    std::optional<Tramo> seccion;
    std::optional<Tramo> clave;
    std::optional<Tramo> ultimaClave;
    QString grafiaClave; // the key as the file spells it
};

Lugar Localizar(const Contenido &contenido, QStringView seccion, QStringView clave)
{
    Lugar lugar;
    RecorrerLineas(contenido, [&](const Tramo &tramo, QStringView linea) {
        const LineaAnalizada analizada = Analizar(linea);
        if (analizada.tipo == TipoLinea::Seccion) {
            if (lugar.seccion)
                return false;
            if (MismoNombre(analizada.nombre, seccion))
                lugar.seccion = tramo;
            return true;
        }
        if (!lugar.seccion || analizada.tipo != TipoLinea::Clave)
            return true;
        lugar.ultimaClave = tramo;
        if (MismoNombre(analizada.nombre, clave)) {
            lugar.clave = tramo;
            lugar.grafiaClave = analizada.nombre.toString();
            return false;
        }
        return true;
    });
    return lugar;
}

// True when a section appended at the end needs a line break before it: the last line has none,
// or the file holds nothing but its byte-order mark (not an empty file for the platform either).
bool AcabaSinSalto(const Contenido &contenido)
{
    const qsizetype n = contenido.bytes.size();
    if (n == 0)
        return false;
    if (n == contenido.largoMarca)
        return true;
    const int ancho = AnchoUnidad(contenido.codificacion);
    const char *ultima = contenido.bytes.constData() + n - ancho;
    const bool bigEndian = contenido.codificacion == Codificacion::Utf16BE;
    const char bajo = ancho == 1 ? ultima[0] : (bigEndian ? ultima[1] : ultima[0]);
    const char alto = ancho == 1 ? '\0' : (bigEndian ? ultima[0] : ultima[1]);
    return alto != '\0' || (bajo != '\r' && bajo != '\n');
}

// The file after one write: the lines that it does not touch stay byte for byte, the written
// line ends with CRLF. Names come already stripped of their surrounding spaces.
QByteArray Aplicar(const Contenido &contenido, QStringView seccion, QStringView clave, const QString &valor)
{
    static const QString kCrlf = QStringLiteral("\r\n");
    const Lugar lugar = Localizar(contenido, seccion, clave);
    const QByteArray &bytes = contenido.bytes;
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
        if (AcabaSinSalto(contenido))
            nuevo = kCrlf;
        nuevo += u'[' + seccion.toString() + u']' + kCrlf + clave.toString() + u'=' + valor + kCrlf;
    }

    if (const std::optional<QByteArray> codificado = Codificar(contenido.codificacion, nuevo)) {
        QByteArray salida;
        salida.reserve(corteInicio + codificado->size() + bytes.size() - corteFin);
        salida.append(bytes.constData(), corteInicio);
        salida.append(*codificado);
        salida.append(bytes.constData() + corteFin, bytes.size() - corteFin);
        return salida;
    }
    // A character that Windows-1252 cannot hold: the whole file moves to UTF-8 with a mark rather
    // than losing it. Only that code page can refuse a character, and it has no mark to skip.
    QByteArray salida = MarcaDeOrden(Codificacion::Utf8);
    salida += DecodificarWindows1252(bytes.constData(), corteInicio).toUtf8();
    salida += nuevo.toUtf8();
    salida += DecodificarWindows1252(bytes.constData() + corteFin, bytes.size() - corteFin).toUtf8();
    return salida;
}

QString Explicar(const QString &que, const QString &delSistema, const QString &deQt)
{
    QString porque = delSistema.isEmpty() ? deQt.trimmed() : delSistema;
    while (porque.endsWith(u'.'))
        porque.chop(1);
    return porque.isEmpty() ? que + u'.' : que + QStringLiteral(": ") + porque + u'.';
}

bool Fallar(QString *motivo, const QString &texto)
{
    if (motivo)
        *motivo = texto;
    return false;
}

struct Lectura
{
    bool existe = false;
    bool legible = true;
    QByteArray bytes;
    QString motivo; // why it could not be read
};

// Reads the whole file when it is a regular file (or a link to one) of a sane size. A FIFO is
// never waited on: open() would wait for a writer that may never come.
Lectura LeerArchivo(const QString &archivo)
{
    Lectura lectura;
    const QFileInfo info(archivo);
    if (!info.exists())
        return lectura;
    lectura.existe = true;
    lectura.legible = false;
    if (info.isDir()) {
        lectura.motivo = QCoreApplication::translate("Perfil", "En el lugar del archivo hay una carpeta.");
        return lectura;
    }
    const QString noNormal = QCoreApplication::translate(
        "Perfil", "No es un archivo normal, sino un dispositivo, una tubería o un socket.");
    if (!info.isFile()) {
        lectura.motivo = noNormal;
        return lectura;
    }
    const QString demasiado =
        QCoreApplication::translate("Perfil", "El archivo mide más de 256 MiB: no es un archivo de ajustes.");
    if (info.size() > kTamMaximo) {
        lectura.motivo = demasiado;
        return lectura;
    }
    QFile entrada;
    OlvidarErrorDelSistema();
    switch (AbrirArchivoNormal(archivo, entrada)) {
    case Apertura::Abierta:
        break;
    case Apertura::NoNormal:
        lectura.motivo = noNormal;
        return lectura;
    case Apertura::Fallida: {
        const QString sistema = ErrorDelSistema();
        lectura.motivo = Explicar(QCoreApplication::translate("Perfil", "No se pudo abrir el archivo"),
                                  sistema, entrada.errorString());
        return lectura;
    }
    }
    // Read what the open file holds now, never more: it may have changed since it was looked at.
    const qint64 tam = entrada.size();
    if (tam > kTamMaximo) {
        lectura.motivo = demasiado;
        return lectura;
    }
    OlvidarErrorDelSistema();
    lectura.bytes = entrada.read(tam);
    if (entrada.error() != QFileDevice::NoError) {
        const QString sistema = ErrorDelSistema();
        lectura.motivo = Explicar(QCoreApplication::translate("Perfil", "No se pudo leer el archivo"),
                                  sistema, entrada.errorString());
        lectura.bytes.clear();
        return lectura;
    }
    lectura.legible = true;
    return lectura;
}

bool GuardarAtomico(const QString &archivo, const QByteArray &contenido, QString *motivo)
{
    QSaveFile destino(archivo);
    OlvidarErrorDelSistema();
    if (!destino.open(QIODevice::WriteOnly)) {
        const QString sistema = ErrorDelSistema();
        return Fallar(motivo, Explicar(QCoreApplication::translate(
                                           "Perfil", "No se pudo crear un archivo nuevo en su carpeta"),
                                       sistema, destino.errorString()));
    }
    CopiarPropietario(archivo, destino.handle());
    OlvidarErrorDelSistema();
    // Flushed here and checked: commit() ignores a flush that wrote only part of the bytes (a
    // full disk), and would put a truncated file in place of the old one.
    if (destino.write(contenido) != contenido.size() || !destino.flush() ||
        destino.error() != QFileDevice::NoError) {
        const QString sistema = ErrorDelSistema();
        const QString texto =
            Explicar(QCoreApplication::translate("Perfil", "No se pudo escribir el archivo"), sistema,
                     destino.errorString());
        destino.cancelWriting();
        return Fallar(motivo, texto);
    }
    if (!destino.commit()) {
        const QString sistema = ErrorDelSistema();
        return Fallar(motivo, Explicar(QCoreApplication::translate("Perfil", "No se pudo guardar el archivo"),
                                       sistema, destino.errorString()));
    }
    return true;
}

} // namespace

PerfilLeido::PerfilLeido(const QString &archivo)
{
    Lectura lectura = LeerArchivo(archivo);
    if (!lectura.legible)
        return;
    Contenido contenido = Preparar(std::move(lectura.bytes));
    bytes_ = std::move(contenido.bytes);
    codificacion_ = contenido.codificacion;
    largoMarca_ = contenido.largoMarca;
}

QString PerfilLeido::Leer(const QString &seccion, const QString &clave, const QString &porDefecto) const
{
    const std::optional<QString> valor = Buscar(Contenido{bytes_, codificacion_, largoMarca_},
                                                RecortarEspacios(seccion), RecortarEspacios(clave));
    return valor ? *valor : SinEspaciosFinales(porDefecto);
}

QString LeerPerfil(const QString &archivo, const QString &seccion, const QString &clave,
                   const QString &porDefecto)
{
    return PerfilLeido(archivo).Leer(seccion, clave, porDefecto);
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
            return Fallar(motivo,
                          QCoreApplication::translate("Perfil", "El valor contiene un salto de línea."));
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
                            RecortarEspacios(escritura.clave), escritura.valor);
    }
    // Already on disk: a read-only folder is no error then, and the file keeps its date.
    if (lectura.existe && resultado == lectura.bytes)
        return true;
    // The replace would go through a read-only file, as it goes through any other; a user who
    // made the file read-only meant it to stay as it is.
    if (lectura.existe && !QFileInfo(archivo).isWritable())
        return Fallar(motivo, QCoreApplication::translate("Perfil", "El archivo es de solo lectura."));
    return GuardarAtomico(archivo, resultado, motivo);
}
