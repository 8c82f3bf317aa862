#pragma once

class QColor;
class QWidget;

// A focus ring in the window's own colours, drawn over a control that has the keyboard focus (the
// style's own mark is faint on coloured windows). Called at the end of the control's paintEvent.
void DibujarFoco(QWidget *control, const QColor &color);
