#pragma once

#include <QColor>

#include <utility>

class QPaintEvent;
class QWidget;

// A focus ring in the window's own colours, drawn over a control that has the keyboard focus (the
// style's own mark is faint on coloured windows). Called at the end of the control's paintEvent.
void DibujarFoco(QWidget *control, const QColor &color);

// A control of class Base that draws that ring: ConFoco<QComboBox>(color, padre).
template <class Base> class ConFoco : public Base
{
public:
    template <class... Argumentos>
    explicit ConFoco(const QColor &color, Argumentos &&...argumentos)
        : Base(std::forward<Argumentos>(argumentos)...), color_(color)
    {
    }

protected:
    void paintEvent(QPaintEvent *evento) override
    {
        Base::paintEvent(evento);
        DibujarFoco(this, color_);
    }

private:
    QColor color_;
};
