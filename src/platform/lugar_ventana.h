#pragma once

#include <QPoint>

class QWidget;

// A top-level window's place on the screen, in logical pixels, as the windowing system knows it
// now. Qt's own record can be stale on X11 after a reparenting window manager has framed the
// window (it may take the frame's 0, 0 for the place); elsewhere it is Qt's own.
QPoint LugarVentanaEnPantalla(const QWidget &ventana);
