#include "cerrojos.h"

#include <QDir>
#include <QFile>

QString CarpetaDeCerrojos()
{
    // The user's temporary folder (%LOCALAPPDATA%\Temp). Qt's runtime location on Windows is the
    // user's home folder, where the lock would sit among the user's own files.
    return QDir::tempPath();
}

bool QuitarCerrojoAbandonado(const QString &archivo)
{
    // The owner keeps the file open without sharing its deletion.
    return QFile::remove(archivo);
}
