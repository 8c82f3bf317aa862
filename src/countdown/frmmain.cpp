#include "frmmain.h"

#include "alfrente.h"
#include "colorbgr.h"
#include "frminfo.h"
#include "frmmsg.h"
#include "frmopc.h"
#include "imagensvg.h"
#include "lectorajustes.h"
#include "menuprincipal.h"
#include "modgral.h"
#include "pantallas.h"
#include "plataforma.h"
#include "reloj.h"
#include "unidades.h"
#include "valores.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int kLadoMenuTwips = 240; // the 16 x 16 menu picture
// The goodbye sound is short; a longer one, or a device that never drains, must not keep the
// program alive.
constexpr int kEsperaDespedidaMs = 3000;
constexpr int kSondeoDespedidaMs = 50;
// Level 0 is an invisible window that can no longer be clicked, so nothing could undo it.
constexpr int kNivelMinimo = 1;
constexpr int kNivelMaximo = 10;
// Room left between the count and the options dialog, and what the window manager's frame is
// taken to add around the dialog (its size is known only once it is on screen).
constexpr int kSeparacionDialogo = 8;
const QMargins kMarcoSupuesto(8, 40, 8, 8);

// Notice codes: which actions a code runs. Any code outside 1..7 runs nothing.
struct AccionesAviso
{
    bool mensaje = false;
    bool sonido = false;
    bool archivo = false;
};

AccionesAviso AccionesDeCodigo(qint16 codigo)
{
    switch (codigo) {
    case 1:
        return {true, false, false};
    case 2:
        return {false, true, false};
    case 3:
        return {false, false, true};
    case 4:
        return {true, true, false};
    case 5:
        return {true, false, true};
    case 6:
        return {false, true, true};
    case 7:
        return {true, true, true};
    default:
        return {};
    }
}

// The count: a label that takes the keyboard focus (the menu keys open the menu from it) without
// the text control a focused QLabel builds for itself, which costs memory, and which would take
// the mouse moves of a drag that starts on the number.
class EtiquetaCuenta : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void focusInEvent(QFocusEvent *evento) override { QWidget::focusInEvent(evento); }
    void focusOutEvent(QFocusEvent *evento) override { QWidget::focusOutEvent(evento); }
};

QFont FuenteDeDiseno()
{
    QFont fuente(QStringLiteral("MS Sans Serif"));
    fuente.setPointSizeF(24);
    fuente.setBold(true);
    return fuente;
}

} // namespace

FrmMain::FrmMain(ModGral &gral)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool), gral_(gral), LblDias_(new EtiquetaCuenta(this)),
      ImgMenu_(new ImagenSvg(QStringLiteral(":/countdown/menu.svg"), QSize(16, 16), this)),
      TmrGetDay_(new QTimer(this)), TmrDespedida_(new QTimer(this)), mnuMenu_(new MenuPrincipal(this))
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Dexo"));
    setAutoFillBackground(true);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, Qt::white);
    setPalette(fondo);

    LblDias_->setObjectName(QStringLiteral("LblDias"));
    LblDias_->setTextFormat(Qt::PlainText);
    LblDias_->setFont(FuenteDeDiseno());
    QPalette texto = LblDias_->palette();
    texto.setColor(QPalette::WindowText, Qt::black);
    LblDias_->setPalette(texto);
    // The count takes the focus, so that a keyboard user can open the menu from it; it has no text
    // to select or link to follow.
    LblDias_->setFocusPolicy(Qt::StrongFocus);
    LblDias_->setTextInteractionFlags(Qt::NoTextInteraction);

    ImgMenu_->setObjectName(QStringLiteral("ImgMenu"));
    ImgMenu_->setToolTip(QStringLiteral("Mostrar opciones..."));
    ImgMenu_->PonerCursorSvg(QStringLiteral(":/countdown/cursor_menu.svg"), QPoint(11, 2));
    connect(ImgMenu_, &ImagenSvg::pulsado, this, &FrmMain::AbrirMenu);

    TmrGetDay_->setObjectName(QStringLiteral("TmrGetDay"));
    TmrGetDay_->setInterval(1000);
    connect(TmrGetDay_, &QTimer::timeout, this, &FrmMain::TmrGetDay_Timer);
    TmrGetDay_->start();

    TmrDespedida_->setObjectName(QStringLiteral("TmrDespedida"));
    TmrDespedida_->setInterval(kSondeoDespedidaMs);
    connect(TmrDespedida_, &QTimer::timeout, this, &FrmMain::TmrDespedida_Timer);

    ConectarMenu();
    mnuMenu_->PonerTextosPropios(gral_.EsPrimera());
    TextoCerrarCuenta();
}

