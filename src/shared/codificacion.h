#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Text encodings of the profile files. A file without a byte-order mark is Windows-1252, the
// encoding of every file the program has ever written; a mark selects UTF-8 or UTF-16.
enum class Codificacion { Windows1252, Utf8, Utf16LE, Utf16BE };

struct CodificacionDetectada
{
    Codificacion codificacion;
    qsizetype largoMarca; // bytes of the byte-order mark, 0 when there is none
};

CodificacionDetectada DetectarCodificacion(const QByteArray &bytes);
QByteArray MarcaDeOrden(Codificacion codificacion);

// Bytes per code unit: 1 for the 8-bit encodings, 2 for UTF-16.
int AnchoUnidad(Codificacion codificacion);

// Windows-1252 both ways. The five bytes that the code page leaves undefined map to the C1
// control characters of the same number, so any byte sequence survives a round trip.
QString DecodificarWindows1252(const char *datos, qsizetype largo);
std::optional<QByteArray> CodificarWindows1252(QStringView texto);

QString Decodificar(Codificacion codificacion, const char *datos, qsizetype largo);
// nullopt only for Windows-1252 when a character has no place in the code page.
std::optional<QByteArray> Codificar(Codificacion codificacion, QStringView texto);

// Decodes one piece of text after another into a buffer that it reuses, exactly as Decodificar
// would, so that a file of a million lines costs no allocation per line. Each view stays valid
// until the next call.
class DecodificadorReutilizable
{
public:
    explicit DecodificadorReutilizable(Codificacion codificacion) : codificacion_(codificacion) {}
    QStringView Decodificar(const char *datos, qsizetype largo);

private:
    Codificacion codificacion_;
    QString buffer_;
};
