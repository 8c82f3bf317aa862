#include "frminfo.h"

#include "carpetas.h"
#include "claves.h"
#include "crearregion.h"
#include "enpantalla.h"
#include "imagensvg.h"
#include "modgral.h"
#include "unidades.h"
#include "version.h"
#include "zonaactiva.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include <algorithm>

namespace {

constexpr ClaveAjuste kMostrarInfo{u"Acerca", u"Inicio", u"Si"};

// The start-up box writes its flag when a mouse button is released over it, after the box has
// changed; the keyboard changes it without writing.
class CasillaDeRaton : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;
    std::function<void()> alSoltarEncima;

protected:
    void mouseReleaseEvent(QMouseEvent *evento) override
    {
        const bool encima = rect().contains(evento->position().toPoint());
        QCheckBox::mouseReleaseEvent(evento);
        if (encima && alSoltarEncima)
            alSoltarEncima();
    }
};

constexpr QSize kTamanoTwips(9600, 7200);
constexpr QPoint kLugarTwips(4800, 2385);
constexpr int kSeparacion = 8; // from the count, when the window goes beside it

// A place of the design, at the window's scale.
QRect RectTwips(int izquierda, int arriba, int ancho, int alto, qreal escala)
{
    const auto pixeles = [escala](int twips) { return TwipsAPixeles(twips * escala); };
    return QRect(pixeles(izquierda), pixeles(arriba), pixeles(ancho), pixeles(alto));
}

QPoint LugarDeDiseno()
{
    return {TwipsAPixeles(kLugarTwips.x()), TwipsAPixeles(kLugarTwips.y())};
}

} // namespace

QString ArchivoMostrarInfo(const Carpetas &carpetas)
{
    return carpetas.LecturaAjustes(QStringLiteral("Acerca.ini"));
}

bool LeerMostrarInfo(const Carpetas &carpetas)
{
    return LeerAjuste(ArchivoMostrarInfo(carpetas), kMostrarInfo) == QString::fromUtf16(Ajustes::Si);
}

QString FrmInfo::Consejo(int indice)
{
    switch (indice) {
    case 0:
        return tr("Continuar...");
    case 2:
        return tr("Abrir %1").arg(ModGral::HostWeb(0));
    default:
        return tr("Mostrar ayuda...");
    }
}

void FrmInfo::changeEvent(QEvent *evento)
{
    // The window is kept between showings: a language chosen meanwhile reaches its texts.
    if (evento->type() == QEvent::LanguageChange) {
        for (int indice : {0, 2, 3})
            ImgSel_[static_cast<size_t>(indice)]->setToolTip(Consejo(indice));
        ChkInicio_->setText(tr("Mostrar esta información al inicio del programa"));
    }
    QWidget::changeEvent(evento);
}

