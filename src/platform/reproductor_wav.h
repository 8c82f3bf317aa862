#pragma once

#include "reproductor.h"

#include <QString>

#include <memory>

struct SonidoWav;

// Where the samples of a sound go: the default audio output, or a stand-in in the tests.
class SalidaAudio
{
public:
    virtual ~SalidaAudio() = default;
    // Starts playing the samples; false when there is no device or it cannot take them.
    virtual bool Iniciar(const SonidoWav &sonido) = 0;
    virtual void Detener() = 0;
    virtual bool Sonando() const = 0;
};

// The default audio output of the system, through QAudioSink.
std::unique_ptr<SalidaAudio> CrearSalidaAudioSistema();

// One sound at a time, played asynchronously. The file is read and checked here rather than by
// QSoundEffect, whose loader in Qt 6.4 hangs the next sound for good after a WAV file cut short.
class ReproductorWav final : public Reproductor
{
public:
    explicit ReproductorWav(std::unique_ptr<SalidaAudio> salida = CrearSalidaAudioSistema());
    ~ReproductorWav() override;
    ReproductorWav(const ReproductorWav &) = delete;
    ReproductorWav &operator=(const ReproductorWav &) = delete;

    void Reproducir(const QString &archivo) override;
    bool Sonando() const override;

private:
    std::unique_ptr<SalidaAudio> salida_;
};
