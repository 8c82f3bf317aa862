#include "pantallas.h"

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
    const int x = std::clamp(ventana.left(), cercana->left(),
                             std::max(cercana->left(), cercana->right() + 1 - ventana.width()));
    const int y = std::clamp(ventana.top(), cercana->top(),
                             std::max(cercana->top(), cercana->bottom() + 1 - ventana.height()));
    return {x, y};
}

QPoint PosicionJunto(const QRect &ventana, QSize dialogo, const QRect &zona, int separacion)
{
    // Along the side it takes, the dialog starts level with the window and slides back onto the
    // area; a dialog larger than the area keeps its top left corner on it.
    const auto acotar = [](int valor, int minimo, int maximo) {
        return std::clamp(valor, minimo, std::max(minimo, maximo));
    };
    const int x = acotar(ventana.left(), zona.left(), zona.right() + 1 - dialogo.width());
    const int y = acotar(ventana.top(), zona.top(), zona.bottom() + 1 - dialogo.height());
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
    return {x, y};
}
