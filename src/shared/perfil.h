#pragma once

#include "codificacion.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// The profile-file layer: one key of an INI file, read or written with the observable rules of
// the Windows private-profile functions. Every call opens the file afresh, so another process
// (the language editor, a text editor) may change it between calls.
//
// Only regular files (or links to one) are read or written, and none above 256 MiB: anything
// else reads as a missing file and refuses writes, so a FIFO or a device in the file's place
// can neither hang nor exhaust the program.
//
// Reading: a missing file, section or key gives the default without its trailing spaces. Names
// match without regard to letter case, in any alphabet; the value comes back trimmed and without
// one pair of enclosing quotes.
QString LeerPerfil(const QString &archivo, const QString &seccion, const QString &clave,
                   const QString &porDefecto);

// One key asked of a file.
struct ClavePerfil
{
    QString seccion;
    QString clave;
};

// One reading of a file for a caller that needs several of its keys at one moment: each Leer
// gives what LeerPerfil would have given for the file as it was when the snapshot was taken.
// Nothing is kept beyond the snapshot: a new one sees what others wrote since.
class PerfilLeido
{
public:
    explicit PerfilLeido(const QString &archivo);
    QString Leer(const QString &seccion, const QString &clave, const QString &porDefecto) const;
    // Several keys in one walk over the file: each value as Leer gives it, or nullopt when it is
    // missing. With `maximo` >= 0 a value is cut to that many characters, and no more of a longer
    // value is decoded: a value of many megabytes costs no more than a short one.
    std::vector<std::optional<QString>> LeerVarias(const QList<ClavePerfil> &claves,
                                                   qsizetype maximo = -1) const;

private:
    QByteArray bytes_; // whole code units; empty when the file could not be read
    Codificacion codificacion_ = Codificacion::Windows1252;
    qsizetype largoMarca_ = 0;
};

// Writing: replaces the key's value in place or adds the key (and the section) where the
// platform would; every other byte of the file stays as it was. The file is replaced atomically,
// keeping its permissions and, where the system allows, its owner; a write that would give the
// bytes already on disk leaves the file untouched. Returns true only when the new content is
// safely on disk (or was already there); a section, key or value holding a line break is refused.
// On failure `motivo` (when given) says why, in words for the user.
bool EscribirPerfil(const QString &archivo, const QString &seccion, const QString &clave,
                    const QString &valor, QString *motivo = nullptr);

// The blanks that reading strips from both ends of a value: space, tab, vertical tab, form feed
// and the old end-of-file mark (0x1A).
bool EsBlancoDePerfil(QChar c);

// A text as it must be written so that every reader of the format gives it back as it is: inside
// one more pair of double quotes when it has blanks at either end or begins and ends with the same
// quote mark, unchanged otherwise. Writes themselves never add quotes.
QString ValorLiteral(const QString &texto);

// One write of a batch. With `borrar` the key's line goes instead, as a write of no value does
// on the platform; a key that is not there leaves the file as it is.
struct EscrituraPerfil
{
    QString seccion;
    QString clave;
    QString valor;
    bool borrar = false;
};

// Applies the writes in order and replaces the file once: the bytes that result are exactly those
// of the same writes made one after the other, but a crash or a full disk leaves either the old
// file or the new one. Nothing is written when any write of the batch would be refused.
bool EscribirPerfilLote(const QString &archivo, const QList<EscrituraPerfil> &escrituras,
                        QString *motivo = nullptr);
