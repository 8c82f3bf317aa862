#pragma once

// A settings or language file on disk, read whole and replaced atomically: the profile layer's
// own reads and writes, and the copies of whole files made beside the user's settings. Callers
// that read or write keys use perfil.h.

#include <QByteArray>
#include <QString>

namespace Perfil {

struct Lectura
{
    bool existe = false;
    bool legible = true;
    QByteArray bytes;
    QString motivo; // why it could not be read
};

// Reads the whole file when it is a regular file (or a link to one) of a sane size. A FIFO is
// never waited on: open() would wait for a writer that may never come.
Lectura LeerArchivo(const QString &archivo);

// Replaces the file with `contenido` through a temporary file in its folder, keeping the file's
// owner where the system allows. On failure `motivo` (when given) says why, in words for the user.
bool GuardarAtomico(const QString &archivo, const QByteArray &contenido, QString *motivo);

} // namespace Perfil
