#include "frmopc.h"

#include "apariencia.h"
#include "botonimagen.h"
#include "claves.h"
#include "colorbgr.h"
#include "idiomas.h"
#include "lectorajustes.h"
#include "modgral.h"
#include "panelaviso.h"
#include "plataforma.h"
#include "reloj.h"
#include "selectorfecha.h"
#include "unidades.h"
#include "valores.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr QSize kPanelTwips(9720, 6720);
// The window manager's frame is not known before the dialog shows: room for a title bar and borders.
constexpr QMargins kMarcoSupuesto(8, 40, 8, 8);

QString Texto(const char16_t *texto)
{
    return QString::fromUtf16(texto);
}

// The size as the text of a real number with the system's decimal separator: "24", "10,5" or
// "10.5". Readers know only the comma and the point, so any other separator is written as a point.
QString TextoTamano(double tam)
{
    QString texto = QString::number(tam, 'f', 2);
    while (texto.endsWith(QLatin1Char('0')))
        texto.chop(1);
    if (texto.endsWith(QLatin1Char('.')))
        texto.chop(1);
    if (QLocale().decimalPoint() == QLatin1String(","))
        texto.replace(QLatin1Char('.'), QLatin1Char(','));
    return texto;
}

QString TextoBooleano(bool valor)
{
    return Texto(valor ? Ajustes::Verdadero : Ajustes::Falso);
}

} // namespace

FrmOpc::FrmOpc(ModGral &gral, QWidget *principal) : QDialog(principal), gral_(gral), principal_(principal)
{
    setObjectName(QStringLiteral("FrmOpc"));
    setWindowTitle(QStringLiteral(".:: Configuración de las opciones del programa ::."));
    setModal(true);
    const QSize tamano = RectTwips(0, 0, kPanelTwips.width(), kPanelTwips.height()).size();
    // Read once: the list of years and the obsolete-date check must agree on today.
    hoy_ = gral_.reloj.Hoy();

    // Both panels lie on one sheet of the designed size. On a screen smaller than the sheet (a
    // high scale factor) the sheet scrolls, and the control that takes the focus scrolls into sight.
    auto *hoja = new QWidget;
    hoja->setFixedSize(tamano);
    PicOpciones_ = new PanelFondo(hoja);
    PicOpciones_->setObjectName(QStringLiteral("PicOpciones"));
    PicOpciones_->setGeometry(QRect(QPoint(0, 0), tamano));
    // Same place, same size and the same background as the main panel.
    PicAviso_ = new PanelAviso(gral_, edicion_, hoja);
    PicAviso_->setGeometry(QRect(QPoint(0, 0), tamano));
    PicAviso_->hide();
    for (const auto &[indice, titulo] : PicAviso_->Titulos())
        titulos_[indice] = titulo;
    connect(PicAviso_, &PanelAviso::cerrado, this, [this] {
        PicOpciones_->show();
        CmdAviso_->setFocus();
    });

    CrearPanelOpciones();
    auto *desplazable = new QScrollArea(this);
    desplazable->setObjectName(QStringLiteral("ZonaOpciones"));
    desplazable->setFrameShape(QFrame::NoFrame);
    desplazable->setFocusPolicy(Qt::NoFocus);
    desplazable->setWidget(hoja);
    connect(qApp, &QApplication::focusChanged, desplazable, [desplazable](QWidget *, QWidget *ahora) {
        if (ahora && desplazable->widget()->isAncestorOf(ahora))
            desplazable->ensureWidgetVisible(ahora);
    });
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->addWidget(desplazable);
    setFixedSize(TamanoEnPantalla(tamano));

    // On the dark blue of the panels the focus ring is drawn in light amber.
    for (BotonImagen *boton : findChildren<BotonImagen *>())
        boton->PonerColorFoco(QColor(255, 214, 90));

    auto *guardar = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(guardar, &QShortcut::activated, this, [this] {
        // The code is recomputed only when the notice panel closes.
        if (PicAviso_->isVisible())
            CmdAvisoOk_Click();
        CmdGuardar_Click();
    });

    PicMuestra_->LblDiasAux->setText(QStringLiteral("0"));
    CargarOpciones();
    PicMuestra_->TmrMuestra->start();
}

