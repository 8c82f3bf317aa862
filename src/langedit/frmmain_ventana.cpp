// The controls of Tradel's window and their places: the band with the logo and the page counter,
// the four pages in one place, the page buttons and the counter of written texts below them.
#include "frmmain.h"

#include "botonimagen.h"
#include "claves_idioma.h"
#include "foco.h"
#include "imagensvg.h"
#include "unalinea.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedLayout>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kAnchoCaja = 496;
constexpr int kAltoBanda = 64;
constexpr int kAltoPagina = 560;
const QColor kAzulOscuro(0x23, 0x32, 0x4A);
// The orange of the band's edge marks the focus, as on the save button.
const QColor kNaranja(0xF2, 0x68, 0x2E);

// A reference text: cut with "..." on screen when it is wider than the box below it.
class EtiquetaTitulo : public QLabel
{
public:
    explicit EtiquetaTitulo(QWidget *padre) : QLabel(padre) { setTextFormat(Qt::PlainText); }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }
    QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter pintor(this);
        const QRect zona = contentsRect();
        const QString mostrado = fontMetrics().elidedText(text(), Qt::ElideRight, zona.width());
        style()->drawItemText(&pintor, zona, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                              mostrado, foregroundRole());
    }
};

QLabel *Rotulo(const QString &texto, QWidget *padre)
{
    auto *rotulo = new QLabel(texto, padre);
    rotulo->setTextFormat(Qt::PlainText);
    QFont fuente = rotulo->font();
    fuente.setBold(true);
    rotulo->setFont(fuente);
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, kAzulOscuro);
    rotulo->setPalette(paleta);
    return rotulo;
}

QFrame *Linea(QWidget *padre)
{
    auto *linea = new QFrame(padre);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
    return linea;
}

} // namespace

void FrmMain::ConstruirVentana()
{
    setAutoFillBackground(true);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, QColor(0xF3, 0xF6, 0xFA));
    setPalette(fondo);

    auto *principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 12);
    principal->setSpacing(0);

    // The band: logo at the left, page counter at the right.
    auto *banda = new QHBoxLayout;
    banda->setContentsMargins(14, 8, 20, 8);
    ImgLogo = new ImagenSvg(QStringLiteral(":/langedit/logo.svg"), QSize(180, 48), this);
    ImgLogo->setObjectName(QStringLiteral("ImgLogo"));
    ImgLogo->setAccessibleName(QStringLiteral("Tradel"));
    ImgLogo->setCursor(Qt::ArrowCursor);
    LblPag = new QLabel(this);
    LblPag->setObjectName(QStringLiteral("LblPag"));
    QFont grande = LblPag->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    grande.setBold(true);
    LblPag->setFont(grande);
    QPalette blanco = LblPag->palette();
    blanco.setColor(QPalette::WindowText, Qt::white);
    LblPag->setPalette(blanco);
    banda->addWidget(ImgLogo);
    banda->addStretch();
    banda->addWidget(LblPag);
    auto *contenedorBanda = new QWidget(this);
    contenedorBanda->setFixedHeight(kAltoBanda);
    contenedorBanda->setLayout(banda);
    principal->addWidget(contenedorBanda);

    // The four pages, all of one size, in one place.
    auto *zonaPaginas = new QWidget(this);
    zonaPaginas->setFixedSize(kAnchoCaja + 44, kAltoPagina);
    paginas_ = new QStackedLayout(zonaPaginas);
    for (int p = 0; p < Paginas::kPaginas; ++p) {
        PicMain[p] = ConstruirPagina(p);
        paginas_->addWidget(PicMain[p]);
    }
    // On a screen too short for every page (a high scale factor), the pages scroll, and the box
    // that takes the focus scrolls into sight.
    auto *desplazable = new QScrollArea(this);
    desplazable->setObjectName(QStringLiteral("ZonaPaginas"));
    desplazable->setFrameShape(QFrame::NoFrame);
    desplazable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    desplazable->setWidget(zonaPaginas);
    desplazable->viewport()->setAutoFillBackground(false);
    zonaPaginas->setAutoFillBackground(false);
    connect(qApp, &QApplication::focusChanged, desplazable, [desplazable](QWidget *, QWidget *ahora) {
        if (ahora && desplazable->widget()->isAncestorOf(ahora))
            desplazable->ensureWidgetVisible(ahora);
    });
    principal->addWidget(desplazable);
    principal->addWidget(Linea(this));

    // Below the pages: previous page, texts written, next page.
    auto *pie = new QHBoxLayout;
    pie->setContentsMargins(20, 10, 20, 0);
    CmdMenos = new BotonImagen(QStringLiteral(":/langedit/anterior.svg"), QSize(32, 32), this);
    CmdMenos->setObjectName(QStringLiteral("CmdMenos"));
    CmdMenos->setAccessibleName(tr("Página anterior"));
    CmdMas = new BotonImagen(QStringLiteral(":/langedit/siguiente.svg"), QSize(32, 32), this);
    CmdMas->setObjectName(QStringLiteral("CmdMas"));
    CmdMas->setAccessibleName(tr("Página siguiente"));
    LblCuenta = new QLabel(this);
    LblCuenta->setObjectName(QStringLiteral("LblCuenta"));
    LblCuenta->setAlignment(Qt::AlignCenter);
    LblCuenta->setFont(grande);
    QPalette oscuro = LblCuenta->palette();
    oscuro.setColor(QPalette::WindowText, kAzulOscuro);
    LblCuenta->setPalette(oscuro);
    pie->addWidget(CmdMenos);
    pie->addStretch();
    pie->addWidget(LblCuenta);
    pie->addStretch();
    pie->addWidget(CmdMas);
    principal->addLayout(pie);
    connect(CmdMenos, &QAbstractButton::clicked, this, &FrmMain::CmdMenos_Click);
    connect(CmdMas, &QAbstractButton::clicked, this, &FrmMain::CmdMas_Click);

    for (QWidget *control : {static_cast<QWidget *>(CmdMenos), static_cast<QWidget *>(CmdMas),
                             static_cast<QWidget *>(CmdGuardar)})
        control->installEventFilter(this);
    for (BotonImagen *boton : ImgSelIdioma)
        boton->installEventFilter(this);
    for (int n = 1; n <= 10; ++n)
        ImgIdioma[n]->installEventFilter(this);

    desplazable->setFixedSize(zonaPaginas->size());
    QSize tamano = sizeHint();
    const QScreen *pantalla = screen();
    // The window manager's frame is not known before the window shows: room for a title bar and
    // borders as tall as the usual ones (the style's own title bar is shorter than most).
    constexpr int kAltoMarcoSupuesto = 48;
    const int sobra =
        pantalla ? tamano.height() + kAltoMarcoSupuesto - pantalla->availableGeometry().height() : 0;
    if (sobra > 0) {
        const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        desplazable->setFixedSize(zonaPaginas->width() + barra, zonaPaginas->height() - sobra);
        tamano = sizeHint();
    }
    setFixedSize(tamano);
}

