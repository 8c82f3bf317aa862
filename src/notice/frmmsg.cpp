#include "frmmsg.h"

#include "claves.h"
#include "decorativa.h"
#include "enpantalla.h"
#include "imagensvg.h"
#include "modgral.h"
#include "reloj.h"
#include "textoentero.h"
#include "unidades.h"
#include "valores.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int kIntervaloTrans = 10; // ms
constexpr qint16 kPasoEntrada = 5;
constexpr qint16 kPasoSalida = 10;
constexpr qint16 kOpaco = 255;

// Places in twips.
constexpr QPoint kPosFecha(360, 3360);
constexpr int kSupEvento = 1725;
constexpr int kDesplSombra = 20;
constexpr QPoint kPosIcono(360, 360);
constexpr int kLadoIconoTwips = 720;
constexpr QRect kCerrarTwips(5560, 180, 240, 240);
// The event fills the width between the ends of the two lines that frame it, on one line or two;
// two lines sit centred between the framing lines. A longer event widens the window, within the
// screen, and only beyond that is its end cut with an ellipsis.
constexpr int kMargenEventoTwips = 360;
constexpr int kCentroEventoTwips = (1560 + 2100) / 2;
constexpr int kLineasEvento = 2;
// A hand-edited file may hold an event of any length; two lines never show more than this (the
// file keeps it whole). The title stays a title.
constexpr qsizetype kLargoMaximoEvento = 2000;
constexpr qsizetype kLargoMaximoTitulo = 100;

const QColor kColorFondo(0xC0, 0xC0, 0xC0);
const QColor kColorTexto(0xFF, 0xFF, 0xFF);
const QColor kColorSombra(0x40, 0x40, 0x40);

struct Linea
{
    QPoint desde; // twips
    int hastaX;   // twips; every line is level
    QColor color; // invalid: the system's window-text colour
    bool alBorde; // its end keeps its distance from the right edge of a widened window
};

const std::array<Linea, 4> &Lineas()
{
    static const std::array<Linea, 4> lineas{{
        {{360, 1560}, 5640, QColor(Qt::black), true},
        {{360, 2100}, 5640, QColor(Qt::black), true},
        {{1440, 2760}, 3000, QColor(0xFF, 0xFF, 0xC0), false},
        {{360, 3960}, 3360, QColor(), false},
    }};
    return lineas;
}

QPoint PuntoAPixeles(QPoint twips)
{
    return {TwipsAPixeles(twips.x()), TwipsAPixeles(twips.y())};
}

QFont FuenteDeDiseno()
{
    QFont fuente(QStringLiteral("MS Sans Serif"));
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPointSizeF(8.25);
    fuente.setBold(true);
    return fuente;
}

QLabel *CrearEtiqueta(QWidget *padre, int indice, const QColor &color)
{
    // The odd labels are the shadows.
    QLabel *etiqueta = indice % 2 == 1 ? new EtiquetaDecorativa(padre) : new QLabel(padre);
    etiqueta->setObjectName(QStringLiteral("LblMsg%1").arg(indice));
    // Texts come from the settings file: never read as markup.
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setFont(FuenteDeDiseno());
    QPalette colores = etiqueta->palette();
    colores.setColor(QPalette::WindowText, color);
    etiqueta->setPalette(colores);
    // Only the bare background moves or closes the window.
    etiqueta->setAttribute(Qt::WA_NoMousePropagation);
    etiqueta->setAlignment(Qt::AlignHCenter | Qt::AlignTop); // an event on two lines
    return etiqueta;
}

// Puts the text in the label and its shadow; both size themselves to it.
void PonerTexto(QLabel *etiqueta, QLabel *sombra, const QString &texto)
{
    for (QLabel *una : {etiqueta, sombra}) {
        una->setText(texto);
        una->adjustSize();
    }
}

// Places the label, and its shadow 20 twips to the right and below.
void Colocar(QLabel *etiqueta, QLabel *sombra, QPoint posicion)
{
    etiqueta->move(posicion);
    const QPoint desplazada(PixelesATwips(posicion.x()) + kDesplSombra,
                            PixelesATwips(posicion.y()) + kDesplSombra);
    sombra->move(PuntoAPixeles(desplazada));
}

