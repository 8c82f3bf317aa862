#include "arrastre.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void ArrastreVentana::Pulsar(QMouseEvent *evento)
{
    evento->accept();
    desde_.reset();
    // An X11 window manager is given the move from where Qt believes the window is, which after
    // the first placement may be stale: the window would jump by its own position. On X11 the
    // window follows the pointer by hand, from the press's true screen position.
    QWindow *ventana = ventana_->windowHandle();
    if (ventana && QGuiApplication::platformName() != QLatin1String("xcb") && ventana->startSystemMove())
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
