#include "imagenmsg.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

ImagenMsg::ImagenMsg(QSize tamanoDibujo, QWidget *padre)
    : QWidget(padre), tamanoDibujo_(tamanoDibujo), svg_(new QSvgRenderer(this))
{
    setFixedSize(tamanoDibujo_);
}

void ImagenMsg::Mostrar(const Dibujo &dibujo)
{
    dibujo_ = dibujo;
    if (!dibujo_.svg.isEmpty() && !svg_->load(dibujo_.svg))
        dibujo_.svg.clear();
    // A file's pixels are shown one to one, whatever ratio its name or metadata claim.
    dibujo_.imagen.setDevicePixelRatio(1.0);
    setFixedSize(dibujo_.imagen.isNull() ? tamanoDibujo_ : dibujo_.imagen.size());
    update();
}

void ImagenMsg::paintEvent(QPaintEvent *)
{
    if (dibujo_.Vacio())
        return;
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!dibujo_.imagen.isNull())
        pintor.drawImage(rect(), dibujo_.imagen);
    else
        svg_->render(&pintor, QRectF(rect())); // vectors, so crisp at any pixel ratio
}

void ImagenMsg::mousePressEvent(QMouseEvent *evento)
{
    evento->accept();
    pulsada_ = evento->button() == Qt::LeftButton;
}

void ImagenMsg::mouseReleaseEvent(QMouseEvent *evento)
{
    evento->accept();
    const bool completo =
        pulsada_ && evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint());
    pulsada_ = false;
    if (completo)
        emit clic();
}

void ImagenMsg::mouseDoubleClickEvent(QMouseEvent *evento)
{
    // The second press of a double click is no new click.
    evento->accept();
    pulsada_ = false;
}

void ImagenMsg::mouseMoveEvent(QMouseEvent *evento)
{
    evento->accept();
}
