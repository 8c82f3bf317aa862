#include "lector_wav.h"

#include <QtEndian>

namespace {

constexpr quint16 kFormatoPcm = 1;
constexpr quint16 kFormatoFlotante = 3;
constexpr quint16 kFormatoExtensible = 0xFFFE;

quint16 Leer16(const QByteArray &b, qsizetype en)
{
    return qFromLittleEndian<quint16>(b.constData() + en);
}

quint32 Leer32(const QByteArray &b, qsizetype en)
{
    return qFromLittleEndian<quint32>(b.constData() + en);
}

// 24-bit little-endian samples widened to 32 bits, so the audio device can take them.
QByteArray Ensanchar24(const QByteArray &datos)
{
    const qsizetype muestras = datos.size() / 3;
    QByteArray salida(muestras * 4, Qt::Uninitialized);
    for (qsizetype i = 0; i < muestras; ++i) {
        salida[4 * i] = 0;
        salida[4 * i + 1] = datos[3 * i];
        salida[4 * i + 2] = datos[3 * i + 1];
        salida[4 * i + 3] = datos[3 * i + 2];
    }
    return salida;
}

} // namespace

std::optional<SonidoWav> LeerWav(const QByteArray &archivo)
{
    if (archivo.size() < 12 || archivo.size() > kTamMaximoWav || !archivo.startsWith("RIFF") ||
        archivo.mid(8, 4) != "WAVE")
        return std::nullopt;

    quint16 formato = 0;
    quint16 canales = 0;
    quint32 frecuencia = 0;
    quint16 bits = 0;
    bool conFormato = false;
    qsizetype pos = 12;
    while (pos + 8 <= archivo.size()) {
        const QByteArray id = archivo.mid(pos, 4);
        const quint32 declarado = Leer32(archivo, pos + 4);
        const qsizetype inicio = pos + 8;
        // A chunk that claims more than the file holds is cut to what is there.
        const qsizetype largo = std::min<qsizetype>(declarado, archivo.size() - inicio);
        if (id == "fmt " && largo >= 16) {
            formato = Leer16(archivo, inicio);
            canales = Leer16(archivo, inicio + 2);
            frecuencia = Leer32(archivo, inicio + 4);
            bits = Leer16(archivo, inicio + 14);
            if (formato == kFormatoExtensible && largo >= 26)
                formato = Leer16(archivo, inicio + 24); // the sub-format's first two bytes
            conFormato = true;
        } else if (id == "data" && conFormato) {
            if (canales < 1 || canales > 8 || frecuencia < 1000 || frecuencia > 384000)
                return std::nullopt;
            SonidoWav sonido;
            sonido.canales = canales;
            sonido.frecuencia = static_cast<int>(frecuencia);
            QByteArray datos = archivo.mid(inicio, largo);
            if (formato == kFormatoPcm && bits == 8)
                sonido.muestra = SonidoWav::Muestra::U8;
            else if (formato == kFormatoPcm && bits == 16)
                sonido.muestra = SonidoWav::Muestra::S16;
            else if (formato == kFormatoPcm && bits == 24) {
                sonido.muestra = SonidoWav::Muestra::S32;
                datos = Ensanchar24(datos);
            } else if (formato == kFormatoPcm && bits == 32)
                sonido.muestra = SonidoWav::Muestra::S32;
            else if (formato == kFormatoFlotante && bits == 32)
                sonido.muestra = SonidoWav::Muestra::F32;
            else
                return std::nullopt;
            // Whole frames only.
            const int bytesPorMarco = canales * (sonido.muestra == SonidoWav::Muestra::U8    ? 1
                                                 : sonido.muestra == SonidoWav::Muestra::S16 ? 2
                                                                                             : 4);
            datos.truncate(datos.size() - datos.size() % bytesPorMarco);
            if (datos.isEmpty())
                return std::nullopt;
            sonido.datos = std::move(datos);
            return sonido;
        }
        pos = inicio + largo + (largo % 2); // chunks are padded to an even size
    }
    return std::nullopt;
}
