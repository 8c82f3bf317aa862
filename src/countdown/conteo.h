#pragma once

#include <QLocale>
#include <QSize>
#include <QString>

// The number the window shows: at least five digits, grouped by thousands with the locale's
// separator (1234 gives 01.234 with "."; larger counts get more groups).
QString TextoDias(qint64 dias, const QLocale &locale = QLocale());

// Places of the label and the menu picture, all in twips.
struct Disposicion
{
    double ancho = 0;
    double alto = 0;
    double etiquetaArriba = 0;
    double menuIzquierda = 0;
    double menuArriba = 0;
};

// The window hugs the label: 300 twips wider than it, and either 30 twips taller than it or 100
// twips taller than the menu picture when the label is the shorter of the two.
Disposicion CalcularDisposicion(QSizeF etiqueta, QSizeF menu);
