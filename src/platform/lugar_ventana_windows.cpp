#include "lugar_ventana.h"

#include <QWidget>

// Windows tells Qt every move of its windows as it happens.
QPoint LugarVentanaEnPantalla(const QWidget &ventana)
{
    return ventana.pos();
}