FrmMain::~FrmMain()
{
    delete frmMsg_;
    delete frmInfo_;
}

FrmMsg *FrmMain::VentanaMensaje() const
{
    return frmMsg_;
}

FrmInfo *FrmMain::VentanaInfo() const
{
    return frmInfo_;
}

void FrmMain::ConectarMenu()
{
    connect(mnuMenu_->mnuOpciones, &QAction::triggered, this, &FrmMain::mnuOpciones_Click);
    // Qt ticks a checkable item before it reports the choice; the two switches invert the tick
    // themselves, so Qt's tick is undone first.
    connect(mnuMenu_->mnuVisible, &QAction::triggered, this, [this] {
        mnuMenu_->mnuVisible->toggle();
        mnuVisible_Click();
    });
    connect(mnuMenu_->mnuInicio, &QAction::triggered, this, [this] {
        mnuMenu_->mnuInicio->toggle();
        mnuInicio_Click();
    });
    connect(mnuMenu_->mnuEvento, &QAction::triggered, this, &FrmMain::mnuEvento_Click);
    connect(mnuMenu_->mnuweb[0], &QAction::triggered, this, [this] { mnuweb_Click(0); });
    connect(mnuMenu_->mnuweb[1], &QAction::triggered, this, [this] { mnuweb_Click(1); });
    connect(mnuMenu_->mnuAyuda, &QAction::triggered, this, &FrmMain::mnuAyuda_Click);
    connect(mnuMenu_->mnuInfo, &QAction::triggered, this, &FrmMain::mnuInfo_Click);
    connect(mnuMenu_->mnuCerrar, &QAction::triggered, this, &FrmMain::mnuCerrar_Click);
    connect(mnuMenu_->mnuNueva, &QAction::triggered, this, &FrmMain::mnuNueva_Click);
    connect(mnuMenu_->mnuQuitar, &QAction::triggered, this, &FrmMain::mnuQuitar_Click);
    ConectarMenuIdioma();
}

void FrmMain::Iniciar()
{
    LblDias_->setText(TextoDias(0));
    gral_.Recargar = false;
    fechaHoy_ = gral_.reloj.Hoy();
    AplicarOpciones();
}

void FrmMain::AplicarOpciones()
{
    const AjustesLeidos ajustes = gral_.LeerAjustes();
    move(TwipsAPixeles(ajustes.izda), TwipsAPixeles(ajustes.sup));

    gral_.NombreIdioma = ajustes.idioma;

    // A level outside 0..10 (or no number) leaves the window as it is: opaque at start.
    if (ajustes.nivelTransp && *ajustes.nivelTransp >= 0 && *ajustes.nivelTransp <= kNivelMaximo) {
        const int nivel = std::max<int>(*ajustes.nivelTransp, kNivelMinimo);
        gral_.AplicarTransparencia(this, static_cast<qint16>(Valores::OpacidadDesdeNivel(nivel)));
    }

    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, ColorDesdeBgr(ajustes.fondo));
    setPalette(paleta);

    // The switch inverts the tick, so it starts from the opposite of the wanted state.
    mnuMenu_->mnuVisible->setChecked(ajustes.sVisible == QString::fromUtf16(Ajustes::No));
    mnuVisible_Click();

    mnuMenu_->mnuInicio->setChecked(ajustes.inicio != QString::fromUtf16(Ajustes::No));

    gral_.FechaEvento = ajustes.fecha;
    gral_.Anual = ajustes.anual;
    AplicarFecha();

    gral_.TipoAviso = ajustes.aviso;
    gral_.ArchivoSonido = ajustes.sonido;
    gral_.ArchivoAbrir = ajustes.archivo;
    gral_.IconoAviso = ajustes.icono;

    AplicarFuente(ajustes);
    AplicarIdioma();
    ActualizarDias();
    gral_.Recargar = false;

    // Only now is the size known: bring a window that lies on no screen back onto one.
    QList<QRect> pantallas;
    for (const QScreen *pantalla : QGuiApplication::screens())
        pantallas.append(pantalla->availableGeometry());
    move(PosicionVisible(QRect(pos(), size()), pantallas));
    arrastradaPorElUsuario_ = false;
    emit ajustesDelProgramaCambiados();
}

