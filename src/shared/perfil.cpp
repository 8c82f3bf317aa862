#include "perfil.h"

#include "archivo_sistema.h"
#include "codificacion.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Far beyond any settings or language file; a larger file is taken as unreadable rather than
// loaded whole.
constexpr qint64 kTamMaximo = qint64{256} << 20;

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

// Names match without regard to letter case, in every alphabet, as the platform matches them.
bool MismoNombre(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool EsComilla(char16_t c)
{
    return c == u'"' || c == u'\'';
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

// A stretch of the bytes, from inicio to fin.
struct Trozo
{
    qsizetype inicio = 0;
    qsizetype fin = 0;
};

// Where a line lies in the bytes: its content runs from inicio to fin, its line break from fin
// to siguiente (empty on a last line without one).
struct Tramo
{
    qsizetype inicio = 0;
    qsizetype fin = 0;
    qsizetype siguiente = 0;
};

// The code units of a file: one byte each, or two for UTF-16. Everything that shapes a line (the
// line breaks, the blanks, '[', ']', ';' and '=') is ASCII, and an ASCII byte is never part of a
// longer sequence in Windows-1252 or UTF-8, so lines are taken apart unit by unit without decoding
// them. Only a name that might match and a value that is asked for are ever decoded: a value of
// many megabytes costs nothing until it is read, and no more of it than is read.
class Unidades
{
public:
    explicit Unidades(const Contenido &contenido)
        : datos_(contenido.bytes.constData()), ancho_(AnchoUnidad(contenido.codificacion)),
          bigEndian_(contenido.codificacion == Codificacion::Utf16BE)
    {
    }

    int Ancho() const { return ancho_; }

    char16_t En(qsizetype i) const
    {
        const auto b0 = static_cast<unsigned char>(datos_[i]);
        if (ancho_ == 1)
            return b0;
        const auto b1 = static_cast<unsigned char>(datos_[i + 1]);
        return static_cast<char16_t>(bigEndian_ ? (b0 << 8 | b1) : (b1 << 8 | b0));
    }

    // The blanks that the platform strips from both ends of a line, a name and a value.
    bool Blanco(qsizetype i) const { return EsBlancoDePerfil(QChar(En(i))); }

    Trozo Recortar(Trozo trozo) const
    {
        while (trozo.inicio < trozo.fin && Blanco(trozo.inicio))
            trozo.inicio += ancho_;
        while (trozo.fin > trozo.inicio && Blanco(trozo.fin - ancho_))
            trozo.fin -= ancho_;
        return trozo;
    }

    // The first unit c in the stretch, or fin when there is none.
    qsizetype Buscar(Trozo trozo, char16_t c) const
    {
        if (ancho_ == 1) {
            const void *hallado = std::memchr(datos_ + trozo.inicio, c, size_t(trozo.fin - trozo.inicio));
            return hallado ? static_cast<const char *>(hallado) - datos_ : trozo.fin;
        }
        for (qsizetype i = trozo.inicio; i < trozo.fin; i += ancho_) {
            if (En(i) == c)
                return i;
        }
        return trozo.fin;
    }

private:
    const char *datos_;
    int ancho_;
    bool bigEndian_;
};

// Calls visitar(tramo) for each line until it returns false; CRLF, LF and a lone CR all end a
// line. Lines are found in the bytes, so a malformed sequence never moves a line break.
template <typename Visitante> void RecorrerLineas(const Contenido &contenido, Visitante visitar)
{
    const char *datos = contenido.bytes.constData();
    const qsizetype n = contenido.bytes.size();
    const Unidades unidades(contenido);
    const int ancho = unidades.Ancho();

    qsizetype inicio = contenido.largoMarca;
    if (ancho == 1) {
        // The common case: a file of millions of lines, or one line of many megabytes, stays quick.
        // The next CR and the next LF, each found with memchr and kept until passed.
        const auto siguiente = [&](char c, qsizetype desde) -> qsizetype {
            const void *hallado = std::memchr(datos + desde, c, size_t(n - desde));
            return hallado ? static_cast<const char *>(hallado) - datos : n;
        };
        qsizetype proximoCr = siguiente('\r', inicio);
        qsizetype proximoLf = siguiente('\n', inicio);
        qsizetype i = inicio;
        while (i < n) {
            if (proximoCr < i)
                proximoCr = siguiente('\r', i);
            if (proximoLf < i)
                proximoLf = siguiente('\n', i);
            i = std::min(proximoCr, proximoLf);
            if (i >= n)
                break;
            const char c = datos[i];
            const qsizetype largoFin = (c == '\r' && i + 1 < n && datos[i + 1] == '\n') ? 2 : 1;
            if (!visitar(Tramo{inicio, i, i + largoFin}))
                return;
            i += largoFin;
            inicio = i;
        }
    } else {
        qsizetype i = inicio;
        while (i + ancho <= n) {
            const char16_t u = unidades.En(i);
            if (u != u'\r' && u != u'\n') {
                i += ancho;
                continue;
            }
            qsizetype largoFin = ancho;
            if (u == u'\r' && i + 2 * ancho <= n && unidades.En(i + ancho) == u'\n')
                largoFin = 2 * ancho;
            if (!visitar(Tramo{inicio, i, i + largoFin}))
                return;
            i += largoFin;
            inicio = i;
        }
    }
    if (inicio < n)
        visitar(Tramo{inicio, n, n});
}

enum class TipoLinea { Otra, Comentario, Seccion, Clave };

// A line taken apart: the name of a section or a key, and a key's value, each without the
// blanks around it.
struct LineaAnalizada
{
    TipoLinea tipo = TipoLinea::Otra;
    Trozo nombre;
    Trozo valor;
};

LineaAnalizada Analizar(const Unidades &unidades, const Tramo &tramo)
{
    const Trozo linea = unidades.Recortar({tramo.inicio, tramo.fin});
    if (linea.inicio == linea.fin)
        return {};
    const char16_t primera = unidades.En(linea.inicio);
    if (primera == u';')
        return {TipoLinea::Comentario, {}, {}};
    if (primera == u'[') {
        const Trozo resto{linea.inicio + unidades.Ancho(), linea.fin};
        return {TipoLinea::Seccion, unidades.Recortar({resto.inicio, unidades.Buscar(resto, u']')}), {}};
    }
    const qsizetype igual = unidades.Buscar(linea, u'=');
    if (igual == linea.fin)
        return {};
    return {TipoLinea::Clave, unidades.Recortar({linea.inicio, igual}),
            unidades.Recortar({igual + unidades.Ancho(), linea.fin})};
}

// Decodes the names of the lines one after the other, into one buffer, and only those short enough
// to be one of the names looked for: a character never takes more than three bytes per unit of
// text, so a longer name cannot match and is passed over undecoded.
class LectorNombres
{
public:
    LectorNombres(const Contenido &contenido, qsizetype largoMaximo)
        : datos_(contenido.bytes.constData()), decodificador_(contenido.codificacion),
          bytesMaximos_(3 * largoMaximo * AnchoUnidad(contenido.codificacion))
    {
    }

    // Whether the name is `buscado`, as MismoNombre says. While both are ASCII they are compared
    // where they lie, unit by unit; the first unit beyond ASCII in either decides by decoding.
    bool Es(const Unidades &unidades, Trozo nombre, QStringView buscado)
    {
        const int ancho = unidades.Ancho();
        qsizetype i = nombre.inicio;
        for (const QChar c : buscado) {
            if (i == nombre.fin)
                return false; // more characters to come in `buscado` than in the name
            const char16_t u = unidades.En(i);
            if (u >= 0x80 || c.unicode() >= 0x80)
                return Decodificado(nombre, buscado);
            if (MinusculaAscii(u) != MinusculaAscii(c.unicode()))
                return false;
            i += ancho;
        }
        return i == nombre.fin;
    }

    bool Decodificado(Trozo nombre, QStringView buscado)
    {
        const std::optional<QStringView> texto = Leer(nombre);
        return texto && MismoNombre(*texto, buscado);
    }

    // The name, or nullopt when it is too long to be any of them. Valid until the next call.
    std::optional<QStringView> Leer(Trozo nombre)
    {
        const qsizetype largo = nombre.fin - nombre.inicio;
        if (largo > bytesMaximos_)
            return std::nullopt;
        return largo > 0 ? decodificador_.Decodificar(datos_ + nombre.inicio, largo) : QStringView();
    }

private:
    const char *datos_;
    DecodificadorReutilizable decodificador_;
    qsizetype bytesMaximos_;
};

// A key's value without one pair of enclosing quotes; with `maximo` >= 0, at most that many
// characters of it, and only the bytes that can give them are decoded.
QString LeerValor(const Contenido &contenido, const Unidades &unidades, Trozo valor, qsizetype maximo)
{
    const int ancho = unidades.Ancho();
    if (valor.fin - valor.inicio >= 2 * ancho && EsComilla(unidades.En(valor.inicio)) &&
        unidades.En(valor.fin - ancho) == unidades.En(valor.inicio)) {
        valor.inicio += ancho;
        valor.fin -= ancho;
    }
    qsizetype largo = valor.fin - valor.inicio;
    // A character takes at most four bytes in any of the encodings.
    const bool cortado = maximo >= 0 && largo > 4 * (maximo + 1);
    if (cortado)
        largo = 4 * (maximo + 1);
    QString texto = Decodificar(contenido.codificacion, contenido.bytes.constData() + valor.inicio, largo);
    if (maximo >= 0 && texto.size() > maximo) {
        texto.truncate(maximo);
        // Never half of a character outside the basic plane.
        if (!texto.isEmpty() && texto.back().isHighSurrogate())
            texto.chop(1);
    }
    return texto;
}

// Several keys in one walk over the file: the value of each, or nullopt when its section or the
// key is missing. Only the first section of a name counts, and the first key of a name in it.
std::vector<std::optional<QString>> Buscar(const Contenido &contenido, const QList<ClavePerfil> &claves,
                                           qsizetype maximo)
{
    const qsizetype n = claves.size();
    std::vector<std::optional<QString>> valores(static_cast<size_t>(n));
    // The sections asked for, each once; the state of each: not met yet, inside it, or past it.
    enum class Paso { Antes, Dentro, Despues };
    QList<QStringView> secciones;
    QList<qsizetype> seccionDe;
    QList<QStringView> nombresClave;
    qsizetype largoMaximo = 0;
    for (const ClavePerfil &buscada : claves) {
        const QStringView seccion = RecortarEspacios(buscada.seccion);
        qsizetype indice = 0;
        while (indice < secciones.size() && !MismoNombre(secciones[indice], seccion))
            ++indice;
        if (indice == secciones.size())
            secciones.append(seccion);
        seccionDe.append(indice);
        nombresClave.append(RecortarEspacios(buscada.clave));
        largoMaximo = std::max({largoMaximo, seccion.size(), nombresClave.back().size()});
    }
    std::vector<Paso> pasos(static_cast<size_t>(secciones.size()), Paso::Antes);
    std::vector<bool> resueltas(static_cast<size_t>(n), false);
    qsizetype pendientes = n;

    const Unidades unidades(contenido);
    LectorNombres nombres(contenido, largoMaximo);
    RecorrerLineas(contenido, [&](const Tramo &tramo) {
        const LineaAnalizada linea = Analizar(unidades, tramo);
        if (linea.tipo == TipoLinea::Seccion) {
            for (qsizetype s = 0; s < secciones.size(); ++s) {
                Paso &paso = pasos[static_cast<size_t>(s)];
                if (paso == Paso::Dentro)
                    paso = Paso::Despues;
                else if (paso == Paso::Antes && nombres.Es(unidades, linea.nombre, secciones[s]))
                    paso = Paso::Dentro;
            }
            // The keys of a section left behind are settled: missing.
            for (qsizetype i = 0; i < n; ++i) {
                if (!resueltas[static_cast<size_t>(i)] &&
                    pasos[static_cast<size_t>(seccionDe[i])] == Paso::Despues) {
                    resueltas[static_cast<size_t>(i)] = true;
                    --pendientes;
                }
            }
            return pendientes > 0;
        }
        if (linea.tipo != TipoLinea::Clave)
            return true;
        for (qsizetype i = 0; i < n; ++i) {
            if (resueltas[static_cast<size_t>(i)] || pasos[static_cast<size_t>(seccionDe[i])] != Paso::Dentro)
                continue;
            if (nombres.Es(unidades, linea.nombre, nombresClave[i])) {
                valores[static_cast<size_t>(i)] = LeerValor(contenido, unidades, linea.valor, maximo);
                resueltas[static_cast<size_t>(i)] = true;
                --pendientes;
            }
        }
        return pendientes > 0;
    });
    return valores;
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
    const Unidades unidades(contenido);
    LectorNombres nombres(contenido, std::max(seccion.size(), clave.size()));
    RecorrerLineas(contenido, [&](const Tramo &tramo) {
        const LineaAnalizada analizada = Analizar(unidades, tramo);
        if (analizada.tipo == TipoLinea::Seccion) {
            if (lugar.seccion)
                return false;
            if (nombres.Es(unidades, analizada.nombre, seccion))
                lugar.seccion = tramo;
            return true;
        }
        if (!lugar.seccion || analizada.tipo != TipoLinea::Clave)
            return true;
        lugar.ultimaClave = tramo;
        if (nombres.Es(unidades, analizada.nombre, clave)) {
            lugar.clave = tramo;
            lugar.grafiaClave = nombres.Leer(analizada.nombre).value_or(QStringView()).toString();
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
QByteArray Aplicar(Contenido contenido, QStringView seccion, QStringView clave, const QString &valor)
{
    static const QString kCrlf = QStringLiteral("\r\n");
    const Lugar lugar = Localizar(contenido, seccion, clave);
    QByteArray &bytes = contenido.bytes;
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
    const std::optional<QString> valor = LeerVarias({ClavePerfil{seccion, clave}}).front();
    return valor ? *valor : SinEspaciosFinales(porDefecto);
}

std::vector<std::optional<QString>> PerfilLeido::LeerVarias(const QList<ClavePerfil> &claves,
                                                            qsizetype maximo) const
{
    return Buscar(Contenido{bytes_, codificacion_, largoMarca_}, claves, maximo);
}

QString LeerPerfil(const QString &archivo, const QString &seccion, const QString &clave,
                   const QString &porDefecto)
{
    return PerfilLeido(archivo).Leer(seccion, clave, porDefecto);
}

bool EsBlancoDePerfil(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\v' || u == u'\f' || u == 0x1A;
}

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