// The text broken into lines no wider than `ancho` pixels: at blanks, and inside a word only where
// the word alone is wider than a line.
QStringList PartirEnLineas(const QString &texto, const QLabel *etiqueta, int ancho)
{
    QTextLayout disposicion(texto, etiqueta->font(), etiqueta);
    QTextOption opcion;
    opcion.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    disposicion.setTextOption(opcion);
    QStringList lineas;
    disposicion.beginLayout();
    for (QTextLine linea = disposicion.createLine(); linea.isValid(); linea = disposicion.createLine()) {
        linea.setLineWidth(ancho);
        QString parte = texto.mid(linea.textStart(), linea.textLength());
        while (lineas.size() + 1 < kLineasEvento && !parte.isEmpty() && parte.back().isSpace())
            parte.chop(1); // the blank at a break
        lineas << parte;
    }
    disposicion.endLayout();
    return lineas;
}

// A picture file at its own size; a null image when it is missing, unreadable or no picture.
QImage LeerImagen(const QString &ruta)
{
    // Only plain files: reading a pipe or a device could hang the window.
    if (!QFileInfo(ruta).isFile())
        return {};
    QImageReader lector(ruta);
    lector.setAutoTransform(true);
    return lector.read();
}

// What slot 12 holds until a picture of the user's own is loaded into it.
Dibujo Marcador()
{
    return Dibujo::Svg(QStringLiteral(":/iconos/aviso12.svg"));
}

} // namespace

FrmMsg::FrmMsg(ModGral &gral)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), gral_(gral), TmrTrans_(new QTimer(this)),
      propio_(Marcador())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FrmMsg"));
    setWindowIcon(QIcon(QStringLiteral(":/countdown/dexo.svg")));
    setFixedSize(TwipsAPixeles(kAnchoTwips), TwipsAPixeles(kAltoTwips));

    // Bottom of the stack first: each shadow beneath its text, the icon between them, the close
    // button above everything.
    LblMsg_[3] = CrearEtiqueta(this, 3, kColorSombra);
    LblMsg_[1] = CrearEtiqueta(this, 1, kColorSombra);
    ImgIcono13_ = new ImagenMsg(QSize(TwipsAPixeles(kLadoIconoTwips), TwipsAPixeles(kLadoIconoTwips)), this);
    ImgIcono13_->setObjectName(QStringLiteral("ImgIcono13"));
    ImgIcono13_->move(PuntoAPixeles(kPosIcono));
    LblMsg_[0] = CrearEtiqueta(this, 0, kColorTexto);
    LblMsg_[2] = CrearEtiqueta(this, 2, kColorTexto);
    ImgIcono14_ =
        new ImagenMsg(QSize(TwipsAPixeles(kCerrarTwips.width()), TwipsAPixeles(kCerrarTwips.height())), this);
    ImgIcono14_->setObjectName(QStringLiteral("ImgIcono14"));
    ImgIcono14_->move(PuntoAPixeles(kCerrarTwips.topLeft()));
    ImgIcono14_->Mostrar(Dibujo::Svg(QStringLiteral(":/notice/cerrar.svg")));
    connect(ImgIcono14_, &ImagenMsg::clic, this, &FrmMsg::PedirCierre);

    TmrTrans_->setObjectName(QStringLiteral("TmrTrans"));
    TmrTrans_->setInterval(kIntervaloTrans);
    TmrTrans_->setTimerType(Qt::PreciseTimer);
    connect(TmrTrans_, &QTimer::timeout, this, &FrmMsg::TmrTrans_Timer);
}

void FrmMsg::Abrir()
{
    // Unloaded and opened again before its deletion ran (a modal dialog's loop holds deletions
    // back): the window must not vanish under the user when that loop ends.
    QCoreApplication::removePostedEvents(this, QEvent::DeferredDelete);
    setAttribute(Qt::WA_DeleteOnClose);
    Cargar();
    CentrarEnPantalla();
    show();
    activateWindow();
}

void FrmMsg::Descargar()
{
    close();
}

void FrmMsg::Cargar()
{
    nivelTrans_ = 0;
    gral_.AplicarTransparencia(this, nivelTrans_);
    cerrando_ = false;
    TmrTrans_->start();
    propio_ = Marcador();
}

void FrmMsg::CentrarEnPantalla()
{
    QScreen *pantalla = QGuiApplication::screenAt(QCursor::pos());
    if (!pantalla)
        pantalla = QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    const QRect zona = pantalla->geometry();
    const QRect centrada(zona.x() + (zona.width() - width()) / 2, zona.y() + (zona.height() - height()) / 2,
                         width(), height());
    // At a high scale the window may outgrow the screen: its text and close picture stay on it.
    move(PosicionEnPantalla(centrada, pantalla->availableGeometry()));
}

