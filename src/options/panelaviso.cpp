#include "panelaviso.h"

#include "botonimagen.h"
#include "foco.h"
#include "imagensvg.h"
#include "lectorajustes.h"
#include "modgral.h"
#include "plataforma.h"
#include "textoliteral.h"
#include "unalinea.h"
#include "valores.h"

#include <QFrame>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

namespace {

constexpr int kLadoIcono = 720; // twips
constexpr int kSupFilaBaja = 1920;
constexpr int kSupFilaAlta = 600;
constexpr int kIzdaIconos[13] = {360, 1200, 2040, 2880, 3720, 4680, 5640, 6660, 7560, 8400, 4200, 5160, 6120};
constexpr int kSupMarcadorBajo = 2760;
constexpr int kSupMarcadorAlto = 1360;
constexpr int kLadoMarcador = 360;
constexpr int kLinea19 = 3000;
constexpr int kLargoRutaCorta = 46;

// Message, sound and file of each code 0 to 7.
constexpr bool kMarcasDeCodigo[8][3] = {{false, false, false}, {true, false, false}, {false, true, false},
                                        {false, false, true},  {true, true, false},  {true, false, true},
                                        {false, true, true},   {true, true, true}};

QString Ninguno()
{
    return QString::fromUtf16(Ajustes::Ninguno);
}

int TopeIcono(int indice)
{
    return indice <= 9 ? kSupFilaBaja : kSupFilaAlta;
}

} // namespace

void TextoEvento::focusInEvent(QFocusEvent *evento)
{
    QLineEdit::focusInEvent(evento);
    selectAll();
    // A click that brings the focus would place the cursor on release: keep the whole text
    // selected, unless the user drags out a selection of their own.
    seleccionarAlSoltar_ = evento->reason() == Qt::MouseFocusReason;
}

void TextoEvento::mouseReleaseEvent(QMouseEvent *evento)
{
    QLineEdit::mouseReleaseEvent(evento);
    if (seleccionarAlSoltar_ && !hasSelectedText())
        selectAll();
    seleccionarAlSoltar_ = false;
}

void TextoEvento::mouseDoubleClickEvent(QMouseEvent *evento)
{
    QLineEdit::mouseDoubleClickEvent(evento);
    selectAll();
}

