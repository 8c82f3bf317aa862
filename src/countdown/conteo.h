#pragma once

#include <QDate>
#include <QLocale>
#include <QSize>
#include <QString>

#include <optional>

// The number the window shows: at least five digits, grouped by thousands with the locale's
// separator (1234 gives 01.234 with "."; larger counts get more groups).
QString TextoDias(qint64 dias, const QLocale &locale = QLocale());

// What the window shows on `hoy` for the chosen date: its days left, or "00.000" when no date is
// chosen or it has passed. The command line prints the same text.
QString TextoCuenta(const std::optional<QDate> &fecha, const QDate &hoy, const QLocale &locale = QLocale());

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