FrmOpc::~FrmOpc() = default;

QSize FrmOpc::TamanoEnPantalla(QSize diseno) const
{
    const QScreen *pantalla = principal_ ? principal_->screen() : screen();
    if (!pantalla)
        return diseno;
    const QSize libre = pantalla->availableGeometry().size().shrunkBy(kMarcoSupuesto);
    // A scroll bar along one side takes room from the other, which may then need its own.
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    bool vertical = diseno.height() > libre.height();
    const bool horizontal = diseno.width() + (vertical ? barra : 0) > libre.width();
    vertical = vertical || diseno.height() + (horizontal ? barra : 0) > libre.height();
    const QSize tamano(diseno.width() + (vertical ? barra : 0), diseno.height() + (horizontal ? barra : 0));
    return tamano.boundedTo(libre);
}

void FrmOpc::CrearPanelOpciones()
{
    auto titulo = [this](int indice, QRect twips, const char16_t *texto, int desplazamiento = 20) {
        titulos_[indice] = CrearTitulo(PicOpciones_, indice, twips, Texto(texto), desplazamiento);
    };
    titulo(0, QRect(360, 90, 6000, 480), u".: OPCIONES :.", 30);
    titulo(7, QRect(360, 720, 3000, 300), u"Marbeo:");

    FraFecha_ = new SelectorFecha(hoy_, PicOpciones_);
    FraFecha_->setGeometry(RectTwips(360, 1020, 3000, 2880));
    connect(FraFecha_, &SelectorFecha::fechaElegida, this,
            [this](QDate fecha) { edicion_.FechaEvento = Valores::TextoFecha(fecha); });
    connect(FraFecha_->ChkAnual, &QCheckBox::toggled, this, [this](bool anual) { edicion_.Anual = anual; });

    titulo(8, QRect(360, 4110, 2400, 600), u"Configurar aviso:");
    CmdAviso_ = new BotonImagen(QStringLiteral(":/options/aviso.svg"), QSize(32, 32), PicOpciones_);
    CmdAviso_->setObjectName(QStringLiteral("CmdAviso"));
    CmdAviso_->move(RectTwips(2880, 4020, 0, 0).topLeft());
    CmdAviso_->setAccessibleName(titulos_[8].texto->text());
    connect(CmdAviso_, &QAbstractButton::clicked, this, &FrmOpc::CmdAviso_Click);

    titulo(2, QRect(360, 4800, 3000, 300), u"Idioma:");
    ImgIdioma_[0] = new BotonImagen(QStringLiteral(":/options/seleccionar.svg"), QSize(24, 24), PicOpciones_);
    ImgIdioma_[0]->move(RectTwips(360, 5130, 0, 0).topLeft());
    const char16_t *banderas[] = {u"es", u"en", u"it", u"fr", u"pt"};
    const char16_t *idiomas[] = {u"Español", u"English", u"Italiano", u"Français", u"Português"};
    for (int i = 1; i <= 5; ++i) {
        auto *bandera =
            new BotonImagen(QStringLiteral(":/options/bandera_%1.svg").arg(Texto(banderas[i - 1])),
                            QSize(30, 20), PicOpciones_);
        bandera->move(RectTwips(900 + (i - 1) * 540, 5160, 0, 0).topLeft());
        // The names of the languages are never translated.
        bandera->setToolTip(Texto(idiomas[i - 1]));
        bandera->setAccessibleName(bandera->toolTip());
        ImgIdioma_[static_cast<size_t>(i)] = bandera;
    }
    for (int i = 0; i <= 5; ++i) {
        ImgIdioma_[static_cast<size_t>(i)]->setObjectName(QStringLiteral("ImgIdioma%1").arg(i));
        connect(ImgIdioma_[static_cast<size_t>(i)], &QAbstractButton::clicked, this,
                [this, i] { ImgIdioma_Click(i); });
    }
    titulo(15, QRect(360, 5580, 3000, 300), u"Español", 0);

    titulo(1, QRect(3720, 720, 3000, 300), u"Transparencia:");
    Barras_ = new BarrasTransparencia(PicOpciones_);
    Barras_->move(RectTwips(3720, 1080, 0, 0).topLeft());
    connect(Barras_, &BarrasTransparencia::barraPulsada, this, &FrmOpc::PicTr_Click);
    titulo(30, QRect(7440, 2130, 1500, 300), u"100 %", 0);

    titulo(3, QRect(3720, 2670, 3600, 420), u"Color del fondo:");
    CmdFColor_ = new BotonImagen(QStringLiteral(":/options/color.svg"), QSize(28, 28), PicOpciones_);
    CmdFColor_->setObjectName(QStringLiteral("CmdFColor"));
    CmdFColor_->move(RectTwips(7440, 2610, 0, 0).topLeft());
    connect(CmdFColor_, &QAbstractButton::clicked, this, &FrmOpc::CmdFColor_Click);

    titulo(4, QRect(3720, 3150, 3600, 420), u"Fuente de letra, tamaño y color:");
    CmdFuente_ = new BotonImagen(QStringLiteral(":/options/fuente.svg"), QSize(28, 28), PicOpciones_);
    CmdFuente_->setObjectName(QStringLiteral("CmdFuente"));
    CmdFuente_->move(RectTwips(7440, 3090, 0, 0).topLeft());
    connect(CmdFuente_, &QAbstractButton::clicked, this, &FrmOpc::CmdFuente_Click);

    const QString marcado = QStringLiteral(":/options/marcado.svg");
    const QString vacio = QStringLiteral(":/options/vacio.svg");
    titulo(5, QRect(3720, 3660, 3600, 420), u"Siempre visible:");
    ImgSvisible_ = new CasillaImagen(marcado, vacio, QSize(20, 20), PicOpciones_);
    ImgSvisible_->setObjectName(QStringLiteral("ImgSvisible"));
    ImgSvisible_->move(RectTwips(7500, 3630, 0, 0).topLeft());
    titulo(6, QRect(3720, 4110, 3600, 420), u"Abrir al inicio de güindous:");
    ImgInicio_ = new CasillaImagen(marcado, vacio, QSize(20, 20), PicOpciones_);
    ImgInicio_->setObjectName(QStringLiteral("ImgInicio"));
    ImgInicio_->move(RectTwips(7500, 4080, 0, 0).topLeft());

    titulo(9, QRect(3720, 4590, 3000, 300), u"Muestra:");
    PicMuestra_ = new VistaMuestra(PicOpciones_);
    PicMuestra_->setGeometry(RectTwips(3720, 4890, 5640, 1050));

    CmdGuardar_ = new BotonImagen(QStringLiteral(":/options/guardar.svg"), QSize(36, 36), PicOpciones_);
    CmdGuardar_->setObjectName(QStringLiteral("CmdGuardar"));
    CmdGuardar_->move(RectTwips(8100, 6060, 0, 0).topLeft());
    connect(CmdGuardar_, &QAbstractButton::clicked, this, &FrmOpc::CmdGuardar_Click);
    CmdCancelar_ = new BotonImagen(QStringLiteral(":/options/cancelar.svg"), QSize(36, 36), PicOpciones_);
    CmdCancelar_->setObjectName(QStringLiteral("CmdCancelar"));
    CmdCancelar_->move(RectTwips(8820, 6060, 0, 0).topLeft());
    connect(CmdCancelar_, &QAbstractButton::clicked, this, &FrmOpc::CmdCancelar_Click);

    PonerTextosIncorporados();

    // Tab runs down the date column, then down the look column, then to the two buttons.
    QList<QWidget *> orden{FraFecha_->CmbAnno, FraFecha_->CmbMes};
    for (QRadioButton *dia : FraFecha_->OptDia)
        orden << dia;
    orden << FraFecha_->ChkAnual << CmdAviso_;
    for (BotonImagen *idioma : ImgIdioma_)
        orden << idioma;
    for (QAbstractButton *barra : Barras_->PicTr)
        orden << barra;
    orden << CmdFColor_ << CmdFuente_ << ImgSvisible_ << ImgInicio_ << CmdGuardar_ << CmdCancelar_;
    for (qsizetype i = 0; i + 1 < orden.size(); ++i)
        setTabOrder(orden.at(i), orden.at(i + 1));
}

