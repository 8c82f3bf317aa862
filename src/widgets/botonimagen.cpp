#include "botonimagen.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

const QColor kColorFoco(0x2C, 0x62, 0xC4);
const QColor kColorSenal(0xF2, 0x68, 0x2E);

} // namespace

BotonImagen::BotonImagen(const QString &recurso, QSize tamano, QWidget *padre)
    : QAbstractButton(padre), dibujo_(new QSvgRenderer(recurso, this)), tamano_(tamano)
{
    setFixedSize(tamano);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void BotonImagen::PonerSenal(bool senal)
{
    if (senal_ == senal)
        return;
    senal_ = senal;
    update();
}

void BotonImagen::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    const QRectF marco(QPointF(0, 0), QSizeF(tamano_));

    if (!isEnabled())
        pintor.setOpacity(0.3);
    // Pressed, the picture sinks a little; under the mouse it lights up.
    const QRectF lugar = isDown() ? marco.adjusted(1, 1, -1, -1) : marco;
    dibujo_->render(&pintor, lugar);
    if (isEnabled() && underMouse() && !isDown()) {
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(QColor(255, 255, 255, 60));
        pintor.drawRoundedRect(marco.adjusted(1, 1, -1, -1), 5, 5);
    }
    pintor.setOpacity(1.0);

    if (hasFocus()) {
        pintor.setPen(QPen(kColorFoco, 2, Qt::DotLine));
        pintor.setBrush(Qt::NoBrush);
        pintor.drawRoundedRect(marco.adjusted(1, 1, -1, -1), 5, 5);
    }
    if (senal_) {
        const qreal radio = std::max<qreal>(3.5, tamano_.height() / 7.0);
        pintor.setPen(QPen(Qt::white, 1.5));
        pintor.setBrush(kColorSenal);
        pintor.drawEllipse(QPointF(marco.right() - radio - 0.5, marco.top() + radio + 0.5), radio, radio);
    }
}

void BotonImagen::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        if (isEnabled())
            click();
        evento->accept();
        return;
    }
    QAbstractButton::keyPressEvent(evento);
}
