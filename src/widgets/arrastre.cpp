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
    desde_ = evento->globalPosition().toPoint() - ventana_->pos();
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
