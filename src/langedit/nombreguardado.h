#pragma once

#include <QString>

// The file that a name typed in the save dialog gives: ".dxl" is added when the name does not end
// in it, and an ending ".dxl" in another case is written ".dxl", since Dexo looks for no other
// spelling. A name that breaks the languages' name rule (Idioma::MotivoNombre) gives no file but
// the reason, in words for the user.
struct ArchivoAGuardar
{
    QString ruta;   // empty when refused
    QString motivo; // why it was refused
};
ArchivoAGuardar ArchivoDeIdioma(const QString &rutaElegida);
