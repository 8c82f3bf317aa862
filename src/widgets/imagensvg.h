#pragma once

#include <QWidget>

class QSvgRenderer;

// A picture drawn from SVG at the screen's pixel ratio, with a pointer of its own. Any mouse
// button pressed on it emits pulsado.
class ImagenSvg : public QWidget
{
    Q_OBJECT

public:
    ImagenSvg(const QString &recurso, QSize tamano, QWidget *padre = nullptr);

    void PonerCursorSvg(const QString &recurso, QPoint puntoActivo);
    QSize sizeHint() const override { return tamano_; }

signals:
    void pulsado(QPoint posicionGlobal);

protected:
    void paintEvent(QPaintEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;

private:
    QSvgRenderer *dibujo_;
    QSize tamano_;
};

// An SVG drawn into a pixmap of the given logical size at the given pixel ratio; transparent
// where the drawing is empty (and all over when the resource is no SVG).
QPixmap PixmapDesdeSvg(const QString &recurso, QSize tamano, qreal escala);

// A cursor drawn from an SVG, crisp at the screen's pixel ratio.
QCursor CursorDesdeSvg(const QString &recurso, QPoint puntoActivo, QWidget *ventana);