QWidget *FrmMain::ConstruirSelectores()
{
    // Reference at the left, the language to edit at the right; in the second group the order of
    // Français and Italiano is swapped, as it always was.
    static constexpr std::array<const char *, 5> kCodigosReferencia = {"es", "en", "it", "fr", "pt"};
    static constexpr std::array<const char *, 5> kCodigosEdicion = {"es", "en", "fr", "it", "pt"};
    static constexpr std::array<int, 5> kNombresEdicion = {0, 1, 3, 2, 4}; // into Idioma::kIdiomas

    auto *selectores = new QWidget;
    auto *fila = new QHBoxLayout(selectores);
    fila->setContentsMargins(0, 0, 0, 0);
    for (int grupo = 0; grupo < 2; ++grupo) {
        const QString clase = grupo == 0 ? QStringLiteral("ref") : QStringLiteral("edit");
        auto *columna = new QVBoxLayout;
        columna->setSpacing(6);
        columna->addWidget(Rotulo(grupo == 0 ? QStringLiteral("Referencia : Reference")
                                             : QStringLiteral("Traducir : Translate"),
                                  selectores));
        auto *botones = new QHBoxLayout;
        botones->setSpacing(5);
        ImgSelIdioma[grupo] = new BotonImagen(QStringLiteral(":/langedit/carpeta_%1.svg").arg(clase),
                                              QSize(36, 26), selectores);
        ImgSelIdioma[grupo]->setObjectName(QStringLiteral("ImgSelIdioma%1").arg(grupo));
        ImgSelIdioma[grupo]->setAccessibleName(grupo == 0 ? tr("Referencia: archivo")
                                                          : tr("Traducir: archivo"));
        botones->addWidget(ImgSelIdioma[grupo]);
        connect(ImgSelIdioma[grupo], &QAbstractButton::clicked, this,
                [this, grupo] { ImgSelIdioma_Click(grupo); });
        for (int i = 0; i < 5; ++i) {
            const int n = grupo * 5 + i + 1;
            const char *codigo = grupo == 0 ? kCodigosReferencia[i] : kCodigosEdicion[i];
            const QString nombre = QString::fromUtf16(Idioma::kIdiomas[grupo == 0 ? i : kNombresEdicion[i]]);
            ImgIdioma[n] = new BotonImagen(
                QStringLiteral(":/langedit/idioma_%1_%2.svg").arg(clase, QLatin1String(codigo)),
                QSize(36, 26), selectores);
            ImgIdioma[n]->setObjectName(QStringLiteral("ImgIdioma%1").arg(n));
            ImgIdioma[n]->setToolTip(nombre);
            ImgIdioma[n]->setAccessibleName(
                (grupo == 0 ? tr("Referencia: %1") : tr("Traducir: %1")).arg(nombre));
            botones->addWidget(ImgIdioma[n]);
            connect(ImgIdioma[n], &QAbstractButton::clicked, this, [this, n] { ImgIdioma_Click(n); });
        }
        botones->addStretch();
        columna->addLayout(botones);
        fila->addLayout(columna);
    }
    return selectores;
}

