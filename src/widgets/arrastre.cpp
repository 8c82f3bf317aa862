#include "arrastre.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void ArrastreVentana::Pulsar(QMouseEvent *evento)
{
    evento->accept();
    desde_.reset();
    QWindow *ventana = ventana_->windowHandle();
    if (ventana && ventana->startSystemMove())
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
