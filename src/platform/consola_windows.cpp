#include "consola.h"

#include <io.h>
#include <windows.h>

namespace {

bool TieneDestino(DWORD cual)
{
    const HANDLE destino = GetStdHandle(cual);
    return destino != nullptr && destino != INVALID_HANDLE_VALUE && GetFileType(destino) != FILE_TYPE_UNKNOWN;
}

} // namespace

void UsarConsolaDelPadre()
{
    // A caller that redirected the output (a pipe, a file) keeps it.
    const bool salida = TieneDestino(STD_OUTPUT_HANDLE);
    const bool errores = TieneDestino(STD_ERROR_HANDLE);
    if (salida && errores)
        return;
    // Started from Explorer or a shortcut there is no console to join, and nothing is shown.
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!salida)
        static_cast<void>(std::freopen("CONOUT$", "w", stdout));
    if (!errores)
        static_cast<void>(std::freopen("CONOUT$", "w", stderr));
}

void EscribirTexto(std::FILE *destino, const QString &texto)
{
    std::fflush(destino);
    // A console shows Unicode; its 8-bit code page (the OEM one) is not the one of the files.
    const HANDLE consola = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(destino)));
    DWORD modo = 0;
    if (consola != INVALID_HANDLE_VALUE && GetConsoleMode(consola, &modo)) {
        const std::wstring ancho = texto.toStdWString();
        DWORD escritos = 0;
        WriteConsoleW(consola, ancho.data(), static_cast<DWORD>(ancho.size()), &escritos, nullptr);
        return;
    }
    std::fputs(texto.toLocal8Bit().constData(), destino);
    std::fflush(destino);
}
