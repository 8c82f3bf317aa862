#include "pantallas.h"

#include <algorithm>
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
