#include "cerrojos.h"

#include <QDir>
#include <QStandardPaths>

QString CarpetaDeCerrojos()
{
    // $XDG_RUNTIME_DIR: the user's, and emptied when the session ends.
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return carpeta.isEmpty() ? QDir::tempPath() : carpeta;
}

bool QuitarCerrojoAbandonado(const QString &)
{
    return false;
}
