#include "movimiento_sistema.h"

#include <QGuiApplication>
#include <QWindow>

// The compositor follows whichever button is held. An X11 window manager, though, is given the
// move from where Qt believes the window is, which after the first placement may be stale: the
// window would jump by its own position. On X11 the window follows the pointer by hand, from the
// press's own place in it.
bool MoverConElSistema(QWindow *ventana, Qt::MouseButton)
{
    return ventana && QGuiApplication::platformName() != QLatin1String("xcb") && ventana->startSystemMove();
}
