#pragma once

#include <QString>
#include <QStringList>

// Where the program's files are. The program folder holds what ships (the executables, the
// shipped languages, end.wav, the help); the settings folder holds what the user's choices write
// (Dexo.INI, Acerca.ini, the languages the user saves). A program folder that can be written is
// also the settings folder: the portable copy. An installed copy keeps the settings in the
// user's own folder instead.
class Carpetas
{
public:
    Carpetas() = default;
    // Both folders as already decided; each gets the native separator at its end.
    Carpetas(const QString &programa, const QString &ajustes);

    // Decides once for this run: the program folder when a file can be created and removed in
    // it (permission bits and ACLs do not tell), else CarpetaAjustesUsuario().
    static Carpetas Decidir(const QString &carpetaPrograma);

    const QString &Programa() const { return programa_; }
    const QString &Ajustes() const { return ajustes_; }
    bool Portatil() const { return programa_ == ajustes_; }

    // The user's folder is only made when something is to be written into it; true when it is
    // there now.
    bool PrepararAjustes() const;

    // A settings file (Dexo.INI, Acerca.ini) as it is read now: the settings folder's copy; when
    // the settings folder is the user's and holds none, the program folder's own (a portable copy
    // on a read-only stick), until a first save gives the user a copy.
    QString LecturaAjustes(const QString &nombre) const;
    // Where a write to a settings file read from `archivo` goes. It is `archivo` itself, unless
    // that is the program folder's copy standing in for the user's: then the user's copy is made
    // from it first, so that the write starts from what was read. Empty when that copy could not
    // be made; `motivo` then says why, for the user.
    QString EscrituraAjustes(const QString &archivo, QString *motivo) const;

    // The further countdowns' files (Cuentas/Cuenta2.INI, Cuenta3.INI, ...), as they are read, in
    // the order they were made; and the file of the next one, in the settings folder.
    QStringList ArchivosDeCuentas() const;
    QString ArchivoCuentaNueva() const;

    // A language's file: the settings folder's copy when it has one, else the program folder's
    // (which may not exist). Empty when the name is no language.
    QString RutaIdioma(const QString &nombre) const;
    // True when either folder holds the language as a regular file.
    bool ExisteIdioma(const QString &nombre) const;
    // Where the file dialogs for languages start: the settings folder once it exists.
    QString CarpetaDialogos() const;

private:
    QString programa_;
    QString ajustes_;
};

// The user's own settings folder, ending in the native separator: $XDG_CONFIG_HOME/Dexo
// (~/.config/Dexo when unset or relative) on Linux, %APPDATA%\Dexo on Windows.
QString CarpetaAjustesUsuario();

// Whether a file can really be created and removed in the folder.
bool CarpetaEscribible(const QString &carpeta);
