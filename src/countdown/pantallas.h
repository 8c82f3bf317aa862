#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// A window that lies on no screen today (a monitor was unplugged, a hand-edited position) is
// brought back onto the nearest screen; a window that shows on some screen stays where it is.
QPoint PosicionVisible(const QRect &ventana, const QList<QRect> &pantallas);