QLabel *FrmOpc::LblTitulo(int indice) const
{
    const auto encontrado = titulos_.find(indice);
    return encontrado == titulos_.end() ? nullptr : encontrado->second.texto;
}

QLabel *FrmOpc::LblSombra(int indice) const
{
    const auto encontrado = titulos_.find(indice);
    return encontrado == titulos_.end() ? nullptr : encontrado->second.sombra;
}

void FrmOpc::CargarOpciones()
{
    const AjustesLeidos ajustes = gral_.LeerAjustes();

    const QString espanol = QString::fromUtf16(Idioma::kEspanol);
    PonerTitulo(titulos_[15], Idioma::EsNombreValido(ajustes.idioma) ? ajustes.idioma : espanol);
    edicion_.NombreIdioma = titulos_[15].texto->text();

    // A hand-edited level outside 1 to 10 is clamped, so the main window never disappears.
    nivelGuardado_ = std::clamp<int>(ajustes.nivelTransp.value_or(kNivelMaximo), kNivelMinimo, kNivelMaximo);
    PicTr_Click(nivelGuardado_);

    PicMuestra_->PonerColores(ColorDesdeBgr(ajustes.fondo), PicMuestra_->ColorTexto());
    const QString no = Texto(Ajustes::No);
    ImgSvisible_->setChecked(ajustes.sVisible != no);
    ImgInicio_->setChecked(ajustes.inicio != no);

    FraFecha_->ChkAnual->setChecked(ajustes.anual);
    CargarFecha(ajustes.fecha);
    PicAviso_->Cargar(ajustes);

    if (ajustes.FuenteDefinida()) {
        QFont fuente(ajustes.fuente.nombre);
        fuente.setPointSizeF(ajustes.fuente.tam);
        fuente.setBold(ajustes.fuente.negrita);
        fuente.setItalic(ajustes.fuente.cursiva);
        fuente.setUnderline(ajustes.fuente.subrayada);
        fuente.setStrikeOut(ajustes.fuente.tachada);
        PicMuestra_->LblDiasAux->setFont(fuente);
        PicMuestra_->PonerColores(PicMuestra_->ColorFondo(), ColorDesdeBgr(ajustes.fuente.color));
    } else {
        PicMuestra_->LblDiasAux->setFont(VistaMuestra::FuenteOriginal());
        PicMuestra_->PonerColores(PicMuestra_->ColorFondo(), Qt::black);
    }

    if (IdiomaDisponible())
        AplicarIdioma();
    PicMuestra_->Centrar();
}

