#include "enpantalla.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// One side: inside the area where it fits, else the chosen edge of the window on the area's edge.
int Coordenada(int inicio, int largo, int zonaInicio, int zonaLargo, bool alFinal)
{
    if (largo > zonaLargo)
        return alFinal ? zonaInicio + zonaLargo - largo : zonaInicio;
    return std::clamp(inicio, zonaInicio, zonaInicio + zonaLargo - largo);
}

} // namespace

QPoint PosicionEnPantalla(const QRect &ventana, const QRect &zona, Qt::Alignment sobrante)
{
    return {Coordenada(ventana.left(), ventana.width(), zona.left(), zona.width(),
                       sobrante.testFlag(Qt::AlignRight)),
            Coordenada(ventana.top(), ventana.height(), zona.top(), zona.height(),
                       sobrante.testFlag(Qt::AlignBottom))};
}

void LlevarAPantalla(QWidget *ventana, Qt::Alignment sobrante)
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
    const QPoint destino = PosicionEnPantalla(marco, elegida->availableGeometry(), sobrante);
    ventana->move(ventana->pos() + (destino - marco.topLeft()));
}
