#include "archivo_sistema.h"

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
