#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

class QWidget;

// Where a window goes so that it lies wholly inside the screen's area. Along a side where the
// window is larger than the area, the edge that `sobrante` names stays inside (by default the
// top left corner, where a window's text begins).
QPoint PosicionEnPantalla(const QRect &ventana, const QRect &zona,
                          Qt::Alignment sobrante = Qt::AlignLeft | Qt::AlignTop);

// Moves a window that would open partly off its screen (a high scale factor makes every window
// larger next to the screen) onto the available area of the screen that holds most of it.
void LlevarAPantalla(QWidget *ventana, Qt::Alignment sobrante = Qt::AlignLeft | Qt::AlignTop);
