#include "imagensvg.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

ImagenSvg::ImagenSvg(const QString &recurso, QSize tamano, QWidget *padre)
    : QWidget(padre), dibujo_(new QSvgRenderer(recurso, this)), tamano_(tamano)
{
    setFixedSize(tamano);
}

void ImagenSvg::PonerCursorSvg(const QString &recurso, QPoint puntoActivo)
{
    setCursor(CursorDesdeSvg(recurso, puntoActivo, this));
}

void ImagenSvg::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    dibujo_->render(&pintor, QRectF(QPointF(0, 0), tamano_));
}

void ImagenSvg::mousePressEvent(QMouseEvent *evento)
{
    evento->accept();
    emit pulsado(evento->globalPosition().toPoint());
}

QCursor CursorDesdeSvg(const QString &recurso, QPoint puntoActivo, QWidget *ventana)
{
    QSvgRenderer dibujo(recurso);
    if (!dibujo.isValid())
        return QCursor(Qt::PointingHandCursor);
    const qreal escala = ventana ? ventana->devicePixelRatioF() : 1.0;
    const QSize tamano(32, 32);
    QPixmap imagen(tamano * escala);
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    dibujo.render(&pintor, QRectF(QPointF(0, 0), tamano));
    pintor.end();
    return QCursor(imagen, puntoActivo.x(), puntoActivo.y());
}
