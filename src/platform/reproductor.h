#pragma once

#include <QString>

// Plays one sound at a time. The implementation lives in the sound module, which the program
// loads on its first sound, so start-up never loads the audio stack.
class Reproductor
{
public:
    virtual ~Reproductor() = default;
    // A new sound replaces the one playing; a missing or unplayable file plays nothing.
    virtual void Reproducir(const QString &archivo) = 0;
    // Whether the last sound started is still playing.
    virtual bool Sonando() const = 0;
};

// The module's one entry point.
inline constexpr char kFuncionCrearReproductor[] = "DexoCrearReproductor";
using FuncionCrearReproductor = Reproductor *(*)();
