#include "consola.h"

#include <io.h>
#include <windows.h>

namespace {

bool Valido(HANDLE destino)
{
    return destino != nullptr && destino != INVALID_HANDLE_VALUE && GetFileType(destino) != FILE_TYPE_UNKNOWN;
}

// The system's handle behind the stream: the C runtime of a windowed program never learns of a
// console joined later, the system's standard handles do.
HANDLE Destino(std::FILE *archivo)
{
    if (archivo == stdout)
        return GetStdHandle(STD_OUTPUT_HANDLE);
    if (archivo == stderr)
        return GetStdHandle(STD_ERROR_HANDLE);
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(archivo)));
}

} // namespace

void UsarConsolaDelPadre()
{
    // A caller that redirected the output (a pipe, a file) keeps it.
    const bool salida = Valido(GetStdHandle(STD_OUTPUT_HANDLE));
    const bool errores = Valido(GetStdHandle(STD_ERROR_HANDLE));
    if (salida && errores)
        return;
    // Started from Explorer or a shortcut there is no console to join, and nothing is shown.
    // ERROR_ACCESS_DENIED: the program has a console already (Wine gives one to windowed programs).
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return;
    const HANDLE consola =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    if (consola == INVALID_HANDLE_VALUE)
        return;
    if (!salida)
        SetStdHandle(STD_OUTPUT_HANDLE, consola);
    if (!errores)
        SetStdHandle(STD_ERROR_HANDLE, consola);
}

void EscribirTexto(std::FILE *destino, const QString &texto)
{
    std::fflush(destino);
    // A console shows Unicode; its 8-bit code page (the OEM one) is not the one of the files.
    const HANDLE consola = Destino(destino);
    DWORD modo = 0;
    if (Valido(consola) && GetConsoleMode(consola, &modo)) {
        const std::wstring ancho = texto.toStdWString();
        DWORD escritos = 0;
        WriteConsoleW(consola, ancho.data(), static_cast<DWORD>(ancho.size()), &escritos, nullptr);
        return;
    }
    std::fputs(texto.toLocal8Bit().constData(), destino);
    std::fflush(destino);
}