void FrmMain::AplicarFecha()
{
    const std::optional<QDate> fecha = gral_.FechaElegida(fechaHoy_);
    if (!fecha) {
        // "Ninguna", and any text that is no date, means no date is chosen.
        mnuMenu_->mnuFecha->setText(QStringLiteral(".: --- --- --- :."));
        mnuMenu_->mnuEvento->setEnabled(false);
        return;
    }
    const QString largo = QLocale().toString(*fecha, QLocale::LongFormat);
    // A yearly date shows the day it comes back on; any other, the text as stored.
    const QString corto = gral_.Anual ? Valores::TextoFecha(*fecha) : gral_.FechaEvento;
    mnuMenu_->mnuFecha->setText(TextoLiteralMenu(QStringLiteral(".: ") + largo.left(3) +
                                                 QStringLiteral(" :: ") + corto + QStringLiteral(" :.")));
    mnuMenu_->mnuEvento->setEnabled(true);
}

void FrmMain::AplicarFuente(const AjustesLeidos &ajustes)
{
    if (!ajustes.FuenteDefinida())
        return; // the label keeps the font and colour it has

    const AjustesLeidos::Fuente &leida = ajustes.fuente;
    QFont fuente(leida.nombre);
    fuente.setPointSizeF(leida.tam);
    fuente.setBold(leida.negrita);
    fuente.setItalic(leida.cursiva);
    fuente.setUnderline(leida.subrayada);
    fuente.setStrikeOut(leida.tachada);
    LblDias_->setFont(fuente);

    QPalette paleta = LblDias_->palette();
    paleta.setColor(QPalette::WindowText, ColorDesdeBgr(leida.color));
    LblDias_->setPalette(paleta);
}

void FrmMain::ActualizarDias()
{
    // Blank and repaint first, so no trace of the old number stays behind the new one.
    LblDias_->clear();
    if (isVisible())
        repaint();
    const std::optional<QDate> fecha = gral_.FechaElegida(fechaHoy_);
    LblDias_->setText(TextoCuenta(fecha, fechaHoy_));
    diasMostrados_ = fecha && *fecha >= fechaHoy_ ? fechaHoy_.daysTo(*fecha) : 0;
    DescribirCuenta();

    DisponerVentana();

    if (EsElDiaElegido())
        EjecutarAviso();
}

void FrmMain::DisponerVentana()
{
    LblDias_->adjustSize();
    const QSizeF etiqueta(PixelesATwips(LblDias_->width()), PixelesATwips(LblDias_->height()));
    disposicion_ = CalcularDisposicion(etiqueta, QSizeF(kLadoMenuTwips, kLadoMenuTwips));
    setFixedSize(TwipsAPixeles(disposicion_.ancho), TwipsAPixeles(disposicion_.alto));
    LblDias_->move(0, TwipsAPixeles(disposicion_.etiquetaArriba));
    ImgMenu_->move(TwipsAPixeles(disposicion_.menuIzquierda), TwipsAPixeles(disposicion_.menuArriba));
}

bool FrmMain::EsElDiaElegido() const
{
    const std::optional<QDate> fecha = gral_.FechaElegida(fechaHoy_);
    return fecha && *fecha == fechaHoy_;
}

void FrmMain::EjecutarAviso()
{
    const AccionesAviso acciones = AccionesDeCodigo(gral_.TipoAviso);
    const QString ninguno = QString::fromUtf16(Ajustes::Ninguno);
    if (acciones.sonido && gral_.ArchivoSonido != ninguno)
        gral_.ReproducirSonido(gral_.ArchivoSonido);
    if (acciones.archivo && gral_.ArchivoAbrir != ninguno)
        gral_.plataforma.AbrirArchivo(gral_.ArchivoAbrir);
    if (acciones.mensaje)
        mnuEvento_Click();
}

void FrmMain::TmrGetDay_Timer()
{
    const QDate hoy = gral_.reloj.Hoy();
    if (hoy == fechaHoy_)
        return;
    fechaHoy_ = hoy;
    AplicarFecha(); // a yearly date that has just passed moves on a year
    ActualizarDias();
    emit diaCambiado(hoy);
}

// A screen reader reads the count in words, not as a row of digits and a separator.
void FrmMain::DescribirCuenta()
{
    LblDias_->setAccessibleDescription(diasMostrados_ == 1 ? tr("1 día") : tr("%1 días").arg(diasMostrados_));
}

bool FrmMain::event(QEvent *evento)
{
    if (evento->type() == QEvent::WindowActivate && gral_.Recargar)
        AplicarOpciones();
    // The words follow a change of language at once, not at the next count.
    if (evento->type() == QEvent::LanguageChange) {
        DescribirCuenta();
        TextoCerrarCuenta();
    }
    return QWidget::event(evento);
}