FrmInfo::FrmInfo(ModGral &gral, QWidget *principal)
    : QWidget(nullptr, Qt::FramelessWindowHint), gral_(gral), principal_(principal),
      fondo_(new QSvgRenderer(QStringLiteral(":/about/fondo.svg"), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FrmInfo"));
    setWindowTitle(QStringLiteral("ShapedForm"));
    setWindowIcon(QIcon(QStringLiteral(":/countdown/dexo.svg")));
    // On a screen smaller than the design (a high scale factor) the whole window, its outline
    // included, is drawn smaller, so that all of it can be seen and reached.
    const QRect zona = Pantalla()->availableGeometry();
    const qreal escala = std::min({1.0, qreal(zona.width()) / TwipsAPixeles(kTamanoTwips.width()),
                                   qreal(zona.height()) / TwipsAPixeles(kTamanoTwips.height())});
    setFixedSize(
        RectTwips(0, 0, kTamanoTwips.width(), kTamanoTwips.height(), escala).size().boundedTo(zona.size()));
    move(LugarDeDiseno());
    setMouseTracking(true);

    // Created from the bottom of the stack up: later widgets lie above earlier ones.
    auto *ImgIco = new ImagenSvg(QStringLiteral(":/about/producto.svg"), QSize(239, 220) * escala, this);
    ImgIco->setObjectName(QStringLiteral("ImgIco"));
    ImgIco->move(RectTwips(0, 3900, 0, 0, escala).topLeft());

    QFont fuente(QStringLiteral("MS Sans Serif"));
    fuente.setPointSizeF(9.75 * escala);
    fuente.setBold(true);
    const QString version = QStringLiteral("%1.%2").arg(DEXO_VERSION_MAYOR).arg(DEXO_VERSION_MENOR);
    const QColor colores[2] = {QColor(0x80, 0x80, 0x80), QColor(0x00, 0x00, 0xC0)};
    const QPoint lugares[2] = {QPoint(2220, 4680), QPoint(2200, 4660)};
    for (int i = 0; i < 2; ++i) {
        LblInfo_[i] = new QLabel(version, this);
        LblInfo_[i]->setObjectName(QStringLiteral("LblInfo%1").arg(i));
        LblInfo_[i]->setTextFormat(Qt::PlainText);
        LblInfo_[i]->setFont(fuente);
        QPalette paleta = LblInfo_[i]->palette();
        paleta.setColor(QPalette::WindowText, colores[i]);
        LblInfo_[i]->setPalette(paleta);
        LblInfo_[i]->adjustSize();
        LblInfo_[i]->move(RectTwips(lugares[i].x(), lugares[i].y(), 0, 0, escala).topLeft());
    }

    struct Resalte
    {
        int indice;
        const char *recurso;
        QRect lugar;
    };
    const Resalte resaltes[] = {
        {0, ":/about/resalte_flecha.svg", RectTwips(7770, 5640, 1665, 1560, escala)},
        {2, ":/about/resalte_web.svg", RectTwips(5970, 2250, 975, 960, escala)},
        {3, ":/about/resalte_ayuda.svg", RectTwips(7060, 2660, 945, 915, escala)},
    };
    for (const Resalte &r : resaltes) {
        ImgMenu_[r.indice] = new ImagenSvg(QString::fromLatin1(r.recurso), r.lugar.size(), this);
        ImgMenu_[r.indice]->setObjectName(QStringLiteral("ImgMenu%1").arg(r.indice));
        ImgMenu_[r.indice]->move(r.lugar.topLeft());
        // Hidden until the mouse passes over its hot zone. The picture takes no mouse tracking,
        // so moving over it never reaches the background and the highlight stays.
        ImgMenu_[r.indice]->hide();
    }

    const QCursor cursor = CursorDesdeSvg(QStringLiteral(":/about/cursor.svg"), QPoint(6, 1), this);
    struct Zona
    {
        int indice;
        QString consejo;
        QRect lugar;
    };
    const Zona zonas[] = {
        {0, Consejo(0), RectTwips(7680, 5640, 1695, 1455, escala)},
        {2, Consejo(2), RectTwips(6120, 2400, 660, 615, escala)},
        {3, Consejo(3), RectTwips(7200, 2790, 615, 615, escala)},
    };
    for (const Zona &z : zonas) {
        ZonaActiva *zona = new ZonaActiva(this);
        zona->setObjectName(QStringLiteral("ImgSel%1").arg(z.indice));
        zona->setGeometry(z.lugar);
        zona->setToolTip(z.consejo);
        zona->setCursor(cursor);
        const int indice = z.indice;
        connect(zona, &ZonaActiva::sobrevolada, this, [this, indice] { Resaltar(indice); });
        connect(zona, &ZonaActiva::pulsada, this, [this, indice] { ImgSel_Click(indice); });
        ImgSel_[indice] = zona;
    }

    auto *casilla = new CasillaDeRaton(tr("Mostrar esta información al inicio del programa"), this);
    casilla->alSoltarEncima = [this] { GuardarMostrarInfo(); };
    ChkInicio_ = casilla;
    ChkInicio_->setObjectName(QStringLiteral("ChkInicio"));
    ChkInicio_->setGeometry(RectTwips(4080, 6720, 3615, 255, escala));
    // The caption must fit the box's fixed width with whatever face stands in for MS Sans Serif.
    QFont letraCasilla(QStringLiteral("MS Sans Serif"));
    for (qreal puntos = 8.25 * escala; puntos >= 6.0 * escala; puntos -= 0.25) {
        letraCasilla.setPointSizeF(puntos);
        ChkInicio_->setFont(letraCasilla);
        if (ChkInicio_->sizeHint().width() <= ChkInicio_->width())
            break;
    }
    ChkInicio_->setAutoFillBackground(true);
    QPalette paleta = ChkInicio_->palette();
    for (auto papel : {QPalette::Window, QPalette::Button, QPalette::Base})
        paleta.setColor(papel, Qt::white);
    paleta.setColor(QPalette::WindowText, Qt::black);
    ChkInicio_->setPalette(paleta);
    ChkInicio_->setChecked(LeerMostrarInfo(gral_.carpetas)); // loading writes nothing
    ChkInicio_->setFocus();

    RgnForma_ = CrearRegion(static_cast<float>(escala), static_cast<float>(escala), 0, 0);
    setMask(RgnForma_);
}

QScreen *FrmInfo::Pantalla() const
{
    if (principal_)
        return principal_->screen();
    QScreen *pantalla = QGuiApplication::screenAt(LugarDeDiseno());
    return pantalla ? pantalla : QGuiApplication::primaryScreen();
}

QPoint FrmInfo::Lugar() const
{
    const QRect zona = Pantalla()->availableGeometry();
    const QPoint disenado = PosicionEnPantalla(QRect(LugarDeDiseno(), size()), zona);
    if (!principal_ || !principal_->isVisible())
        return disenado;
    // Only the outline counts: the count may show through a corner outside it.
    const QRect numero = principal_->frameGeometry();
    if (!RgnForma_.translated(disenado).intersects(numero))
        return disenado;
    const QPoint lados[] = {
        {numero.right() + 1 + kSeparacion, disenado.y()},
        {disenado.x(), numero.bottom() + 1 + kSeparacion},
        {numero.left() - kSeparacion - width(), disenado.y()},
        {disenado.x(), numero.top() - kSeparacion - height()},
    };
    for (const QPoint &lado : lados) {
        if (zona.contains(QRect(lado, size())))
            return lado;
    }
    return disenado; // no room anywhere else
}

void FrmInfo::Mostrar()
{
    if (!isVisible())
        move(Lugar());
    show();
    raise();
    activateWindow();
}

void FrmInfo::ImgSel_Click(int indice)
{
    switch (indice) {
    case 0:
        if (principal_) {
            principal_->show();
            principal_->raise();
            principal_->activateWindow();
        }
        close();
        break;
    case 2:
        gral_.AbrirWeb(0);
        break;
    case 3:
        gral_.AbrirAyuda();
        break;
    default:
        break;
    }
}

void FrmInfo::Resaltar(int indice)
{
    if (ImgMenu_[indice] && ImgMenu_[indice]->isHidden())
        ImgMenu_[indice]->show();
}

void FrmInfo::GuardarMostrarInfo()
{
    const auto valor = ChkInicio_->isChecked() ? Ajustes::Si : Ajustes::No;
    gral_.GuardarEn(ArchivoMostrarInfo(gral_.carpetas), kMostrarInfo, QString::fromUtf16(valor), this);
}

void FrmInfo::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    fondo_->render(&pintor, QRectF(rect()));
}

void FrmInfo::keyPressEvent(QKeyEvent *evento)
{
    // The arrow's way out from the keyboard, also when a small screen hides the arrow.
    if (evento->key() == Qt::Key_Escape) {
        ImgSel_Click(0);
        return;
    }
    QWidget::keyPressEvent(evento);
}

void FrmInfo::mousePressEvent(QMouseEvent *evento)
{
    arrastre_.Pulsar(evento);
}

void FrmInfo::mouseMoveEvent(QMouseEvent *evento)
{
    if (arrastre_.Mover(evento))
        return;
    // The bare background hides every highlight; controls in between keep them.
    if (childAt(evento->position().toPoint()))
        return;
    for (ImagenSvg *resalte : ImgMenu_) {
        if (resalte && resalte->isVisible())
            resalte->hide();
    }
}

void FrmInfo::mouseReleaseEvent(QMouseEvent *evento)
{
    arrastre_.Soltar(evento);
}
