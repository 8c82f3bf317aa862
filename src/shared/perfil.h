#pragma once

#include <QList>
#include <QString>

// The profile-file layer: one key of an INI file, read or written with the observable rules of
// the Windows private-profile functions. Every call opens the file afresh, so another process
// (the language editor, a text editor) may change it between calls.
//
// Reading: a missing file, section or key gives the default without its trailing spaces. Names
// match without regard to ASCII letter case; the value comes back trimmed and without one pair of
// enclosing quotes.
QString LeerPerfil(const QString &archivo, const QString &seccion, const QString &clave,
                   const QString &porDefecto);

// Writing: replaces the key's value in place or adds the key (and the section) where the
// platform would; every other byte of the file stays as it was. The file is replaced atomically.
// Returns true only when the new content is safely on disk; a section, key or value holding a
// line break is refused. On failure `motivo` (when given) says why, in words for the user.
bool EscribirPerfil(const QString &archivo, const QString &seccion, const QString &clave,
                    const QString &valor, QString *motivo = nullptr);

// One write of a batch.
struct EscrituraPerfil
{
    QString seccion;
    QString clave;
    QString valor;
};

// Applies the writes in order and replaces the file once: the bytes that result are exactly those
// of the same writes made one after the other, but a crash or a full disk leaves either the old
// file or the new one. Nothing is written when any write of the batch would be refused.
bool EscribirPerfilLote(const QString &archivo, const QList<EscrituraPerfil> &escrituras,
                        QString *motivo = nullptr);
