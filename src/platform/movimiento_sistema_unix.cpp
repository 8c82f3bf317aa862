#include "movimiento_sistema.h"

#include <QWindow>

// The window manager or the compositor follows whichever button is held.
bool MoverConElSistema(QWindow *ventana, Qt::MouseButton)
{
    return ventana && ventana->startSystemMove();
}
