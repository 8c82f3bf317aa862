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

QPixmap PixmapDesdeSvg(const QString &recurso, QSize tamano, qreal escala)
{
    QPixmap imagen(tamano * escala);
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::transparent);
    QSvgRenderer dibujo(recurso);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    dibujo.render(&pintor, QRectF(QPointF(0, 0), tamano));
    return imagen;
}

QCursor CursorDesdeSvg(const QString &recurso, QPoint puntoActivo, QWidget *ventana)
{
    if (!QSvgRenderer(recurso).isValid())
        return QCursor(Qt::PointingHandCursor);
    const qreal escala = ventana ? ventana->devicePixelRatioF() : 1.0;
    return QCursor(PixmapDesdeSvg(recurso, QSize(32, 32), escala), puntoActivo.x(), puntoActivo.y());
}
