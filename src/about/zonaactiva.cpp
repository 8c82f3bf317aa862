#include "zonaactiva.h"

#include <QMouseEvent>

ZonaActiva::ZonaActiva(QWidget *padre) : QWidget(padre)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ZonaActiva::mouseMoveEvent(QMouseEvent *evento)
{
    evento->accept();
    emit sobrevolada();
}

void ZonaActiva::mousePressEvent(QMouseEvent *evento)
{
    evento->accept();
}

void ZonaActiva::mouseReleaseEvent(QMouseEvent *evento)
{
    evento->accept();
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        emit pulsada();
}