void FrmOpc::CargarFecha(const QString &guardada)
{
    const QString sinFecha = Texto(Ajustes::SinFecha);
    edicion_.FechaEvento = guardada;
    std::optional<QDate> fecha;
    if (guardada != sinFecha)
        fecha = Valores::Fecha(guardada);

    if (fecha && edicion_.Anual && fecha->year() < hoy_.year()) {
        // A yearly date is never obsolete; it is shown in the first offered year with its day.
        int anno = hoy_.year();
        while (!QDate::isValid(anno, fecha->month(), fecha->day()))
            ++anno;
        fecha = QDate(anno, fecha->month(), fecha->day());
    } else if (fecha && fecha->year() < hoy_.year()) {
        gral_.plataforma.Informar(
            this, tr("Fecha obsoleta."),
            tr("La fecha seleccionada (%1) para el último\nevento es muy antigua. Se reinicirá a la "
               "fecha actual.")
                .arg(QLocale().toString(*fecha, QLocale::ShortFormat)));
        edicion_.FechaEvento = sinFecha;
        gral_.GuardarAjuste(Ajustes::Fecha, sinFecha, this);
        gral_.Recargar = true;
        fecha.reset();
    } else if (guardada != sinFecha && (!fecha || !FraFecha_->Ofrecida(*fecha))) {
        // Malformed or beyond the offered years: shown as no date; only a save writes it.
        edicion_.FechaEvento = sinFecha;
        fecha.reset();
    }
    FraFecha_->Cargar(fecha);
}

