#pragma once

#include <QString>

// The file that a name typed in the save dialog gives: ".dxl" is added when the name does not end
// in it (in any case), since Dexo offers only such files. A name that is empty after trimming, or
// that would make a hidden file, gives no file but the reason, in words for the user.
struct ArchivoAGuardar
{
    QString ruta;   // empty when refused
    QString motivo; // why it was refused
};
ArchivoAGuardar ArchivoDeIdioma(const QString &rutaElegida);
