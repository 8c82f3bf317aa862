#pragma once

#include "arrastre.h"
#include "claves_idioma.h"
#include "conteo.h"

#include <QDate>
#include <QDeadlineTimer>
#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

struct AjustesLeidos;
class FrmInfo;
class FrmMsg;
class ImagenSvg;
class MenuPrincipal;
class ModGral;
class QLabel;
class QTimer;

// The countdown window: a borderless window with the days left and the menu picture beside them.
class FrmMain : public QWidget
{
    Q_OBJECT

public:
    explicit FrmMain(ModGral &gral);
    ~FrmMain() override;

    // Start-up, before the window is first shown: the label's first text, today's date and the
    // settings.
    void Iniciar();

    // Reads the whole settings file and applies it, in the order the settings depend on.
    void AplicarOpciones();
    // The count, the window's layout and, on the chosen day, the notice.
    void ActualizarDias();
    // The popup menu's texts of the current language.
    void AplicarIdioma();
    // The day watch, once a second.
    void TmrGetDay_Timer();

    // Menu commands.
    void mnuOpciones_Click();
    void mnuVisible_Click();
    void mnuInicio_Click();
    void mnuEvento_Click();
    void mnuweb_Click(int indice);
    void mnuAyuda_Click();
    void mnuInfo_Click();
    void mnuCerrar_Click();
    // Several countdowns: a new one beside this (made by whoever keeps the countdowns), and this
    // further countdown removed with its file, once the user agrees.
    void mnuNueva_Click();
    void mnuQuitar_Click();
    // Language commands: a built-in language (1 to 5); open any language file (0) or start the
    // language editor (1).
    void mnuIdioma_Click(int n);
    void mnuTradel_Click(int indice);

    // Another countdown's window changed the language or start with the system: this one follows.
    void AplicarAjustesDelPrograma(const QString &idioma, bool inicio);

    ModGral &Gral() const { return gral_; }

    // The program was started again while it runs: the count comes forward, with the dialog or
    // box that is open over it.
    void SegundoInicio();

    // The close sequence for a signal or the end of the session: like any close, but without
    // waiting for the goodbye sound; during that wait it ends the program at once.
    void Terminar();

    QDate FechaHoy() const { return fechaHoy_; }
    MenuPrincipal *Menu() const { return mnuMenu_; }
    QLabel *Etiqueta() const { return LblDias_; }
    ImagenSvg *ImagenMenu() const { return ImgMenu_; }
    QTimer *Temporizador() const { return TmrGetDay_; }
    // Polls the goodbye sound after a close, until it ends or its time is up.
    QTimer *TemporizadorDespedida() const { return TmrDespedida_; }
    FrmMsg *VentanaMensaje() const;
    FrmInfo *VentanaInfo() const;
    // The last layout, in twips.
    const Disposicion &DisposicionActual() const { return disposicion_; }

signals:
    // The close sequence has run; the program may end.
    void programaTerminado();
    // The day watch has seen a new day.
    void diaCambiado(QDate hoy);
    // The close sequence begins (the window is going).
    void cerrandose();
    // The user asked for a new countdown from this window's menu.
    void nuevaCuentaPedida();
    // The language or start with the system changed here; every other window follows.
    void ajustesDelProgramaCambiados();

protected:
    bool event(QEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void contextMenuEvent(QContextMenuEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void moveEvent(QMoveEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void ConectarMenu();
    void ConectarMenuIdioma();
    // The control that [Menu] key k labels: its text, and the text shown for a language value.
    QString TextoMenu(int clave) const;
    void PonerTextoMenu(int clave, const QString &valor);
    // A further countdown's "Cerrar" item, in the language shown.
    void TextoCerrarCuenta();
    void AbrirIdioma();
    void AplicarFuente(const AjustesLeidos &ajustes);
    void AplicarFecha();
    void DisponerVentana();
    void DescribirCuenta();
    void EjecutarAviso();
    void TmrDespedida_Timer();
    void MostrarOpciones();
    void AbrirMenu(QPoint donde);
    void CerrarMensaje();
    bool EsElDiaElegido() const;
    // Whether the window's place is what the user chose, and so worth writing at close.
    bool LugarConocido() const;

    ModGral &gral_;
    QLabel *LblDias_;
    ImagenSvg *ImgMenu_;
    QTimer *TmrGetDay_;
    QTimer *TmrDespedida_;
    QDeadlineTimer plazoDespedida_;
    MenuPrincipal *mnuMenu_;
    QPointer<FrmMsg> frmMsg_;
    QPointer<FrmInfo> frmInfo_;

    QDate fechaHoy_;
    qint64 diasMostrados_ = 0;
    Disposicion disposicion_;
    ArrastreVentana arrastre_{this};
    // Where the window was when the left button went down on it, while the button may still be
    // down; and whether the window has moved under the user's hand since the settings placed it.
    std::optional<QPoint> lugarAlPulsar_;
    bool arrastradaPorElUsuario_ = false;
    bool cerrado_ = false;
    bool quitada_ = false; // removed with its file: nothing is written at close
    bool esperarDespedida_ = true;
    // The menu's own Spanish texts, kept for the case where even Español.dxl has no texts.
    std::array<QString, Idioma::kNumClavesMenu> textosPropios_;
    bool respaldoEnCurso_ = false;
};
