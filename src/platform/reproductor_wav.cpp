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

} // namespace

ReproductorWav::ReproductorWav() = default;

ReproductorWav::~ReproductorWav()
{
    Detener();
}

void ReproductorWav::Detener()
{
    if (salida_)
        salida_->stop();
    salida_.reset();
    muestras_.reset();
}

void ReproductorWav::Reproducir(const QString &archivo)
{
    Detener();
    const QFileInfo info(archivo);
    // Regular files only: a pipe or a device would block the reading.
    if (!info.isFile() || info.size() > kTamMaximoWav)
        return;
    QFile entrada(info.absoluteFilePath());
    if (!entrada.open(QIODevice::ReadOnly))
        return;
    std::optional<SonidoWav> sonido = LeerWav(entrada.readAll());
    if (!sonido)
        return;

    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    QAudioFormat formato;
    formato.setSampleRate(sonido->frecuencia);
    formato.setChannelCount(sonido->canales);
    formato.setSampleFormat(FormatoQt(sonido->muestra));
    if (dispositivo.isNull() || !dispositivo.isFormatSupported(formato))
        return;

    muestras_ = std::make_unique<QBuffer>();
    muestras_->setData(sonido->datos);
    muestras_->open(QIODevice::ReadOnly);
    salida_ = std::make_unique<QAudioSink>(dispositivo, formato);
    salida_->start(muestras_.get());
}
