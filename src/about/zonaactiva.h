#pragma once

#include <QWidget>

// An invisible button over a part of a picture: it reports the mouse passing over it and a click.
class ZonaActiva : public QWidget
{
    Q_OBJECT

public:
    explicit ZonaActiva(QWidget *padre = nullptr);

signals:
    void sobrevolada();
    void pulsada();

protected:
    void mouseMoveEvent(QMouseEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
};
