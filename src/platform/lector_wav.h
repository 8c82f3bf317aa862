#pragma once

#include <QByteArray>

#include <optional>

// Reads a RIFF/WAVE file into raw samples. It accepts integer PCM of 8, 16, 24 and 32 bits and
// 32-bit float, plain or in the extensible header; 24-bit samples come back as 32-bit. A file
// cut short plays what it holds; anything else is no sound (nullopt).
struct SonidoWav
{
    enum class Muestra { U8, S16, S32, F32 };
    Muestra muestra = Muestra::S16;
    int canales = 0;
    int frecuencia = 0;
    QByteArray datos;
};

std::optional<SonidoWav> LeerWav(const QByteArray &archivo);

// Larger files are not taken as notice sounds.
inline constexpr qsizetype kTamMaximoWav = 64 * 1024 * 1024;
