#pragma once

#include "claves.h"

#include <QString>
#include <QtGlobal>

// What the options dialog edits beyond its controls. It lives in the dialog until "Guardar
// cambios" writes it: the count, the menu and the notice keep following the saved settings while
// the dialog is open, and after it is closed unsaved.
struct OpcionesEditadas
{
    QString FechaEvento = QString::fromUtf16(Ajustes::SinFecha);
    bool Anual = false; // the date comes back every year
    qint16 TipoAviso = 0;
    QString ArchivoSonido = QString::fromUtf16(Ajustes::Ninguno);
    QString ArchivoAbrir = QString::fromUtf16(Ajustes::Ninguno);
    QString IconoAviso = QStringLiteral("0");
    QString NombreIdioma = QStringLiteral("Español");
};
