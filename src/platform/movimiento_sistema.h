#pragma once

#include <Qt>

class QWindow;

// Hands the move of a borderless window to the system while the pressed button drags it; false
// when the system does not take it, and the caller then moves the window by hand. One
// implementation per OS, chosen by CMake.
bool MoverConElSistema(QWindow *ventana, Qt::MouseButton boton);