void FrmMsg::TmrTrans_Timer()
{
    // Driven by ticks, not by the clock: a slow machine still shows every level.
    if (!cerrando_) {
        nivelTrans_ = static_cast<qint16>(nivelTrans_ + kPasoEntrada);
        gral_.AplicarTransparencia(this, nivelTrans_);
        if (nivelTrans_ >= kOpaco)
            TmrTrans_->stop();
    } else {
        nivelTrans_ = static_cast<qint16>(nivelTrans_ - kPasoSalida);
        gral_.AplicarTransparencia(this, nivelTrans_);
        if (nivelTrans_ <= kPasoSalida) {
            TmrTrans_->stop();
            close();
        }
    }
}

void FrmMsg::PedirCierre()
{
    cerrando_ = true;
    nivelTrans_ = kOpaco; // applied as 245 by the next tick
    TmrTrans_->start();
}

void FrmMsg::Componer()
{
    ComponerFecha();
    const PerfilLeido ajustes(gral_.ArchivoIni); // one read of the file for both keys
    ComponerEvento(ajustes);
    ComponerIcono(ajustes);
}

void FrmMsg::ComponerFecha()
{
    // "Ninguna", or any text that is no date, is shown as it stands; a yearly date shows the
    // return being celebrated.
    const std::optional<QDate> fecha = gral_.FechaElegida(gral_.reloj.Hoy());
    const QString texto = fecha ? QLocale().toString(*fecha, QLocale::LongFormat) : gral_.FechaEvento;
    PonerTexto(LblMsg_[2], LblMsg_[3], texto);
    Colocar(LblMsg_[2], LblMsg_[3], PuntoAPixeles(kPosFecha));
}