void FrmMain::mnuOpciones_Click()
{
    CerrarMensaje();
    MostrarOpciones();
    // A window manager that does not activate the window again must not lose the re-read.
    if (gral_.Recargar)
        AplicarOpciones();
}

void FrmMain::MostrarOpciones()
{
    FrmOpc dialogo(gral_, this);
    connect(this, &FrmMain::diaCambiado, &dialogo, &FrmOpc::CambiarHoy);
    // Beside the count, never over it: the transparency bars, the colour and the font act on the
    // count, and the user must see them do it.
    if (const QScreen *pantalla = screen()) {
        const QRect marco = QRect(QPoint(0, 0), dialogo.size()).marginsAdded(kMarcoSupuesto);
        const QRect cuenta(gral_.plataforma.LugarVentana(*this), frameGeometry().size());
        dialogo.move(PosicionJunto(cuenta, marco.size(), pantalla->availableGeometry(), kSeparacionDialogo));
    }
    dialogo.exec();
}

void FrmMain::CerrarMensaje()
{
    if (frmMsg_ && frmMsg_->isVisible())
        frmMsg_->Descargar();
}

void FrmMain::mnuVisible_Click()
{
    QAction *visible = mnuMenu_->mnuVisible;
    visible->setChecked(!visible->isChecked());
    const bool encima = visible->isChecked();
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != encima) {
        Qt::WindowFlags banderas = windowFlags();
        banderas.setFlag(Qt::WindowStaysOnTopHint, encima);
        if (QWindow *nativa = windowHandle()) {
            // On the existing native window: QWidget::setWindowFlags would destroy and recreate
            // it, and the window would flicker.
            overrideWindowFlags(banderas);
            nativa->setFlags(banderas);
        } else {
            setWindowFlags(banderas); // no native window yet: nothing to recreate
        }
    }
    gral_.GuardarAjuste(Ajustes::SVisible, QString::fromUtf16(encima ? Ajustes::Si : Ajustes::No), this);
}

void FrmMain::mnuInicio_Click()
{
    QAction *inicio = mnuMenu_->mnuInicio;
    inicio->setChecked(!inicio->isChecked());
    const bool activar = inicio->isChecked();
    gral_.InicioSistema.Aplicar(activar, gral_.RutaPrograma, this);
    gral_.GuardarAjuste(Ajustes::Inicio, QString::fromUtf16(activar ? Ajustes::Si : Ajustes::No), this);
    emit ajustesDelProgramaCambiados();
}

void FrmMain::mnuEvento_Click()
{
    if (frmMsg_ && frmMsg_->isVisible())
        return;
    if (!frmMsg_)
        frmMsg_ = new FrmMsg(gral_);
    frmMsg_->Abrir();
}

void FrmMain::mnuweb_Click(int indice)
{
    gral_.AbrirWeb(indice);
}

void FrmMain::mnuAyuda_Click()
{
    gral_.AbrirAyuda();
}

void FrmMain::mnuInfo_Click()
{
    if (!frmInfo_)
        frmInfo_ = new FrmInfo(gral_, this);
    frmInfo_->Mostrar();
}

void FrmMain::mnuCerrar_Click()
{
    close();
}

void FrmMain::mnuNueva_Click()
{
    emit nuevaCuentaPedida();
}

void FrmMain::mnuQuitar_Click()
{
    if (gral_.EsPrimera())
        return; // the first countdown is the program's own
    if (!gral_.plataforma.Preguntar(this, QStringLiteral("Dexo"),
                                    tr("¿Quitar esta cuenta atrás? Su ventana se cierra y sus ajustes se "
                                       "borran; no volverá a abrirse.")))
        return;
    QFile archivo(gral_.ArchivoIni);
    if (archivo.exists() && !archivo.remove()) {
        gral_.plataforma.Avisar(this, QStringLiteral("Dexo"),
                                tr("No se pudo borrar\n%1\n\n%2")
                                    .arg(QDir::toNativeSeparators(gral_.ArchivoIni), archivo.errorString()));
        return;
    }
    quitada_ = true;
    close();
}

void FrmMain::AplicarAjustesDelPrograma(const QString &idioma, bool inicio)
{
    mnuMenu_->mnuInicio->setChecked(inicio);
    if (idioma == gral_.NombreIdioma)
        return;
    gral_.NombreIdioma = idioma;
    AplicarIdioma();
}

void FrmMain::AbrirMenu(QPoint donde)
{
    mnuMenu_->exec(donde);
}