QWidget *FrmMain::ConstruirPagina(int pagina)
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("PicMain%1").arg(pagina));
    auto *columna = new QVBoxLayout(panel);
    columna->setContentsMargins(22, 12, 22, 8);
    columna->setSpacing(0);
    if (pagina == 0) {
        columna->addWidget(ConstruirSelectores());
        columna->addSpacing(10);
        columna->addWidget(Linea(panel));
        columna->addSpacing(8);
    }

    const int primero = Paginas::PrimerSlot(pagina);
    const int ultimo = pagina + 1 < Paginas::kPaginas ? Paginas::PrimerSlot(pagina + 1) : Paginas::kSlots;
    for (int s = primero; s < ultimo; ++s) {
        LblTitulo[s] = new EtiquetaTitulo(panel);
        LblTitulo[s]->setObjectName(QStringLiteral("LblTitulo%1").arg(s));
        LblTitulo[s]->setFixedWidth(kAnchoCaja);
        TxTIdioma[s] = new ConFoco<QLineEdit>(kNaranja, panel);
        TxTIdioma[s]->setObjectName(QStringLiteral("TxTIdioma%1").arg(s));
        TxTIdioma[s]->setFixedWidth(kAnchoCaja);
        TxTIdioma[s]->setMinimumHeight(26);
        // A box holds Paginas::kLargoCaja characters (Qt's own limit); a longer text from a file is
        // kept aside whole and saved back as it was, unless the user replaces it.
        TxTIdioma[s]->setMaxLength(Paginas::kLargoCaja);
        UnaSolaLinea(TxTIdioma[s]);
        TxTIdioma[s]->installEventFilter(this);
        columna->addWidget(LblTitulo[s]);
        columna->addSpacing(2);
        columna->addWidget(TxTIdioma[s]);
        columna->addSpacing(s + 1 < ultimo ? 12 : 0);
        if (s < Paginas::kSlotsUsados) {
            TxTIdioma[s]->setAccessibleDescription(QString::fromUtf16(Idioma::kClaves[s].seccion) + u' ' +
                                                   QString::fromUtf16(Idioma::kClaves[s].clave));
            connect(TxTIdioma[s], &QLineEdit::textChanged, this, &FrmMain::ActualizarMarcas);
        } else {
            // Slots 35 to 37 exist but hold no key of the files.
            LblTitulo[s]->hide();
            TxTIdioma[s]->hide();
        }
    }
    columna->addStretch();
    if (pagina == Paginas::kPaginas - 1) {
        CmdGuardar = new QPushButton(panel);
        CmdGuardar->setObjectName(QStringLiteral("CmdGuardar"));
        CmdGuardar->setMinimumSize(220, 36);
        QFont fuente = CmdGuardar->font();
        fuente.setBold(true);
        CmdGuardar->setFont(fuente);
        // The blue of the page buttons; the focus shows as the orange of the band's edge.
        CmdGuardar->setStyleSheet(QStringLiteral(
            "QPushButton { background: #2C62C4; color: white; border: 1px solid #1F4A94; border-radius: 5px;"
            " padding: 6px 18px; }"
            "QPushButton:hover { background: #3A7BDA; }"
            "QPushButton:pressed { background: #1F4A94; }"
            "QPushButton:focus { border: 2px solid #F2682E; }"));
        connect(CmdGuardar, &QPushButton::clicked, this, &FrmMain::CmdGuardar_Click);
        columna->addWidget(CmdGuardar, 0, Qt::AlignHCenter);
    }
    return panel;
}

void FrmMain::paintEvent(QPaintEvent *)
{
    // The blue band behind the logo and the page counter, as on Dexo's windows.
    QPainter pintor(this);
    QLinearGradient azul(0, 0, 0, kAltoBanda);
    azul.setColorAt(0, QColor(0x3A, 0x7B, 0xDA));
    azul.setColorAt(1, QColor(0x2C, 0x62, 0xC4));
    pintor.fillRect(QRect(0, 0, width(), kAltoBanda), azul);
    pintor.fillRect(QRect(0, kAltoBanda - 3, width(), 3), QColor(0xF2, 0x68, 0x2E));
}
