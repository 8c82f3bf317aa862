#pragma once

#include "claves_idioma.h"
#include "perfil.h"

#include <QString>

#include <optional>
#include <vector>

// Choosing and reading language files. A language is a name; its file is that name + ".dxl" in the
// program folder, and nowhere else.
namespace Idioma {

// A name with a path separator, a drive colon or ".." would reach a file outside the program
// folder, and an empty one names no file: none of them is a language.
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
// four characters (whatever they are). nullopt when that part is shorter than four characters,
// which the windows treat as a cancelled choice.
std::optional<QString> NombreDeArchivoElegido(const QString &ruta);

} // namespace Idioma
