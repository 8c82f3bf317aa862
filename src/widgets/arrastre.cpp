#include "arrastre.h"

#include "movimiento_sistema.h"

#include <QMouseEvent>
#include <QWidget>

void ArrastreVentana::Pulsar(QMouseEvent *evento)
{
    evento->accept();
    desde_.reset();
    if (MoverConElSistema(ventana_->windowHandle(), evento->button()))
        return;
    // Where the pointer is within the window (the press reaches the window's own handler), from
    // the press itself: Qt's idea of the window's place on the screen may still be stale then.
    desde_ = evento->position().toPoint();
}

bool ArrastreVentana::Mover(QMouseEvent *evento)
{
    if (!desde_ || evento->buttons() == Qt::NoButton)
        return false;
    evento->accept();
    ventana_->move(evento->globalPosition().toPoint() - *desde_);
    return true;
}

void ArrastreVentana::Soltar(QMouseEvent *evento)
{
    evento->accept();
    if (evento->buttons() == Qt::NoButton)
        desde_.reset();
}