void TextoEvento::keyPressEvent(QKeyEvent *evento)
{
    const QString tecleado = evento->text();
    const bool esCaracter = !tecleado.isEmpty() && tecleado.at(0).isPrint();
    if (esCaracter && text().size() >= kLimite &&
        !(evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        evento->accept();
        return;
    }
    QLineEdit::keyPressEvent(evento);
}

void TextoEvento::paintEvent(QPaintEvent *evento)
{
    QLineEdit::paintEvent(evento);
    DibujarFoco(this, kColorFoco);
}

QString RutaAbreviada(const QString &ruta)
{
    if (ruta.size() < kLargoRutaCorta)
        return ruta;
    const qsizetype ultima = qMax(ruta.lastIndexOf(QLatin1Char('\\')), ruta.lastIndexOf(QLatin1Char('/')));
    return ruta.left(3) + QStringLiteral("...") + ruta.mid(ultima + 1);
}

PanelAviso::PanelAviso(ModGral &gral, OpcionesEditadas &edicion, QWidget *padre)
    : PanelFondo(padre), gral_(gral), edicion_(edicion)
{
    setObjectName(QStringLiteral("PicAviso"));
    const QString marcado = QStringLiteral(":/options/marcado.svg");
    const QString vacio = QStringLiteral(":/options/vacio.svg");
    const QSize ladoCasilla(20, 20);

    const int supCasilla[3] = {180, 4080, 5040};
    const int indiceTitulo[3] = {10, 13, 14};
    const char16_t *textos[3] = {u"Mostrar mensaje.", u"Reproducir un sonido.",
                                 u"Abrir (ejecutar) un archivo o programa."};
    for (int i = 0; i < 3; ++i) {
        auto *casilla = new CasillaImagen(marcado, vacio, ladoCasilla, this);
        casilla->setObjectName(QStringLiteral("ImgAviso%1").arg(i));
        casilla->move(RectTwips(360, supCasilla[i], 0, 0).topLeft());
        casilla->setAccessibleName(QString::fromUtf16(textos[i]));
        connect(casilla, &QAbstractButton::clicked, this, [this, i] { ReglaDeRuta(i); });
        ImgAviso[static_cast<size_t>(i)] = casilla;
        titulos_[indiceTitulo[i]] =
            CrearTitulo(this, indiceTitulo[i], QRect(720, supCasilla[i] + 15, 8400, 300),
                        QString::fromUtf16(textos[i]), 20);
    }

    titulos_[11] = CrearTitulo(this, 11, QRect(360, 780, 3600, 660),
                               QStringLiteral("Icono a mostrar en el mensaje:"), 20);

    ImgSelected = new QLabel(this);
    ImgSelected->setObjectName(QStringLiteral("ImgSelected"));
    ImgSelected->setPixmap(
        PixmapDesdeSvg(QStringLiteral(":/options/marcador.svg"), QSize(24, 24), devicePixelRatioF()));
    ImgSelected->resize(RectTwips(0, 0, kLadoMarcador, kLadoMarcador).size());

    Line19 = new QFrame(this);
    Line19->setObjectName(QStringLiteral("Line19"));
    Line19->setFrameShape(QFrame::HLine);
    Line19->setFrameShadow(QFrame::Plain);
    Line19->setStyleSheet(QStringLiteral("color: rgba(255, 255, 255, 110);"));
    Line19->setGeometry(RectTwips(360, kLinea19, 9000, 15));
    Line19->setFixedHeight(1);

    for (int i = 0; i < 13; ++i) {
        const QString recurso = i < kIconoPropio
                                    ? QStringLiteral(":/iconos/aviso%1.svg").arg(i, 2, 10, QLatin1Char('0'))
                                    : QString();
        auto *icono = new BotonImagen(recurso, RectTwips(0, 0, kLadoIcono, kLadoIcono).size(), this);
        icono->setObjectName(QStringLiteral("ImgIcono%1").arg(i));
        icono->move(RectTwips(kIzdaIconos[i], TopeIcono(i), 0, 0).topLeft());
        icono->setAccessibleName(NombreIcono(i));
        connect(icono, &QAbstractButton::clicked, this, [this, i] { ImgIcono_Click(i); });
        ImgIcono[static_cast<size_t>(i)] = icono;
    }
    ImgSelected->raise();

    const QPoint posSelec[3] = {{7080, 780}, {720, 4410}, {720, 5370}};
    const char16_t *consejos[3] = {u"Seleccionar imagen...", u"Seleccionar sonido...",
                                   u"Seleccionar archivo..."};
    for (int i = 0; i < 3; ++i) {
        auto *boton = new BotonImagen(QStringLiteral(":/options/seleccionar.svg"), QSize(24, 24), this);
        boton->setObjectName(QStringLiteral("ImgSelec%1").arg(i));
        boton->move(RectTwips(posSelec[i].x(), posSelec[i].y(), 0, 0).topLeft());
        boton->setToolTip(QString::fromUtf16(consejos[i]));
        boton->setAccessibleName(boton->toolTip());
        connect(boton, &QAbstractButton::clicked, this, [this, i] { ImgSelec_Click(i); });
        ImgSelec[static_cast<size_t>(i)] = boton;
    }

    titulos_[12] = CrearTitulo(this, 12, QRect(360, 3150, 9000, 300),
                               QStringLiteral("Descripción del evento :: faltan x días para...:"), 20);
    TxtEvento = new TextoEvento(this);
    TxtEvento->setObjectName(QStringLiteral("TxtEvento"));
    TxtEvento->setAccessibleName(titulos_[12].texto->text());
    TxtEvento->setGeometry(RectTwips(360, 3480, 9000, 360));
    UnaSolaLinea(TxtEvento);

    titulos_[16] = CrearTitulo(this, 16, QRect(1200, 4470, 8160, 300), tr("Ninguno"), 0);
    titulos_[17] = CrearTitulo(this, 17, QRect(1200, 5430, 8160, 300), tr("Ninguno"), 0);
    for (int i : {16, 17})
        titulos_[i].texto->setWordWrap(false);

    CmdAvisoOk = new BotonImagen(QStringLiteral(":/options/volver.svg"), QSize(36, 36), this);
    CmdAvisoOk->setObjectName(QStringLiteral("CmdAvisoOk"));
    CmdAvisoOk->move(RectTwips(8940, 6000, 0, 0).topLeft());
    CmdAvisoOk->setToolTip(QStringLiteral("Volver..."));
    CmdAvisoOk->setAccessibleName(CmdAvisoOk->toolTip());
    connect(CmdAvisoOk, &QAbstractButton::clicked, this, &PanelAviso::CmdAvisoOk_Click);

    // Tab follows the panel from top to bottom.
    QWidget *orden[] = {ImgAviso[0], ImgIcono[10], ImgIcono[11], ImgIcono[12], ImgSelec[0], ImgIcono[0],
                        ImgIcono[1], ImgIcono[2],  ImgIcono[3],  ImgIcono[4],  ImgIcono[5], ImgIcono[6],
                        ImgIcono[7], ImgIcono[8],  ImgIcono[9],  TxtEvento,    ImgAviso[1], ImgSelec[1],
                        ImgAviso[2], ImgSelec[2],  CmdAvisoOk};
    for (size_t i = 0; i + 1 < std::size(orden); ++i)
        setTabOrder(orden[i], orden[i + 1]);
}

int PanelAviso::CodigoDeMarcas() const
{
    const bool marcas[3] = {ImgAviso[0]->isChecked(), ImgAviso[1]->isChecked(), ImgAviso[2]->isChecked()};
    for (int codigo = 0; codigo < 8; ++codigo) {
        if (std::equal(std::begin(marcas), std::end(marcas), std::begin(kMarcasDeCodigo[codigo])))
            return codigo;
    }
    return 0;
}

void PanelAviso::MarcarCodigo(int codigo)
{
    if (codigo < 0 || codigo > 7)
        return; // a code outside the table changes no check
    for (size_t i = 0; i < 3; ++i)
        ImgAviso[i]->setChecked(kMarcasDeCodigo[codigo][i]);
}

void PanelAviso::Cargar(const AjustesLeidos &ajustes)
{
    edicion_.TipoAviso = ajustes.aviso;
    MarcarCodigo(ajustes.aviso);
    TxtEvento->setText(ajustes.evento);

    edicion_.ArchivoSonido = ajustes.sonido;
    MostrarRuta(16, ajustes.sonido);
    edicion_.ArchivoAbrir = ajustes.archivo;
    MostrarRuta(17, ajustes.archivo);

    const Valores::Icono icono = Valores::LeerIcono(ajustes.icono);
    const int numero = icono.numero < 0 ? 0 : icono.numero;
    edicion_.IconoAviso = QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0')) + icono.ruta;
    ImgIcono_Click(numero);
    ImgIcono[kIconoPropio]->PonerImagen(QPixmap());
    if (!icono.ruta.isEmpty()) {
        // A picture that is gone or is no picture leaves the slot empty; the load says nothing.
        QString error;
        CargarImagenPropia(icono.ruta, &error);
    }
}

void PanelAviso::CmdAvisoOk_Click()
{
    edicion_.TipoAviso = static_cast<qint16>(CodigoDeMarcas());
    hide();
    emit cerrado();
}

void PanelAviso::ImgAviso_Click(int indice)
{
    ImgAviso[static_cast<size_t>(indice)]->click();
}

void PanelAviso::ReglaDeRuta(int indice)
{
    // A sound or a file can be ticked only once one has been chosen.
    CasillaImagen *casilla = ImgAviso[static_cast<size_t>(indice)];
    if (casilla->isChecked() && indice > 0 && rutas_.at(static_cast<size_t>(indice - 1)) == Ninguno())
        casilla->setChecked(false);
}

void PanelAviso::ImgIcono_Click(int indice)
{
    if (indice < 0 || indice > kIconoPropio)
        return;
    const BotonImagen *icono = ImgIcono[static_cast<size_t>(indice)];
    const bool filaBaja = indice <= 9;
    const QPoint posIcono = icono->pos();
    ImgSelected->move(posIcono.x() + (icono->width() - ImgSelected->width()) / 2,
                      RectTwips(0, filaBaja ? kSupMarcadorBajo : kSupMarcadorAlto, 0, 0).y());
    Line19->setVisible(!filaBaja);
    // The own picture's path rides along, so choosing icon 12 again brings it back.
    const QString resto = edicion_.IconoAviso.size() > 2 ? edicion_.IconoAviso.mid(2) : QString();
    edicion_.IconoAviso = QStringLiteral("%1").arg(indice, 2, 10, QLatin1Char('0')) + resto;
}

bool PanelAviso::CargarImagenPropia(const QString &ruta, QString *error)
{
    QImageReader lector(ruta);
    lector.setAutoTransform(true);
    // Decoded at the size it is shown (twice, for fine screens): a photo of many megapixels
    // would otherwise be held whole for a 48-pixel slot.
    const QSize lado = ImgIcono[kIconoPropio]->size() * 2;
    if (const QSize original = lector.size();
        original.isValid() && (original.width() > lado.width() || original.height() > lado.height()))
        lector.setScaledSize(original.scaled(lado, Qt::KeepAspectRatio));
    const QImage imagen = lector.read();
    if (imagen.isNull()) {
        ImgIcono[kIconoPropio]->PonerImagen(QPixmap());
        const int numero = lector.error() == QImageReader::FileNotFoundError ? 53 : 481;
        *error = QStringLiteral("%1 - %2").arg(numero).arg(lector.errorString());
        return false;
    }
    ImgIcono[kIconoPropio]->PonerImagen(QPixmap::fromImage(imagen));
    return true;
}

void PanelAviso::ImgSelec_Click(int indice)
{
    static const char16_t *filtros[3] = {u"JPG|*.jpg|GIF|*.gif|ICO|*.ico", u"WAV|*.wav", u"*.*"};
    const QString ruta =
        gral_.plataforma.ElegirArchivoAbrir(this, ImgSelec[static_cast<size_t>(indice)]->toolTip(),
                                            gral_.RutaPrograma, QString::fromUtf16(filtros[indice]));
    if (ruta.isEmpty())
        return;
    switch (indice) {
    case 0: {
        edicion_.IconoAviso = QStringLiteral("12") + ruta;
        ImgIcono_Click(kIconoPropio);
        QString error;
        if (!CargarImagenPropia(ruta, &error))
            gral_.plataforma.AvisarError(this, QStringLiteral(".: Marbeo :."), error);
        break;
    }
    case 1:
        MostrarRuta(16, ruta);
        edicion_.ArchivoSonido = ruta;
        break;
    default:
        MostrarRuta(17, ruta);
        edicion_.ArchivoAbrir = ruta;
        break;
    }
}

QString PanelAviso::NombreIcono(int indice)
{
    return indice < kIconoPropio ? tr("Icono %1").arg(indice + 1) : tr("Imagen propia");
}

void PanelAviso::changeEvent(QEvent *evento)
{
    // "Ninguno" stays the stored word; only its display and the names read aloud follow the language.
    if (evento->type() == QEvent::LanguageChange) {
        MostrarRuta(16, rutas_[0]);
        MostrarRuta(17, rutas_[1]);
        for (int i = 0; i < 13; ++i)
            ImgIcono[static_cast<size_t>(i)]->setAccessibleName(NombreIcono(i));
    }
    PanelFondo::changeEvent(evento);
}

void PanelAviso::MostrarRuta(int indice, const QString &ruta)
{
    rutas_[static_cast<size_t>(indice - 16)] = ruta;
    QLabel *etiqueta = titulos_.at(indice).texto;
    const QString mostrada = RutaAbreviada(ruta);
    etiqueta->setText(ruta == Ninguno() ? tr("Ninguno") : mostrada);
    if (mostrada != ruta) {
        etiqueta->setToolTip(TooltipLiteral(ruta));
        etiqueta->setCursor(Qt::WhatsThisCursor);
    } else {
        etiqueta->setToolTip(QString());
        etiqueta->unsetCursor();
    }
}