void FrmMain::mousePressEvent(QMouseEvent *evento)
{
    // The right button opens the menu, through the context menu event that follows the press;
    // any other button, on the number or the background, drags the window.
    if (evento->button() == Qt::RightButton) {
        evento->ignore();
        return;
    }
    lugarAlPulsar_ = pos();
    arrastre_.Pulsar(evento);
}

void FrmMain::contextMenuEvent(QContextMenuEvent *evento)
{
    evento->accept();
    // The menu picture opens the menu on its own press; the keys are taken in keyPressEvent, since
    // not every platform turns them into this event (and some turn them into both).
    if (evento->reason() != QContextMenuEvent::Mouse || childAt(evento->pos()) == ImgMenu_)
        return;
    AbrirMenu(evento->globalPos());
}

void FrmMain::keyPressEvent(QKeyEvent *evento)
{
    const bool menu = evento->key() == Qt::Key_Menu ||
                      (evento->key() == Qt::Key_F10 && evento->modifiers() == Qt::ShiftModifier);
    if (!menu) {
        QWidget::keyPressEvent(evento);
        return;
    }
    evento->accept();
    AbrirMenu(LblDias_->mapToGlobal(QPoint(0, LblDias_->height())));
}

void FrmMain::SegundoInicio()
{
    if (cerrado_)
        return; // closing: nothing to bring forward
    TraerAlFrente(this);
}

void FrmMain::mouseMoveEvent(QMouseEvent *evento)
{
    arrastre_.Mover(evento);
}

void FrmMain::mouseReleaseEvent(QMouseEvent *evento)
{
    arrastre_.Soltar(evento);
    // After the window manager's own move the release goes to it, not here: the next press
    // starts afresh instead.
    if (evento->buttons() == Qt::NoButton)
        lugarAlPulsar_.reset();
}

void FrmMain::moveEvent(QMoveEvent *evento)
{
    QWidget::moveEvent(evento);
    // A click is no drag: only a window that has really moved since the press was dragged.
    if (lugarAlPulsar_ && pos() != *lugarAlPulsar_)
        arrastradaPorElUsuario_ = true;
}

void FrmMain::Terminar()
{
    esperarDespedida_ = false;
    if (TmrDespedida_->isActive()) {
        TmrDespedida_->stop();
        emit programaTerminado();
        return;
    }
    close();
}

void FrmMain::closeEvent(QCloseEvent *evento)
{
    evento->accept();
    if (cerrado_)
        return;
    cerrado_ = true;
    TmrGetDay_->stop();
    emit cerrandose();
    // Closing may come from a signal or the end of the session: no message box may hold it up.
    gral_.SilenciarAvisosDeEscritura();
    if (!quitada_ && LugarConocido()) {
        const QPoint lugar = gral_.plataforma.LugarVentana(*this);
        gral_.GuardarAjuste(Ajustes::Izda, QString::number(PixelesATwips(lugar.x())), this);
        gral_.GuardarAjuste(Ajustes::Sup, QString::number(PixelesATwips(lugar.y())), this);
    }
    // Every window goes at once; only the goodbye sound may stay a moment.
    hide();
    if (frmMsg_)
        frmMsg_->close();
    if (frmInfo_)
        frmInfo_->close();
    if (quitada_ || !EsElDiaElegido()) {
        emit programaTerminado();
        return;
    }
    gral_.ReproducirSonido(gral_.RutaPrograma + QStringLiteral("end.wav"));
    // The sound ends with the program, so a close the user asked for lets it play out; a further
    // countdown's close leaves the program, and the sound, running.
    if (esperarDespedida_ && gral_.EsPrimera() && gral_.plataforma.SonidoEnCurso()) {
        plazoDespedida_.setRemainingTime(kEsperaDespedidaMs);
        TmrDespedida_->start();
        return;
    }
    emit programaTerminado();
}

bool FrmMain::LugarConocido() const
{
    // Only a place that is known is written: an X server and Windows tell every move, by the user
    // or the window manager; under Xwayland the compositor places the window without telling it,
    // so only a place the user dragged to is sure; a native Wayland client is never told at all.
    switch (gral_.plataforma.LugarDeVentanas()) {
    case Plataforma::LugarVentanas::Conocido:
        return true;
    case Plataforma::LugarVentanas::SoloArrastre:
        return arrastradaPorElUsuario_;
    case Plataforma::LugarVentanas::Desconocido:
        break;
    }
    return false;
}

void FrmMain::TmrDespedida_Timer()
{
    if (gral_.plataforma.SonidoEnCurso() && !plazoDespedida_.hasExpired())
        return;
    TmrDespedida_->stop();
    emit programaTerminado();
}