void FrmOpc::PicTr_Click(int nivel)
{
    Barras_->Marcar(nivel);
    PonerTitulo(titulos_[30], QStringLiteral("%1 %").arg(nivel * 10));
    const int acotado = std::clamp(nivel, kNivelMinimo, kNivelMaximo);
    gral_.AplicarTransparencia(principal_, static_cast<qint16>(Valores::OpacidadDesdeNivel(acotado)));
}

void FrmOpc::CmdFColor_Click()
{
    const std::optional<QColor> color = gral_.plataforma.ElegirColor(this, PicMuestra_->ColorFondo());
    if (!color)
        return;
    PicMuestra_->PonerColores(*color, PicMuestra_->ColorTexto());
}

void FrmOpc::CmdFuente_Click()
{
    const auto elegido =
        gral_.plataforma.ElegirFuenteYColor(this, PicMuestra_->LblDiasAux->font(), PicMuestra_->ColorTexto());
    if (!elegido)
        return;
    PicMuestra_->LblDiasAux->setFont(elegido->first);
    PicMuestra_->PonerColores(PicMuestra_->ColorFondo(), elegido->second);
    PicMuestra_->Centrar();
}

void FrmOpc::CmdAviso_Click()
{
    PicOpciones_->hide();
    PicAviso_->show();
    PicAviso_->ImgAviso[0]->setFocus();
}

void FrmOpc::CmdAvisoOk_Click()
{
    PicAviso_->CmdAvisoOk_Click();
}

