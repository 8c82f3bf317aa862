#include "cerrojos.h"

#include <QDir>

QString CarpetaDeCerrojos()
{
    // The user's temporary folder (%LOCALAPPDATA%\Temp). Qt's runtime location on Windows is the
    // user's home folder, where the lock would sit among the user's own files.
    return QDir::tempPath();
}
