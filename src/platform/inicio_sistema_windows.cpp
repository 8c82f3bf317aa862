// Windows: the Run value of the machine, or of the user when the machine key refuses the write.
#include "inicio_sistema.h"

#include "mdlregistro_windows.h"
#include "valor_run.h"

#include <QCoreApplication>

namespace {

const QString kRun = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");

} // namespace

bool GrabarInicioSistemaNativo(const QString &nombre, const QString &programa, QString *error)
{
    const QString dato = ValorRun(programa);
    if (GrabarValorRegistro(HKEY_LOCAL_MACHINE, kRun, nombre, dato, kTipoTexto))
        return true;
    if (GrabarValorRegistro(HKEY_CURRENT_USER, kRun, nombre, dato, kTipoTexto))
        return true;
    if (error)
        *error =
            QCoreApplication::translate(
                "InicioSistema", "Windows no permitió escribir el valor \"%1\" en la clave Run del registro.")
                .arg(nombre);
    return false;
}

bool BorrarInicioSistemaNativo(const QString &nombre)
{
    BorrarValorRegistro(HKEY_LOCAL_MACHINE, kRun, nombre);
    BorrarValorRegistro(HKEY_CURRENT_USER, kRun, nombre);
    // What counts is that neither key starts Dexo now: a value that was never there is removed too.
    return !ExisteValorRegistro(HKEY_LOCAL_MACHINE, kRun, nombre) &&
           !ExisteValorRegistro(HKEY_CURRENT_USER, kRun, nombre);
}
