#pragma once

#include "reproductor.h"

#include <QString>

#include <memory>

class QAudioSink;
class QBuffer;

// One sound at a time, played asynchronously through the default audio output. The file is read
// and checked here rather than by QSoundEffect, whose loader in Qt 6.4 hangs the next sound for
// good after a WAV file cut short.
class ReproductorWav final : public Reproductor
{
public:
    ReproductorWav();
    ~ReproductorWav() override;
    ReproductorWav(const ReproductorWav &) = delete;
    ReproductorWav &operator=(const ReproductorWav &) = delete;

    void Reproducir(const QString &archivo) override;

private:
    void Detener();

    std::unique_ptr<QAudioSink> salida_;
    std::unique_ptr<QBuffer> muestras_;
};