void FrmOpc::CmdGuardar_Click()
{
    const QFont fuente = PicMuestra_->LblDiasAux->font();
    const QString fecha =
        FraFecha_->Elegida() ? Valores::TextoFecha(*FraFecha_->Elegida()) : edicion_.FechaEvento;
    const QString idioma = titulos_[15].texto->text();
    const QString inicio = Texto(ImgInicio_->isChecked() ? Ajustes::Si : Ajustes::No);
    QList<EscrituraPerfil> escrituras{
        EscrituraAjuste(Ajustes::Fecha, fecha),
        // Only while it is set, so that a file that never used it keeps its bytes.
        edicion_.Anual ? EscrituraAjuste(Ajustes::Anual, Texto(Ajustes::Si)) : BorradoAjuste(Ajustes::Anual),
        EscrituraAjuste(Ajustes::Idioma, idioma),
        EscrituraAjuste(Ajustes::Transp, QString::number(Barras_->Nivel())),
        EscrituraAjuste(Ajustes::FColor, Valores::TextoColor(BgrDesdeColor(PicMuestra_->ColorFondo()))),
        EscrituraAjuste(Ajustes::SVisible, Texto(ImgSvisible_->isChecked() ? Ajustes::Si : Ajustes::No)),
        EscrituraAjuste(Ajustes::Inicio, inicio),
        EscrituraAjuste(Ajustes::Aviso, QString::number(edicion_.TipoAviso)),
        EscrituraAjuste(Ajustes::Evento, PicAviso_->TxtEvento->text()),
        EscrituraAjuste(Ajustes::Sonido, edicion_.ArchivoSonido),
        EscrituraAjuste(Ajustes::Archivo, edicion_.ArchivoAbrir),
        EscrituraAjuste(Ajustes::Icono, edicion_.IconoAviso),
        EscrituraAjuste(Ajustes::FuenteNombre, fuente.family()),
        EscrituraAjuste(Ajustes::FuenteTam, TextoTamano(fuente.pointSizeF())),
        EscrituraAjuste(Ajustes::FuenteNegrita, TextoBooleano(fuente.bold())),
        EscrituraAjuste(Ajustes::FuenteCursiva, TextoBooleano(fuente.italic())),
        EscrituraAjuste(Ajustes::FuenteSubrayada, TextoBooleano(fuente.underline())),
        EscrituraAjuste(Ajustes::FuenteTachada, TextoBooleano(fuente.strikeOut())),
        EscrituraAjuste(Ajustes::FuenteColor, Valores::TextoColor(BgrDesdeColor(PicMuestra_->ColorTexto()))),
    };

    // A further countdown's file holds the count's own keys; the language and start with the
    // system are the program's, kept in the first countdown's file.
    if (!gral_.EsPrimera()) {
        escrituras.removeIf([](const EscrituraPerfil &escritura) {
            return ModGral::EsAjusteDelPrograma(escritura.seccion, escritura.clave);
        });
    }

    // All the keys in one replacement of the file: a failed save changes nothing, and the
    // dialog stays open with everything the user chose.
    QString motivo;
    gral_.carpetas.PrepararAjustes();
    const QString destino = gral_.DestinoDeEscritura(gral_.ArchivoIni, &motivo);
    if (destino.isEmpty() || !EscribirPerfilLote(destino, escrituras, &motivo)) {
        gral_.plataforma.Avisar(this, QStringLiteral("Dexo"),
                                tr("No se pudieron guardar las opciones en\n%1\n\n%2\n\n"
                                   "Las opciones siguen abiertas con sus cambios.")
                                    .arg(QDir::toNativeSeparators(gral_.ArchivoIni), motivo));
        return;
    }
    if (!gral_.EsPrimera()) {
        gral_.GuardarAjuste(Ajustes::Idioma, idioma, this);
        gral_.GuardarAjuste(Ajustes::Inicio, inicio, this);
    }
    // The main window takes everything from the file it now reads: one way into the shared state.
    gral_.Recargar = true;
    // The file records the choice even when the entry cannot be written; the user is told then.
    gral_.InicioSistema.Aplicar(ImgInicio_->isChecked(), gral_.RutaPrograma, this);
    accept();
}

void FrmOpc::CmdCancelar_Click()
{
    CargarOpciones();
}

void FrmOpc::reject()
{
    // The close box on the notice panel only returns to the main panel.
    if (PicAviso_->isVisible()) {
        CmdAvisoOk_Click();
        return;
    }
    QDialog::reject();
}

void FrmOpc::done(int resultado)
{
    PicMuestra_->Detener();
    if (resultado != QDialog::Accepted) {
        // Closed without saving: the transparency previewed and a language tried here end with
        // the dialog; everything else it edited lived only in it.
        gral_.AplicarTransparencia(principal_,
                                   static_cast<qint16>(Valores::OpacidadDesdeNivel(nivelGuardado_)));
        gral_.Traduccion.Aplicar(gral_.NombreIdioma);
    }
    QDialog::done(resultado);
}

void FrmOpc::CambiarHoy(QDate hoy)
{
    hoy_ = hoy;
    FraFecha_->CambiarHoy(hoy);
}
