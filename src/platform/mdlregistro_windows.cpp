#include "mdlregistro_windows.h"

#include <string>

namespace {

// Query, set, create subkey, enumerate, notify, create link.
constexpr REGSAM kAcceso = 0x3F;

} // namespace

LONG EscribirDatoRegistro(HKEY clave, const QString &nombre, DWORD tipo, const QString &valor)
{
    const std::wstring nombreW = nombre.toStdWString();
    if (tipo == kTipoTexto) {
        const std::wstring datos = valor.toStdWString();
        return RegSetValueExW(clave, nombreW.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE *>(datos.c_str()),
                              static_cast<DWORD>((datos.size() + 1) * sizeof(wchar_t)));
    }
    if (tipo == kTipoNumero) {
        const DWORD numero = valor.toULong();
        return RegSetValueExW(clave, nombreW.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&numero),
                              sizeof(numero));
    }
    return ERROR_INVALID_PARAMETER;
}

bool GrabarValorRegistro(HKEY raiz, const QString &subclave, const QString &nombre, const QString &valor,
                         DWORD tipo)
{
    HKEY clave = nullptr;
    if (RegOpenKeyExW(raiz, subclave.toStdWString().c_str(), 0, kAcceso, &clave) != ERROR_SUCCESS)
        return false;
    const bool escrito = EscribirDatoRegistro(clave, nombre, tipo, valor) == ERROR_SUCCESS;
    RegCloseKey(clave);
    return escrito;
}

bool BorrarValorRegistro(HKEY raiz, const QString &subclave, const QString &nombre)
{
    HKEY clave = nullptr;
    if (RegOpenKeyExW(raiz, subclave.toStdWString().c_str(), 0, kAcceso, &clave) != ERROR_SUCCESS)
        return false;
    const bool borrado = RegDeleteValueW(clave, nombre.toStdWString().c_str()) == ERROR_SUCCESS;
    RegCloseKey(clave);
    return borrado;
}

bool ExisteValorRegistro(HKEY raiz, const QString &subclave, const QString &nombre)
{
    return RegGetValueW(raiz, subclave.toStdWString().c_str(), nombre.toStdWString().c_str(), RRF_RT_ANY,
                        nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}
