#pragma once

#include <QAbstractButton>
#include <QPixmap>

class QSvgRenderer;

// A button that is only a picture: an SVG drawn at the screen's pixel ratio, or a pixmap the
// program loaded. It takes the focus with Tab and clicks with Space or Enter; the focus and the
// hovering pointer draw a soft frame, since the picture alone shows neither.
class BotonImagen : public QAbstractButton
{
    Q_OBJECT

public:
    BotonImagen(const QString &recursoSvg, QSize tamano, QWidget *padre = nullptr);

    void PonerSvg(const QString &recurso);
    // A loaded picture, drawn scaled into the button; a null pixmap leaves the button empty.
    void PonerImagen(const QPixmap &imagen);
    bool Vacio() const;

    QSize sizeHint() const override { return tamano_; }

protected:
    void paintEvent(QPaintEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

    void DibujarMarco(QPainter &pintor) const;
    QSvgRenderer *dibujo_;
    QPixmap imagen_;
    QSize tamano_;
};

// A check box drawn with two pictures, ticked and empty; the caption lies beside it as a label of
// its own, so its text is given as the accessible name.
class CasillaImagen : public BotonImagen
{
    Q_OBJECT

public:
    CasillaImagen(const QString &svgMarcado, const QString &svgVacio, QSize tamano, QWidget *padre = nullptr);

private:
    void ActualizarDibujo(bool marcado);

    QString svgMarcado_;
    QString svgVacio_;
};
