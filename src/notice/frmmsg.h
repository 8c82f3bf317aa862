#pragma once

#include "arrastre.h"
#include "imagenmsg.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <array>
#include <optional>

class ModGral;
class PerfilLeido;
class QLabel;
class QTimer;

// The notice message window: the event, the chosen date and the notice icon on a picture. It fades
// in when it opens, fades out when the user closes it, and is composed afresh from the settings
// file each time it becomes the active window.
class FrmMsg : public QWidget
{
    Q_OBJECT

public:
    // The window's client area, in twips.
    static constexpr int kAnchoTwips = 6000;
    static constexpr int kAltoTwips = 4500;
    // Slots of the icon store: 0..11 the built-in icons, 12 the user's own picture; the shown icon
    // and the close button follow them.
    static constexpr int kIconoPropio = 12;
    static constexpr int kIconoAviso = 13;
    static constexpr int kIconoCerrar = 14;

    explicit FrmMsg(ModGral &gral);

    // Loads the window, shows it modeless and starts a fresh fade-in from level 0 (the caller
    // checks that it is not visible).
    void Abrir();
    // Unloads the window at once, without fading.
    void Descargar();

    // One step of the fade: in by 5, out by 10 and the unload when it is done.
    void TmrTrans_Timer();
    // The close request: the fade-out starts on the next tick, from nearly opaque.
    void PedirCierre();
    // Fills the date, the event text and the icon from the current settings.
    void Componer();

    qint16 NivelTrans() const { return nivelTrans_; }
    bool Cerrando() const { return cerrando_; }
    // The labels 0..3: event, its shadow, date, its shadow.
    QLabel *LblMsg(int indice) const;
    // The shown icon (13) and the close button (14); nullptr for any other index.
    ImagenMsg *ImgIcono(int indice) const;
    QTimer *TmrTrans() const { return TmrTrans_; }

protected:
    bool event(QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void mouseDoubleClickEvent(QMouseEvent *evento) override;

private:
    void Cargar();
    void CentrarEnPantalla();
    void ComponerFecha();
    void ComponerEvento(const PerfilLeido &ajustes);
    void ComponerIcono(const PerfilLeido &ajustes);
    // The event's lines, the window widened as far as they need.
    QStringList AjustarEvento(const QString &evento);
    void CambiarAncho(int ancho);
    Dibujo DibujoDeIcono(int numero) const;
    void AjustarAEscala();

    ModGral &gral_;
    // Created from the bottom of the stack to the top.
    std::array<QLabel *, 4> LblMsg_{};
    ImagenMsg *ImgIcono13_ = nullptr;
    ImagenMsg *ImgIcono14_ = nullptr;
    QTimer *TmrTrans_;

    qint16 nivelTrans_ = 0;
    bool cerrando_ = false;
    Dibujo propio_; // slot 12
    QPixmap fondo_;
    ArrastreVentana arrastre_{this};
    bool escalaVigilada_ = false;
};
