#include "pantallas.h"

#include "enpantalla.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

qint64 DistanciaCuadrada(const QRect &a, const QRect &b)
{
    const qint64 dx = std::max<qint64>({0, qint64(b.left()) - a.right(), qint64(a.left()) - b.right()});
    const qint64 dy = std::max<qint64>({0, qint64(b.top()) - a.bottom(), qint64(a.top()) - b.bottom()});
    return dx * dx + dy * dy;
}

} // namespace

QPoint PosicionVisible(const QRect &ventana, const QList<QRect> &pantallas)
{
    if (pantallas.isEmpty())
        return ventana.topLeft();
    for (const QRect &pantalla : pantallas) {
        if (pantalla.intersects(ventana))
            return ventana.topLeft();
    }
    const QRect *cercana = &pantallas.front();
    qint64 mejor = std::numeric_limits<qint64>::max();
    for (const QRect &pantalla : pantallas) {
        const qint64 distancia = DistanciaCuadrada(ventana, pantalla);
        if (distancia < mejor) {
            mejor = distancia;
            cercana = &pantalla;
        }
    }
    return PosicionEnPantalla(ventana, *cercana);
}

QPoint PosicionJunto(const QRect &ventana, QSize dialogo, const QRect &zona, int separacion)
{
    // Along the side it takes, the dialog starts level with the window and slides back onto the
    // area; a dialog larger than the area keeps its top left corner on it.
    const QPoint nivelado = PosicionEnPantalla(QRect(ventana.topLeft(), dialogo), zona);
    const int x = nivelado.x();
    const int y = nivelado.y();
    const std::array<QPoint, 4> lados{{
        {ventana.right() + 1 + separacion, y},
        {x, ventana.bottom() + 1 + separacion},
        {ventana.left() - separacion - dialogo.width(), y},
        {x, ventana.top() - separacion - dialogo.height()},
    }};
    for (const QPoint &lugar : lados) {
        if (zona.contains(QRect(lugar, dialogo)))
            return lugar;
    }
    return nivelado;
}
