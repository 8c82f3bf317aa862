#include "archivo_sistema.h"

#include <QDir>

// Qt's own error texts come from the system's messages here, in the user's language; ownership
// stays with the folder's defaults on this system.
QString ErrorDelSistema()
{
    return {};
}

void OlvidarErrorDelSistema() {}

void CopiarPropietario(const QString &, int) {}

Apertura AbrirArchivoNormal(const QString &archivo, QFile &destino)
{
    destino.setFileName(archivo);
    return destino.open(QIODevice::ReadOnly) ? Apertura::Abierta : Apertura::Fallida;
}

QString CarpetaConfiguracionUsuario()
{
    // The roaming profile: settings follow the user from machine to machine.
    const QString base = qEnvironmentVariable("APPDATA");
    if (!base.isEmpty() && QDir::isAbsolutePath(base))
        return QDir::fromNativeSeparators(base);
    return QDir::homePath() + QStringLiteral("/AppData/Roaming");
}
