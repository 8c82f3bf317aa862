#include "reproductor_wav.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

ReproductorWav::ReproductorWav() = default;
ReproductorWav::~ReproductorWav() = default;

void ReproductorWav::Reproducir(const QString &archivo)
{
    if (!efecto_)
        efecto_ = std::make_unique<QSoundEffect>();
    // A new sound replaces the one playing, even when the new one cannot be played.
    efecto_->stop();
    const QFileInfo info(archivo);
    if (!info.isFile() || !info.isReadable())
        return;
    efecto_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    efecto_->play(); // starts once loaded; a file that fails to decode plays nothing
}
