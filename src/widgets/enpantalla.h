#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Where a window goes so that it lies wholly inside the screen's area. A window larger than the
// area keeps its top left corner inside, where its text and its close picture begin.
QPoint PosicionEnPantalla(const QRect &ventana, const QRect &zona);

// Moves a window that would open partly off its screen (a high scale factor makes every window
// larger next to the screen) onto the available area of the screen that holds most of it.
void LlevarAPantalla(QWidget *ventana);
