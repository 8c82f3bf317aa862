#pragma once

#include <QAbstractButton>
#include <QPixmap>

class QSvgRenderer;

// Enter and Return press a button as Space does. True when the key was one of them (taken).
bool PulsarConIntro(QAbstractButton *boton, QKeyEvent *evento);

// A button that is a picture: drawn from SVG, crisp at any scale, or a pixmap the program loaded.
// It takes the focus with Tab and is pressed with the mouse, Space or Enter; a disabled button is
// drawn faded, and an empty one shows a dashed frame where its picture would go. A small mark in
// its corner can call attention to what lies behind it.
class BotonImagen : public QAbstractButton
{
    Q_OBJECT

public:
    BotonImagen(const QString &recurso, QSize tamano, QWidget *padre = nullptr);

    void PonerSvg(const QString &recurso);
    // A loaded picture, drawn scaled into the button; a null pixmap leaves the button empty.
    void PonerImagen(const QPixmap &imagen);
    bool Vacio() const;

    void PonerSenal(bool senal);
    bool Senal() const { return senal_; }
    // The focus ring must stand out from the window behind the button.
    void PonerColorFoco(const QColor &color);

    QSize sizeHint() const override { return tamano_; }

protected:
    void paintEvent(QPaintEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    QSvgRenderer *dibujo_;
    QPixmap imagen_;
    QSize tamano_;
    QColor colorFoco_;
    bool senal_ = false;
};

// A check box drawn with two pictures, ticked and empty. Its caption lies beside it as a label of
// its own, so the caption's text is given as the accessible name.
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
