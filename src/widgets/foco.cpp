#include "foco.h"

#include <QPainter>
#include <QWidget>

void DibujarFoco(QWidget *control, const QColor &color)
{
    if (!control->hasFocus())
        return;
    QPainter pintor(control);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(color, 2));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRoundedRect(QRectF(control->rect()).adjusted(1, 1, -1, -1), 3, 3);
}
