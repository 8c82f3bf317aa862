#pragma once

#include <QAbstractButton>

class QSvgRenderer;

// A button that is a picture drawn from SVG, crisp at any scale. It takes the focus with Tab and
// is pressed with the mouse, Space or Enter; a disabled button is drawn faded. A small mark in its
// corner can call attention to what lies behind it.
class BotonImagen : public QAbstractButton
{
    Q_OBJECT

public:
    BotonImagen(const QString &recurso, QSize tamano, QWidget *padre = nullptr);

    void PonerSenal(bool senal);
    bool Senal() const { return senal_; }

    QSize sizeHint() const override { return tamano_; }

protected:
    void paintEvent(QPaintEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    QSvgRenderer *dibujo_;
    QSize tamano_;
    bool senal_ = false;
};
