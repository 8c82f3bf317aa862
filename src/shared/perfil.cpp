#include "perfil.h"

#include "codificacion.h"

#include <QFile>
#include <QSaveFile>

#include <vector>

namespace {

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

// Calls visitar(line) for each line of the text; CRLF, LF and a lone CR all end a line.
template <typename Visitante> void RecorrerLineas(QStringView texto, Visitante visitar)
{
    qsizetype inicio = 0;
    const qsizetype n = texto.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = texto[i];
        if (c != u'\r' && c != u'\n')
            continue;
        if (!visitar(texto.sliced(inicio, i - inicio)))
            return;
        if (c == u'\r' && i + 1 < n && texto[i + 1] == u'\n')
            ++i;
        inicio = i + 1;
    }
    if (inicio < n)
        visitar(texto.sliced(inicio));
}

// A file as lines of raw bytes, so that the lines a write does not touch go back byte for byte.
struct LineaCruda
{
    QByteArray contenido; // bytes of the line without its line break
    QByteArray fin;       // bytes of its line break, empty on a last line without one
    QString texto;        // the decoded content
    bool nueva = false;   // written by this call: encoded from texto, ends with CRLF
};

struct ArchivoCrudo
{
    Codificacion codificacion = Codificacion::Windows1252;
    bool conMarca = false;
    std::vector<LineaCruda> lineas;
};

// A UTF-16 file cut in the middle of a unit is read as if the unit ended in a zero byte, by the
// reader and the writer alike, so both see the same lines and a write keeps them readable.
QByteArray UnidadesCompletas(QByteArray bytes, const CodificacionDetectada &detectada)
{
    if (AnchoUnidad(detectada.codificacion) == 2 && (bytes.size() - detectada.largoMarca) % 2 != 0)
        bytes.append('\0');
    return bytes;
}

ArchivoCrudo DividirEnLineas(const QByteArray &leidos)
{
    ArchivoCrudo archivo;
    const CodificacionDetectada detectada = DetectarCodificacion(leidos);
    const QByteArray bytes = UnidadesCompletas(leidos, detectada);
    archivo.codificacion = detectada.codificacion;
    archivo.conMarca = detectada.largoMarca > 0;

    const int ancho = AnchoUnidad(archivo.codificacion);
    const bool bigEndian = archivo.codificacion == Codificacion::Utf16BE;
    const qsizetype n = bytes.size();
    const auto unidad = [&](qsizetype i) -> unsigned {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        if (ancho == 1)
            return b0;
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
    };
    const auto agregar = [&](qsizetype desde, qsizetype hasta, qsizetype largoFin) {
        LineaCruda linea;
        linea.contenido = bytes.mid(desde, hasta - desde);
        linea.fin = bytes.mid(hasta, largoFin);
        linea.texto = Decodificar(archivo.codificacion, linea.contenido.constData(), linea.contenido.size());
        archivo.lineas.push_back(std::move(linea));
    };

    qsizetype inicio = detectada.largoMarca;
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
        agregar(inicio, i, largoFin);
        i += largoFin;
        inicio = i;
    }
    if (inicio < n)
        agregar(inicio, n, 0);
    return archivo;
}

std::optional<QByteArray> Serializar(const ArchivoCrudo &archivo, bool recodificarTodo)
{
    const std::optional<QByteArray> crlf = Codificar(archivo.codificacion, u"\r\n");
    QByteArray salida = archivo.conMarca ? MarcaDeOrden(archivo.codificacion) : QByteArray();
    for (const LineaCruda &linea : archivo.lineas) {
        if (linea.nueva || recodificarTodo) {
            const std::optional<QByteArray> bytes = Codificar(archivo.codificacion, linea.texto);
            if (!bytes)
                return std::nullopt;
            salida += *bytes;
        } else {
            salida += linea.contenido;
        }
        salida += (linea.nueva || linea.fin.isEmpty()) ? *crlf : linea.fin;
    }
    // A last line that had no line break keeps it that way unless a line was added after it.
    if (!archivo.lineas.empty() && archivo.lineas.back().fin.isEmpty() && !archivo.lineas.back().nueva)
        salida.chop(crlf->size());
    return salida;
}

bool GuardarAtomico(const QString &archivo, const QByteArray &contenido)
{
    QSaveFile destino(archivo);
    if (!destino.open(QIODevice::WriteOnly))
        return false;
    if (destino.write(contenido) != contenido.size()) {
        destino.cancelWriting();
        return false;
    }
    return destino.commit();
}

} // namespace

