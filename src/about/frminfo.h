#pragma once

#include "arrastre.h"

#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <array>

class Carpetas;
class ImagenSvg;
class ModGral;
class QCheckBox;
class QLabel;
class QScreen;
class QSvgRenderer;
class ZonaActiva;

// The about window: a shaped picture window with the version, three picture buttons and the
// choice to open it at every start.
class FrmInfo : public QWidget
{
    Q_OBJECT

public:
    // `principal` is the main window, which the continue button shows.
    FrmInfo(ModGral &gral, QWidget *principal);

    // Shows the window modeless; a second call only brings it to the front.
    void Mostrar();

    // The buttons of the hot zones: 0 continue, 2 the home page, 3 the help.
    void ImgSel_Click(int indice);

    QCheckBox *Casilla() const { return ChkInicio_; }
    ZonaActiva *Zona(int indice) const { return ImgSel_[indice]; }
    ImagenSvg *Resalte(int indice) const { return ImgMenu_[indice]; }
    QLabel *Version() const { return LblInfo_[1]; }
    const QRegion &Region() const { return RgnForma_; }

protected:
    void changeEvent(QEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;

private:
    static QString Consejo(int indice);
    // The screen of the count, else the one of the designed place.
    QScreen *Pantalla() const;
    // The designed place, kept on that screen; where it would cover the count, beside the count
    // if there is room.
    QPoint Lugar() const;
    void Resaltar(int indice);
    void GuardarMostrarInfo();

    ModGral &gral_;
    QPointer<QWidget> principal_;
    QSvgRenderer *fondo_;
    QRegion RgnForma_;
    QCheckBox *ChkInicio_;
    std::array<ZonaActiva *, 4> ImgSel_{};
    std::array<ImagenSvg *, 4> ImgMenu_{};
    std::array<QLabel *, 2> LblInfo_{};
    ArrastreVentana arrastre_{this};
};

// The start-up flag, kept in a small profile file of its own in the settings folder: whether the
// about window opens at start-up. Only "Si", or no value at all, means yes.
QString ArchivoMostrarInfo(const Carpetas &carpetas);
bool LeerMostrarInfo(const Carpetas &carpetas);
