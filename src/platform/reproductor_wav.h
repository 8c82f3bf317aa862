#pragma once

#include <QString>

#include <memory>

class QSoundEffect;

// One sound at a time. The audio stack is created on the first sound, never at start-up.
class ReproductorWav
{
public:
    ReproductorWav();
    ~ReproductorWav();
    ReproductorWav(const ReproductorWav &) = delete;
    ReproductorWav &operator=(const ReproductorWav &) = delete;

    void Reproducir(const QString &archivo);

private:
    std::unique_ptr<QSoundEffect> efecto_;
};
