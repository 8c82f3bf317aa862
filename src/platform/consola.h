#pragma once

#include <QString>

#include <cstdio>

// The command line's answers. On Windows Dexo is a windowed program: it gets no console of its
// own, so what it prints would be lost. One implementation per OS, chosen by CMake.

// Started from a console (cmd, PowerShell), the answers go to that console: the standard output
// and error that the caller did not redirect are joined to it. Elsewhere this does nothing.
void UsarConsolaDelPadre();

// Writes `texto` on `destino`: a console gets its characters whole, a pipe or a file the system's
// 8-bit encoding.
void EscribirTexto(std::FILE *destino, const QString &texto);
