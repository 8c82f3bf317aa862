// The sound module: loaded by the program on its first sound.
#include "reproductor_wav.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT Reproductor *DexoCrearReproductor()
{
    return new ReproductorWav();
}
