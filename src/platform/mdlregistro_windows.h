#pragma once

#include <QString>

#include <windows.h>

// The registry module: one value under a key, written or deleted.
inline constexpr DWORD kTipoTexto = REG_SZ;     // 1
inline constexpr DWORD kTipoNumero = REG_DWORD; // 4

bool GrabarValorRegistro(HKEY raiz, const QString &subclave, const QString &nombre, const QString &valor,
                         DWORD tipo);
bool BorrarValorRegistro(HKEY raiz, const QString &subclave, const QString &nombre);
bool ExisteValorRegistro(HKEY raiz, const QString &subclave, const QString &nombre);
LONG EscribirDatoRegistro(HKEY clave, const QString &nombre, DWORD tipo, const QString &valor);
