#pragma once

#include <QPoint>

#include <optional>

class QMouseEvent;
class QWidget;

// Moves a borderless window with the mouse: the window manager's own move where it offers one
// that starts from the right place (Windows, Wayland), and by hand, following the pointer,
// elsewhere (X11).
class ArrastreVentana
{
public:
    explicit ArrastreVentana(QWidget *ventana) : ventana_(ventana) {}

    void Pulsar(QMouseEvent *evento);
    // True while the window is being moved by hand.
    bool Mover(QMouseEvent *evento);
    void Soltar(QMouseEvent *evento);

private:
    QWidget *ventana_;
    std::optional<QPoint> desde_;
};
