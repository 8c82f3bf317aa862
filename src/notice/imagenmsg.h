#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QSvgRenderer;

// What a picture slot of the notice window holds: a drawing from the resources, a picture read
// from a file, or nothing.
struct Dibujo
{
    QString svg;   // resource path, drawn at the slot's drawing size
    QImage imagen; // shown at its own size in pixels, never scaled to fit

    bool Vacio() const { return svg.isEmpty() && imagen.isNull(); }
    static Dibujo Svg(const QString &recurso) { return {recurso, {}}; }
};

// A picture control of the notice window. It is not stretched: it takes the size of what it shows
// (the drawing size for a resource or when empty, the picture's own size for a file). Mouse
// buttons pressed on it never reach the window beneath; a left click emits clic.
class ImagenMsg : public QWidget
{
    Q_OBJECT

public:
    ImagenMsg(QSize tamanoDibujo, QWidget *padre);

    void Mostrar(const Dibujo &dibujo);
    const Dibujo &Actual() const { return dibujo_; }

signals:
    void clic();

protected:
    void paintEvent(QPaintEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void mouseDoubleClickEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;

private:
    QSize tamanoDibujo_;
    Dibujo dibujo_;
    QSvgRenderer *svg_;
    bool pulsada_ = false;
};
