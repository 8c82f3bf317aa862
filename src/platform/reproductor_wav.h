#pragma once

#include <QString>

#include <memory>

class QAudioSink;
class QBuffer;

// One sound at a time, played asynchronously. The audio stack is created on the first sound,
// never at start-up. The file is read and checked here rather than by QSoundEffect, whose loader
// in Qt 6.4 hangs the next sound for good after a WAV file cut short.
class ReproductorWav
{
public:
    ReproductorWav();
    ~ReproductorWav();
    ReproductorWav(const ReproductorWav &) = delete;
    ReproductorWav &operator=(const ReproductorWav &) = delete;

    // A new sound replaces the one playing; a missing or unplayable file plays nothing.
    void Reproducir(const QString &archivo);

private:
    void Detener();

    std::unique_ptr<QAudioSink> salida_;
    std::unique_ptr<QBuffer> muestras_;
};
