#include "reproductor_wav.h"

#include "lector_wav.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

namespace {

QAudioFormat::SampleFormat FormatoQt(SonidoWav::Muestra muestra)
{
    switch (muestra) {
    case SonidoWav::Muestra::U8:
        return QAudioFormat::UInt8;
    case SonidoWav::Muestra::S16:
        return QAudioFormat::Int16;
    case SonidoWav::Muestra::S32:
        return QAudioFormat::Int32;
    case SonidoWav::Muestra::F32:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

class SalidaAudioSistema final : public SalidaAudio
{
public:
    ~SalidaAudioSistema() override { Detener(); }

    bool Iniciar(const SonidoWav &sonido) override
    {
        Detener();
        const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
        QAudioFormat formato;
        formato.setSampleRate(sonido.frecuencia);
        formato.setChannelCount(sonido.canales);
        formato.setSampleFormat(FormatoQt(sonido.muestra));
        if (dispositivo.isNull() || !dispositivo.isFormatSupported(formato))
            return false;
        muestras_ = std::make_unique<QBuffer>();
        muestras_->setData(sonido.datos);
        muestras_->open(QIODevice::ReadOnly);
        salida_ = std::make_unique<QAudioSink>(dispositivo, formato);
        salida_->start(muestras_.get());
        return true;
    }

    void Detener() override
    {
        if (salida_)
            salida_->stop();
        salida_.reset();
        muestras_.reset();
    }

    // The sink goes idle once it has drained the buffer.
    bool Sonando() const override { return salida_ && salida_->state() == QAudio::ActiveState; }

private:
    std::unique_ptr<QAudioSink> salida_;
    std::unique_ptr<QBuffer> muestras_;
};

} // namespace

std::unique_ptr<SalidaAudio> CrearSalidaAudioSistema()
{
    return std::make_unique<SalidaAudioSistema>();
}

ReproductorWav::ReproductorWav(std::unique_ptr<SalidaAudio> salida) : salida_(std::move(salida)) {}

ReproductorWav::~ReproductorWav()
{
    salida_->Detener();
}

void ReproductorWav::Reproducir(const QString &archivo)
{
    salida_->Detener();
    const QFileInfo info(archivo);
    // Regular files only: a pipe or a device would block the reading.
    if (!info.isFile() || info.size() > kTamMaximoWav)
        return;
    QFile entrada(info.absoluteFilePath());
    if (!entrada.open(QIODevice::ReadOnly))
        return;
    const std::optional<SonidoWav> sonido = LeerWav(entrada.readAll());
    if (sonido)
        salida_->Iniciar(*sonido);
}

bool ReproductorWav::Sonando() const
{
    return salida_->Sonando();
}
