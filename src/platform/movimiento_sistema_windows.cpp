#include "movimiento_sistema.h"

#include <QWindow>

// Windows' own move is a modal loop that ends when the left button is released: started with
// another button, the window would stick to the pointer until a left click, so those buttons
// move it by hand.
bool MoverConElSistema(QWindow *ventana, Qt::MouseButton boton)
{
    return boton == Qt::LeftButton && ventana && ventana->startSystemMove();
}
