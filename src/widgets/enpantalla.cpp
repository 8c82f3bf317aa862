#include "enpantalla.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QPoint PosicionEnPantalla(const QRect &ventana, const QRect &zona)
{
    const int x = std::max(zona.left(), std::min(ventana.left(), zona.right() + 1 - ventana.width()));
    const int y = std::max(zona.top(), std::min(ventana.top(), zona.bottom() + 1 - ventana.height()));
    return {x, y};
}

void LlevarAPantalla(QWidget *ventana)
{
    const QRect marco = ventana->frameGeometry();
    const QScreen *elegida = nullptr;
    qint64 mayor = -1;
    for (const QScreen *pantalla : QGuiApplication::screens()) {
        const QRect comun = pantalla->availableGeometry().intersected(marco);
        const qint64 area = comun.isEmpty() ? 0 : qint64(comun.width()) * comun.height();
        if (area > mayor) {
            mayor = area;
            elegida = pantalla;
        }
    }
    if (mayor <= 0)
        elegida = QGuiApplication::primaryScreen();
    if (!elegida)
        return;
    const QPoint destino = PosicionEnPantalla(marco, elegida->availableGeometry());
    ventana->move(ventana->pos() + (destino - marco.topLeft()));
}
