// Starts the program on its command line the way cmd starts a windowed program on Windows: in
// this console, without standard handles of its own, and waits for it. Wine would hand the child
// this program's handles, where Windows hands none; the test of the console output needs the
// Windows case. Plain Win32, so that it runs anywhere without Qt's or the compiler's DLLs.
#include <windows.h>

int wmain()
{
    // The command line after this program's own name, quoted or not.
    wchar_t *resto = GetCommandLineW();
    const bool comillas = *resto == L'"';
    for (++resto; *resto && *resto != (comillas ? L'"' : L' '); ++resto) {
    }
    if (comillas && *resto)
        ++resto;
    while (*resto == L' ')
        ++resto;

    STARTUPINFOW inicio = {};
    inicio.cb = sizeof(inicio);
    inicio.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION proceso = {};
    if (!CreateProcessW(nullptr, resto, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &inicio, &proceso))
        return 127;
    WaitForSingleObject(proceso.hProcess, INFINITE);
    DWORD codigo = 1;
    GetExitCodeProcess(proceso.hProcess, &codigo);
    CloseHandle(proceso.hThread);
    CloseHandle(proceso.hProcess);
    return static_cast<int>(codigo);
}
