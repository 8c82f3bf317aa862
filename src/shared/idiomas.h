#pragma once

#include "claves_idioma.h"
#include "perfil.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class Carpetas;

// Choosing and reading language files. A language is a name; its file is that name + ".dxl",
// looked up in the settings folder first (the languages the user saved or chose), then in the
// program folder (the shipped ones). See Carpetas::RutaIdioma.
namespace Idioma {

// The one rule of both programs for a language's name: why name + ".dxl" would not be a portable
// file of a language folder (a separator, ":", "..", a character Windows refuses, a trailing dot
// or blank, a Windows device name, a hidden or over-long file), in words for the user; empty when
// the name is a language. The editor saves only such names and Dexo loads only such names.
QString MotivoNombre(const QString &nombre);
bool EsNombreValido(const QString &nombre);

// rutaPrograma (ending in a separator) + nombre + ".dxl"; empty when the name is no language.
QString RutaArchivo(const QString &rutaPrograma, const QString &nombre);

// True when the language's file is a regular file of the program folder.
bool Existe(const QString &rutaPrograma, const QString &nombre);

// One text, read whole from the file at each call; "?" (or the given default) when the file, the
// section or the key is missing, or when the path is empty.
QString LeerTexto(const QString &archivo, const ClaveIdioma &clave);
QString LeerTexto(const QString &archivo, const ClaveIdioma &clave, const QString &porDefecto);

// Dexo uses at most this many characters of a language text, and reads no more of it.
inline constexpr qsizetype kLargoUsado = 199;

// The 35 texts of a language file, from one walk over it, each cut to `maximo` characters when
// maximo >= 0. A missing file, section or key gives "?" or the caller's default.
class TextosLeidos
{
public:
    TextosLeidos(const QString &archivo, qsizetype maximo);
    // By the index of the key in kClaves.
    QString Texto(int indice) const;
    QString Texto(int indice, const QString &porDefecto) const;

private:
    std::vector<std::optional<QString>> textos_;
};

// The language named by a file the user chose: the part after the last separator without its last
// four characters (whatever they are). nullopt when that part is shorter than four characters.
std::optional<QString> NombreDeArchivoElegido(const QString &ruta);

// A file chosen with "Abrir idioma..." or the options dialog's picker, made the language to use.
struct IdiomaElegido
{
    std::optional<QString> nombre; // the language to use now
    QString aviso;                 // why the file cannot be the language, for a message box
};
// The file itself becomes the language, or nothing changes and `aviso` says why: its name breaks
// the rule, it cannot be read, or it is no language file (not ".dxl" in any case, or without the
// first text of [Menu] and of [Opciones], whose absence would make a window fall back to
// Español). A file that the name already leads to is used as it is; any other is copied into the
// settings folder as name + ".dxl", and `preguntar` is asked before a different file there is
// replaced (no answer: neither a name nor an aviso).
IdiomaElegido AdoptarArchivo(const Carpetas &carpetas, const QString &ruta,
                             const std::function<bool(const QString &)> &preguntar);

} // namespace Idioma
