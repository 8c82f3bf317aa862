#include "consola.h"

// A program started from a terminal shares its output already.
void UsarConsolaDelPadre() {}

void EscribirTexto(std::FILE *destino, const QString &texto)
{
    std::fputs(texto.toLocal8Bit().constData(), destino);
    std::fflush(destino);
}
