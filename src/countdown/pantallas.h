#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// A window that lies on no screen today (a monitor was unplugged, a hand-edited position) is
// brought back onto the nearest screen; a window that shows on some screen stays where it is.
QPoint PosicionVisible(const QRect &ventana, const QList<QRect> &pantallas);

// Where a dialog of the given size (its frame included) goes so that it leaves a window in view:
// right of it, else below, else left, else above, `separacion` pixels away, wholly on the screen
// area `zona`. Only when no side has room does it overlap the window, kept on the area as far as
// its size allows.
QPoint PosicionJunto(const QRect &ventana, QSize dialogo, const QRect &zona, int separacion);