void FrmMsg::ComponerEvento(const PerfilLeido &ajustes)
{
    const QString evento = LeerAjuste(ajustes, Ajustes::Evento);
    const QStringList lineas = AjustarEvento(evento.left(kLargoMaximoEvento));
    PonerTexto(LblMsg_[0], LblMsg_[1], lineas.join(u'\n'));
    // Centred in single precision; one line 1725 twips down, two centred between the framing lines.
    const float ancho = static_cast<float>(PixelesATwips(LblMsg_[0]->width()));
    const float izda = (static_cast<float>(PixelesATwips(width())) - ancho) / 2.0f;
    const int sup = lineas.size() == 1 ? TwipsAPixeles(kSupEvento)
                                       : TwipsAPixeles(kCentroEventoTwips) - LblMsg_[0]->height() / 2;
    Colocar(LblMsg_[0], LblMsg_[1], {TwipsAPixeles(izda), sup});
    // The taskbar names the window by its event; "[*]" would otherwise be taken as a placeholder.
    QString titulo = evento;
    if (titulo.size() > kLargoMaximoTitulo)
        titulo = PrincipioEntero(titulo, kLargoMaximoTitulo - 1).toString() + QChar(0x2026);
    setWindowTitle(titulo.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

QStringList FrmMsg::AjustarEvento(const QString &evento)
{
    const int margenes = 2 * TwipsAPixeles(kMargenEventoTwips);
    const int base = TwipsAPixeles(kAnchoTwips) - margenes;
    const QScreen *pantalla = screen();
    const int maximo = std::max(base, pantalla ? pantalla->availableGeometry().width() - margenes : base);
    const auto cabe = [&](int ancho) {
        return PartirEnLineas(evento, LblMsg_[0], ancho).size() <= kLineasEvento;
    };

    // The narrowest window, from the design's width up to the screen's, that holds it in two lines.
    int ancho = base;
    if (!cabe(base)) {
        int desde = base;
        int hasta = maximo;
        while (desde < hasta) {
            const int medio = desde + (hasta - desde) / 2;
            if (cabe(medio))
                hasta = medio;
            else
                desde = medio + 1;
        }
        ancho = desde;
    }
    CambiarAncho(ancho + margenes);

    QStringList lineas = PartirEnLineas(evento, LblMsg_[0], ancho);
    if (lineas.size() > kLineasEvento) {
        // Even the screen is too narrow: the second line ends with an ellipsis.
        const QString resto = QStringList(lineas.mid(1)).join(QString());
        lineas = {lineas.front(), LblMsg_[0]->fontMetrics().elidedText(resto, Qt::ElideRight, ancho)};
    }
    return lineas;
}

void FrmMsg::CambiarAncho(int ancho)
{
    if (ancho == width())
        return;
    // Widened around its centre, and kept on its screen.
    QRect marco(QPoint(x() - (ancho - width()) / 2, y()), QSize(ancho, height()));
    if (const QScreen *pantalla = screen())
        marco.moveTopLeft(PosicionEnPantalla(marco, pantalla->availableGeometry()));
    setFixedSize(marco.size());
    move(marco.topLeft());
    ImgIcono14_->move(ancho - TwipsAPixeles(kAnchoTwips - kCerrarTwips.left()), ImgIcono14_->y());
    update();
}

void FrmMsg::ComponerIcono(const PerfilLeido &ajustes)
{
    // The number comes from the file; the picture of slot 12 from the value last chosen, loaded
    // whatever the number. A value of two characters or fewer leaves slot 12 as it was.
    const Valores::Icono elegido = Valores::LeerIcono(LeerAjuste(ajustes, Ajustes::Icono));
    if (gral_.IconoAviso.size() > 2)
        propio_ = Dibujo{{}, LeerImagen(gral_.IconoAviso.sliced(2))};
    ImgIcono13_->Mostrar(DibujoDeIcono(elegido.numero));
}

Dibujo FrmMsg::DibujoDeIcono(int numero) const
{
    if (numero == kIconoPropio)
        return propio_;
    if (numero >= 0 && numero < kIconoPropio)
        return Dibujo::Svg(QStringLiteral(":/iconos/aviso%1.svg").arg(numero, 2, 10, QLatin1Char('0')));
    return {}; // a number outside 0..12, or none: the slot stays empty
}

QLabel *FrmMsg::LblMsg(int indice) const
{
    return indice >= 0 && indice < static_cast<int>(LblMsg_.size()) ? LblMsg_[static_cast<size_t>(indice)]
                                                                    : nullptr;
}

ImagenMsg *FrmMsg::ImgIcono(int indice) const
{
    if (indice == kIconoAviso)
        return ImgIcono13_;
    if (indice == kIconoCerrar)
        return ImgIcono14_;
    return nullptr;
}

bool FrmMsg::event(QEvent *evento)
{
    // Composed each time it comes to the front, so hand edits of the file show up.
    if (evento->type() == QEvent::WindowActivate)
        Componer();
    return QWidget::event(evento);
}

void FrmMsg::showEvent(QShowEvent *evento)
{
    // Some platforms never activate the window; it must not show up empty there.
    Componer();
    if (!escalaVigilada_ && windowHandle()) {
        escalaVigilada_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &FrmMsg::AjustarAEscala);
    }
    AjustarAEscala();
    QWidget::showEvent(evento);
}

void FrmMsg::AjustarAEscala()
{
    setCursor(CursorDesdeSvg(QStringLiteral(":/notice/cursor.svg"), QPoint(2, 2), this));
    update();
}

void FrmMsg::closeEvent(QCloseEvent *evento)
{
    TmrTrans_->stop();
    QWidget::closeEvent(evento);
}

void FrmMsg::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.fillRect(rect(), kColorFondo);
    const qreal escala = devicePixelRatioF();
    if (fondo_.isNull() || !qFuzzyCompare(fondo_.devicePixelRatio(), escala))
        fondo_ = PixmapDesdeSvg(QStringLiteral(":/notice/fondo.svg"), size(), escala);
    pintor.drawPixmap(0, 0, fondo_);

    const QColor textoSistema = QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
    const int ensanche = width() - TwipsAPixeles(kAnchoTwips);
    for (const Linea &linea : Lineas()) {
        const QPoint desde = PuntoAPixeles(linea.desde);
        const int hasta = TwipsAPixeles(linea.hastaX) + (linea.alBorde ? ensanche : 0);
        pintor.fillRect(QRect(desde.x(), desde.y(), hasta - desde.x(), 1),
                        linea.color.isValid() ? linea.color : textoSistema);
    }
}

void FrmMsg::mousePressEvent(QMouseEvent *evento)
{
    // Any button on the bare background moves the window; the system does it where it can.
    arrastre_.Pulsar(evento);
}

void FrmMsg::mouseMoveEvent(QMouseEvent *evento)
{
    evento->accept();
    arrastre_.Mover(evento);
}

void FrmMsg::mouseReleaseEvent(QMouseEvent *evento)
{
    arrastre_.Soltar(evento);
}

void FrmMsg::mouseDoubleClickEvent(QMouseEvent *evento)
{
    evento->accept();
    if (evento->button() == Qt::LeftButton)
        PedirCierre();
}
