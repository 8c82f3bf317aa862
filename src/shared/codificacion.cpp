#include "codificacion.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined bytes keep their own number.
constexpr std::array<char16_t, 32> kAltos1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> ByteWindows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kAltos1252.size(); ++i) {
        if (kAltos1252[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// The file's own mark is cut off before decoding; a U+FEFF anywhere else, even at the start of a
// line decoded on its own, is a character of the text and must stay one.
constexpr QStringConverter::Flags kSinQuitarMarca =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

void DecodificarWindows1252En(const char *datos, qsizetype largo, QChar *destino)
{
    for (qsizetype i = 0; i < largo; ++i) {
        const auto b = static_cast<unsigned char>(datos[i]);
        destino[i] = (b >= 0x80 && b < 0xA0) ? QChar(kAltos1252[b - 0x80]) : QChar(b);
    }
}

QStringConverter::Encoding ConversorQt(Codificacion codificacion)
{
    switch (codificacion) {
    case Codificacion::Utf16LE:
        return QStringConverter::Utf16LE;
    case Codificacion::Utf16BE:
        return QStringConverter::Utf16BE;
    case Codificacion::Utf8:
    case Codificacion::Windows1252:
        break;
    }
    return QStringConverter::Utf8;
}

} // namespace

CodificacionDetectada DetectarCodificacion(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return {Codificacion::Utf8, 3};
    if (bytes.startsWith("\xFF\xFE"))
        return {Codificacion::Utf16LE, 2};
    if (bytes.startsWith("\xFE\xFF"))
        return {Codificacion::Utf16BE, 2};
    return {Codificacion::Windows1252, 0};
}

QByteArray MarcaDeOrden(Codificacion codificacion)
{
    switch (codificacion) {
    case Codificacion::Utf8:
        return QByteArray("\xEF\xBB\xBF");
    case Codificacion::Utf16LE:
        return QByteArray("\xFF\xFE");
    case Codificacion::Utf16BE:
        return QByteArray("\xFE\xFF");
    case Codificacion::Windows1252:
        break;
    }
    return {};
}

int AnchoUnidad(Codificacion codificacion)
{
    return codificacion == Codificacion::Utf16LE || codificacion == Codificacion::Utf16BE ? 2 : 1;
}

QString DecodificarWindows1252(const char *datos, qsizetype largo)
{
    QString texto(largo, Qt::Uninitialized);
    DecodificarWindows1252En(datos, largo, texto.data());
    return texto;
}

std::optional<QByteArray> CodificarWindows1252(QStringView texto)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (QChar c : texto) {
        const auto b = ByteWindows1252(c.unicode());
        if (!b)
            return std::nullopt;
        bytes.append(*b);
    }
    return bytes;
}

QString Decodificar(Codificacion codificacion, const char *datos, qsizetype largo)
{
    if (codificacion == Codificacion::Windows1252)
        return DecodificarWindows1252(datos, largo);
    QStringDecoder decodificador(ConversorQt(codificacion), kSinQuitarMarca);
    return decodificador.decode(QByteArrayView(datos, largo));
}

std::optional<QByteArray> Codificar(Codificacion codificacion, QStringView texto)
{
    switch (codificacion) {
    case Codificacion::Windows1252:
        return CodificarWindows1252(texto);
    case Codificacion::Utf8:
        return texto.toUtf8();
    case Codificacion::Utf16LE: {
        QStringEncoder codificador(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
        return QByteArray(codificador.encode(texto));
    }
    case Codificacion::Utf16BE: {
        QStringEncoder codificador(QStringConverter::Utf16BE, QStringConverter::Flag::Stateless);
        return QByteArray(codificador.encode(texto));
    }
    }
    return std::nullopt;
}

QStringView DecodificadorReutilizable::Decodificar(const char *datos, qsizetype largo)
{
    if (codificacion_ == Codificacion::Windows1252) {
        buffer_.resize(largo);
        DecodificarWindows1252En(datos, largo, buffer_.data());
        return buffer_;
    }
    QStringDecoder decodificador(ConversorQt(codificacion_), kSinQuitarMarca);
    buffer_.resize(decodificador.requiredSpace(largo));
    const QChar *inicio = buffer_.data();
    const QChar *fin = decodificador.appendToBuffer(buffer_.data(), QByteArrayView(datos, largo));
    return QStringView(inicio, fin - inicio);
}