QString LeerPerfil(const QString &archivo, const QString &seccion, const QString &clave,
                   const QString &porDefecto)
{
    QFile entrada(archivo);
    if (!entrada.open(QIODevice::ReadOnly))
        return SinEspaciosFinales(porDefecto);
    const QByteArray leidos = entrada.readAll();
    entrada.close();

    const CodificacionDetectada detectada = DetectarCodificacion(leidos);
    const QByteArray bytes = UnidadesCompletas(leidos, detectada);
    const QString texto = Decodificar(detectada.codificacion, bytes.constData() + detectada.largoMarca,
                                      bytes.size() - detectada.largoMarca);
    const QStringView seccionBuscada = RecortarEspacios(seccion);
    const QStringView claveBuscada = RecortarEspacios(clave);

    enum class Estado { Antes, Dentro, Despues } estado = Estado::Antes;
    std::optional<QString> encontrado;
    RecorrerLineas(texto, [&](QStringView linea) {
        const LineaAnalizada analizada = Analizar(linea);
        if (analizada.tipo == TipoLinea::Seccion) {
            if (estado == Estado::Dentro) {
                estado = Estado::Despues; // only the first section of a name counts
                return false;
            }
            if (MismoNombre(analizada.nombre, seccionBuscada))
                estado = Estado::Dentro;
            return true;
        }
        if (estado == Estado::Dentro && analizada.tipo == TipoLinea::Clave &&
            MismoNombre(analizada.nombre, claveBuscada)) {
            encontrado = QuitarComillas(analizada.valor).toString();
            return false;
        }
        return true;
    });
    return encontrado ? *encontrado : SinEspaciosFinales(porDefecto);
}

bool EscribirPerfil(const QString &archivo, const QString &seccion, const QString &clave,
                    const QString &valor, QString *motivo)
{
    Q_UNUSED(motivo);
    if (TieneSaltoDeLinea(seccion) || TieneSaltoDeLinea(clave) || TieneSaltoDeLinea(valor))
        return false;
    const QString nombreSeccion = RecortarEspacios(seccion).toString();
    const QString nombreClave = RecortarEspacios(clave).toString();

    ArchivoCrudo contenido;
    QFile entrada(archivo);
    if (entrada.exists()) {
        // Never replace a file whose current content could not be read: that would lose it.
        if (!entrada.open(QIODevice::ReadOnly))
            return false;
        contenido = DividirEnLineas(entrada.readAll());
        entrada.close();
    }
    auto &lineas = contenido.lineas;

    qsizetype lineaSeccion = -1;
    qsizetype lineaClave = -1;
    qsizetype ultimaClave = -1;
    for (qsizetype i = 0; i < static_cast<qsizetype>(lineas.size()); ++i) {
        const LineaAnalizada analizada = Analizar(lineas[i].texto);
        if (analizada.tipo == TipoLinea::Seccion) {
            if (lineaSeccion >= 0)
                break;
            if (MismoNombre(analizada.nombre, nombreSeccion))
                lineaSeccion = i;
            continue;
        }
        if (lineaSeccion < 0 || analizada.tipo != TipoLinea::Clave)
            continue;
        ultimaClave = i;
        if (MismoNombre(analizada.nombre, nombreClave)) {
            lineaClave = i;
            break;
        }
    }

    if (lineaClave >= 0) {
        LineaCruda &linea = lineas[lineaClave];
        // The key keeps the spelling it has in the file.
        linea.texto = Analizar(linea.texto).nombre.toString() + u'=' + valor;
        linea.nueva = true;
    } else if (lineaSeccion >= 0) {
        const qsizetype despues = ultimaClave >= 0 ? ultimaClave : lineaSeccion;
        LineaCruda linea;
        linea.texto = nombreClave + u'=' + valor;
        linea.nueva = true;
        lineas.insert(lineas.begin() + despues + 1, std::move(linea));
    } else {
        LineaCruda cabecera;
        cabecera.texto = u'[' + nombreSeccion + u']';
        cabecera.nueva = true;
        LineaCruda linea;
        linea.texto = nombreClave + u'=' + valor;
        linea.nueva = true;
        lineas.push_back(std::move(cabecera));
        lineas.push_back(std::move(linea));
    }

    std::optional<QByteArray> bytes = Serializar(contenido, false);
    if (!bytes) {
        // A character Windows-1252 cannot hold: the whole file moves to UTF-8 with a mark rather
        // than losing it; every other value is kept.
        contenido.codificacion = Codificacion::Utf8;
        contenido.conMarca = true;
        bytes = Serializar(contenido, true);
        if (!bytes)
            return false;
    }
    return GuardarAtomico(archivo, *bytes);
}

bool EscribirPerfilLote(const QString &archivo, const QList<EscrituraPerfil> &escrituras, QString *motivo)
{
    // Interim: one write after the other (not yet a single replacement).
    for (const EscrituraPerfil &escritura : escrituras) {
        if (!EscribirPerfil(archivo, escritura.seccion, escritura.clave, escritura.valor, motivo))
            return false;
    }
    return true;
}
