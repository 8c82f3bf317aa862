#include "frmmain.h"

#include "botonimagen.h"
#include "claves.h"
#include "claves_idioma.h"
#include "idiomas.h"
#include "nombreguardado.h"
#include "perfil.h"
#include "plataforma.h"
#include "textoentero.h"
#include "textoliteral.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QTimer>

using Paginas::EstadoTexto;

namespace {

// The file to write exists and is not the one chosen (a case-blind system may call both one file).
bool ReemplazaOtroArchivo(const QString &elegido, const QString &escrito)
{
    const QFileInfo destino(escrito);
    return elegido != escrito && destino.exists() &&
           !(QFileInfo::exists(elegido) && QFileInfo(elegido) == destino);
}

const QString kFiltro = QStringLiteral("Idioma :: Language :: Langue :: Lingua (DXL)|*.dxl");
constexpr int kDuracionNotaMs = 5000;

QString Falta()
{
    return QString::fromUtf16(Idioma::kFalta);
}

} // namespace

FrmMain::FrmMain(Plataforma &plataforma, const QString &carpetaPrograma, QWidget *padre)
    : FrmMain(plataforma, Carpetas(carpetaPrograma, carpetaPrograma), padre)
{
}

FrmMain::FrmMain(Plataforma &plataforma, const Carpetas &carpetas, QWidget *padre)
    : QWidget(padre), carpetas_(carpetas), plataforma_(plataforma)
{
    // Dexo's settings are where Dexo keeps them; the help ships with the program.
    RutaPrograma = carpetas_.Programa();
    ArchivoIni = carpetas_.LecturaAjustes(QStringLiteral("Dexo.INI"));
    ArchivoAyuda = RutaPrograma + QStringLiteral("Ayuda.chm");

    // Tradel's own texts follow Dexo's current language, from the first one built.
    traduccion_.Aplicar(LeerAjuste(ArchivoIni, Ajustes::Idioma));

    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral(".: Tradel :: Dexo :: Idioma : Language : Langue : Lingua :."));
    ConstruirVentana();
    TmrNota = new QTimer(this);
    TmrNota->setObjectName(QStringLiteral("TmrNota"));
    TmrNota->setSingleShot(true);
    TmrNota->setInterval(kDuracionNotaMs);
    connect(TmrNota, &QTimer::timeout, this, &FrmMain::ActualizarMarcas);
}

void FrmMain::Form_Load()
{
    MostrarPagina(0);
    for (int s = 0; s < Paginas::kSlots; ++s) {
        LblTitulo[s]->clear();
        TxTIdioma[s]->clear();
    }
    textosGuardados_.fill(QString());
    largos_.fill(QString());

    // Dexo's current language is the reference; a name that is no language means Español.
    QString nombre = LeerAjuste(ArchivoIni, Ajustes::Idioma);
    if (!Idioma::EsNombreValido(nombre))
        nombre = QString::fromUtf16(Idioma::kEspanol);
    ArchivoIdioma = carpetas_.RutaIdioma(nombre);
    CargarTitulos();
    ActualizarMarcas();
    EnfocarPagina();
}

void FrmMain::TituloDeSlot(int slot, const QString &texto)
{
    QLabel *etiqueta = LblTitulo[slot];
    etiqueta->setText(texto);
    // A screen reader names each box by the text it translates.
    TxTIdioma[slot]->setAccessibleName(texto);
    // A text wider than the label is cut with "..." on screen; the tooltip shows it whole.
    const bool cabe = etiqueta->fontMetrics().horizontalAdvance(texto) <= etiqueta->width();
    etiqueta->setToolTip(cabe ? QString() : TooltipLiteral(texto));
}

void FrmMain::CargarTitulos()
{
    // A label shows one line: no more of a text is read than a box would hold.
    const Idioma::TextosLeidos textos(ArchivoIdioma, Paginas::kLargoCaja);
    for (int s = 0; s < Paginas::kSlotsUsados; ++s) {
        TituloDeSlot(s, textos.Texto(s));
        if (s >= Idioma::kTip0) {
            const QString consejo =
                TooltipLiteral(LblTitulo[Idioma::kTip0]->text() + QString::fromUtf16(Idioma::kPuntos));
            ImgSelIdioma[0]->setToolTip(consejo);
            ImgSelIdioma[1]->setToolTip(consejo);
        }
    }
    QString guardar = LblTitulo[Idioma::kTip0 + 1]->text().toUpper();
    CmdGuardar->setText(guardar.replace(u'&', QStringLiteral("&&")));
}

void FrmMain::CargarTextos()
{
    const Idioma::TextosLeidos textos(ArchivoIdioma, -1);
    for (int s = 0; s < Paginas::kSlotsUsados; ++s) {
        QString texto = textos.Texto(s);
        largos_[s] = QString();
        if (texto.size() > Paginas::kLargoCaja) {
            // Laying out megabytes in a box would freeze the window: it shows the beginning.
            largos_[s] = texto;
            texto.truncate(PrincipioEntero(texto, Paginas::kLargoCaja).size());
        }
        textosGuardados_[s] = texto;
        TxTIdioma[s]->setText(texto);
    }
    ActualizarMarcas();
    TxTIdioma[0]->selectAll();
}

void FrmMain::ImgIdioma_Click(int n)
{
    if (n < 1 || n > 10)
        return;
    if (n >= 6 && !PuedeDejarLosTextos(tr("¿Guardarlos antes de cargar otro idioma?")))
        return;
    ArchivoIdioma = carpetas_.RutaIdioma(ImgIdioma[n]->toolTip());
    if (n <= 5)
        CargarTitulos();
    else
        CargarTextos();
}

void FrmMain::ImgSelIdioma_Click(int n)
{
    if (n == 1 && !PuedeDejarLosTextos(tr("¿Guardarlos antes de cargar otro idioma?")))
        return;
    const QString ruta = plataforma_.ElegirArchivoAbrir(
        this, LblTitulo[Idioma::kTip0]->text() + QString::fromUtf16(Idioma::kPuntos),
        carpetas_.CarpetaDialogos(), kFiltro);
    if (ruta.isEmpty())
        return;
    ArchivoIdioma = QDir::toNativeSeparators(ruta);
    if (n == 0)
        CargarTitulos();
    else
        CargarTextos();
}

void FrmMain::MostrarPagina(int pagina)
{
    PaginaActual = static_cast<qint16>(std::clamp(pagina, 0, Paginas::kPaginas - 1));
    paginas_->setCurrentIndex(PaginaActual);
    CmdMenos->setEnabled(PaginaActual > 0);
    CmdMas->setEnabled(PaginaActual < Paginas::kPaginas - 1);
    LblPag->setText(QString::number(PaginaActual + 1) + QStringLiteral(" / ") +
                    QString::number(Paginas::kPaginas));
    ActualizarMarcas();
}

void FrmMain::CmdMas_Click()
{
    if (PaginaActual >= Paginas::kPaginas - 1)
        return;
    MostrarPagina(PaginaActual + 1);
    EnfocarPagina();
}

void FrmMain::CmdMenos_Click()
{
    if (PaginaActual <= 0)
        return;
    MostrarPagina(PaginaActual - 1);
    EnfocarPagina();
}

void FrmMain::EnfocarPagina()
{
    TxTIdioma[Paginas::PrimerSlot(PaginaActual)]->setFocus(Qt::OtherFocusReason);
}

void FrmMain::TxTIdioma_GotFocus(int slot)
{
    TxTIdioma[slot]->selectAll();
}

void FrmMain::IrASlot(int slot)
{
    const int pagina = Paginas::PaginaDeSlot(slot);
    if (pagina != PaginaActual)
        MostrarPagina(pagina);
    TxTIdioma[slot]->setFocus(Qt::TabFocusReason);
    TxTIdioma_GotFocus(slot);
}

void FrmMain::SiguienteMarcado()
{
    int desde = 0;
    for (int s = 0; s < Paginas::kSlotsUsados; ++s) {
        if (TxTIdioma[s]->hasFocus())
            desde = s + 1;
    }
    for (int paso = 0; paso < Paginas::kSlotsUsados; ++paso) {
        const int s = (desde + paso) % Paginas::kSlotsUsados;
        if (Paginas::Estado(TxTIdioma[s]->text(), Largo(s)) != EstadoTexto::Escrito) {
            IrASlot(s);
            return;
        }
    }
}

bool FrmMain::HayCambiosSinGuardar() const
{
    for (int s = 0; s < Paginas::kSlotsUsados; ++s) {
        if (TxTIdioma[s]->text() != textosGuardados_[s])
            return true;
    }
    return false;
}

int FrmMain::TextosEscritos() const
{
    int escritos = 0;
    for (int s = 0; s < Paginas::kSlotsUsados; ++s) {
        if (Paginas::Estado(TxTIdioma[s]->text()) != EstadoTexto::Falta)
            ++escritos;
    }
    return escritos;
}

bool FrmMain::Largo(int slot) const
{
    return !largos_[slot].isNull() && TxTIdioma[slot]->text() == textosGuardados_[slot];
}

bool FrmMain::PuedeDejarLosTextos(const QString &pregunta)
{
    if (!HayCambiosSinGuardar())
        return true;
    switch (plataforma_.PreguntarGuardar(this, windowTitle(),
                                         tr("Hay textos que no se han guardado.") + u'\n' + pregunta)) {
    case Plataforma::RespuestaGuardar::Guardar:
        return Guardar();
    case Plataforma::RespuestaGuardar::Descartar:
        return true;
    case Plataforma::RespuestaGuardar::Volver:
        break;
    }
    return false;
}

void FrmMain::CmdGuardar_Click()
{
    Guardar();
}

bool FrmMain::Guardar()
{
    // A language the user writes goes to the settings folder, beside Dexo's own settings.
    carpetas_.PrepararAjustes();
    ArchivoAGuardar archivo;
    while (archivo.ruta.isEmpty()) {
        const QString ruta = plataforma_.ElegirArchivoGuardar(this, LblTitulo[Idioma::kTip0 + 1]->text(),
                                                              carpetas_.CarpetaDialogos(), kFiltro);
        if (ruta.isEmpty())
            return false;
        // A name Dexo would never offer is refused with its reason, and the dialog comes back.
        archivo = ArchivoDeIdioma(ruta);
        if (archivo.ruta.isEmpty())
            plataforma_.Avisar(this, windowTitle(), archivo.motivo);
        // The dialog asked about the name as chosen; the file written may be another one.
        else if (ReemplazaOtroArchivo(ruta, archivo.ruta) &&
                 !plataforma_.Preguntar(
                     this, windowTitle(),
                     tr("%1 ya existe.\n¿Quiere reemplazarlo?").arg(QFileInfo(archivo.ruta).fileName())))
            archivo = {};
    }
    ArchivoIdioma = QDir::toNativeSeparators(archivo.ruta);

    QList<EscrituraPerfil> escrituras;
    for (int s = 0; s < Paginas::kSlotsUsados; ++s) {
        const bool largo = Largo(s);
        if (TxTIdioma[s]->text().isEmpty())
            TxTIdioma[s]->setText(Falta());
        const ClaveIdioma &clave = Idioma::kClaves[s];
        // Written so that the file gives each text back exactly as typed.
        escrituras.append(
            {clave.Seccion(), clave.Clave(), ValorLiteral(largo ? largos_[s] : TxTIdioma[s]->text())});
    }
    // One replacement of the file: a failure leaves it as it was, and the boxes keep the texts.
    QString motivo;
    if (!EscribirPerfilLote(ArchivoIdioma, escrituras, &motivo)) {
        QString texto = tr("No se pudo guardar el idioma en\n%1").arg(ArchivoIdioma);
        if (!motivo.isEmpty())
            texto += QStringLiteral("\n\n") + motivo;
        plataforma_.AvisarError(this,
                                windowTitle() + QStringLiteral(" :: ") +
                                    CmdGuardar->text().replace(QStringLiteral("&&"), QStringLiteral("&")),
                                texto);
        return false;
    }

    for (int s = 0; s < Paginas::kSlots; ++s)
        TxTIdioma[s]->clear();
    textosGuardados_.fill(QString());
    largos_.fill(QString());
    MostrarPagina(0);
    CargarTitulos();
    EnfocarPagina();
    // The boxes are empty again: a note in the counter line says where the work went.
    const QString nombre = QFileInfo(ArchivoIdioma).fileName();
    // Between the page buttons: a long name is cut in its middle.
    LblCuenta->setText(
        tr("Guardado: %1").arg(LblCuenta->fontMetrics().elidedText(nombre, Qt::ElideMiddle, width() / 2)));
    LblCuenta->setToolTip(TooltipLiteral(ArchivoIdioma));
    TmrNota->start();
    return true;
}

void FrmMain::ActualizarMarcas()
{
    // Still to translate: a warm tint; a text too long for its box: a tint of its own, and a
    // tooltip that says so. The page buttons carry a mark while pages beyond them hold such boxes.
    std::array<bool, Paginas::kPaginas> paginaMarcada{};
    for (int s = 0; s < Paginas::kSlotsUsados; ++s) {
        const EstadoTexto estado = Paginas::Estado(TxTIdioma[s]->text(), Largo(s));
        TxTIdioma[s]->setToolTip(
            estado == EstadoTexto::Largo
                ? tr("Este texto tiene %1 caracteres; la casilla muestra el principio. Se guarda entero "
                     "mientras no lo cambie.")
                      .arg(largos_[s].size())
                : QString());
        QPalette paleta = TxTIdioma[s]->palette();
        switch (estado) {
        case EstadoTexto::Escrito:
            paleta.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xFF));
            break;
        case EstadoTexto::Falta:
            paleta.setColor(QPalette::Base, QColor(0xFF, 0xF0, 0xD2));
            break;
        case EstadoTexto::Largo:
            paleta.setColor(QPalette::Base, QColor(0xF4, 0xDC, 0xF6));
            break;
        }
        TxTIdioma[s]->setPalette(paleta);
        TxTIdioma[s]->setProperty("estado", static_cast<int>(estado));
        if (estado != EstadoTexto::Escrito)
            paginaMarcada[Paginas::PaginaDeSlot(s)] = true;
    }
    bool antes = false;
    bool despues = false;
    for (int p = 0; p < Paginas::kPaginas; ++p) {
        if (p < PaginaActual)
            antes = antes || paginaMarcada[p];
        if (p > PaginaActual)
            despues = despues || paginaMarcada[p];
    }
    CmdMenos->PonerSenal(antes);
    CmdMas->PonerSenal(despues);
    LblCuenta->setText(QString::number(TextosEscritos()) + QStringLiteral(" / ") +
                       QString::number(Paginas::kSlotsUsados));
    LblCuenta->setToolTip(QString());
    if (TmrNota)
        TmrNota->stop();
}

bool FrmMain::Teclado(int slot, QKeyEvent *evento)
{
    const bool control = evento->modifiers().testFlag(Qt::ControlModifier);
    switch (evento->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (control && evento->key() != Qt::Key_Tab) {
            SiguienteMarcado();
            return true;
        }
        if (slot < 0)
            return false;
        if (slot + 1 < Paginas::kSlotsUsados)
            IrASlot(slot + 1);
        else
            CmdGuardar->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Backtab:
        if (slot <= 0)
            return false; // on to the pickers
        IrASlot(slot - 1);
        return true;
    case Qt::Key_PageDown:
        CmdMas_Click();
        return true;
    case Qt::Key_PageUp:
        CmdMenos_Click();
        return true;
    case Qt::Key_S:
        if (!control)
            return false;
        CmdGuardar_Click();
        return true;
    default:
        return false;
    }
}

bool FrmMain::eventFilter(QObject *objeto, QEvent *evento)
{
    int slot = -1;
    for (int s = 0; s < Paginas::kSlots; ++s) {
        if (objeto == TxTIdioma[s])
            slot = s;
    }
    switch (evento->type()) {
    case QEvent::KeyPress: {
        auto *tecla = static_cast<QKeyEvent *>(evento);
        // Enter presses the save button, as Space does.
        if (objeto == CmdGuardar && tecla->modifiers() == Qt::NoModifier &&
            (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter)) {
            CmdGuardar_Click();
            return true;
        }
        return Teclado(slot, tecla);
    }
    case QEvent::FocusIn:
        if (slot >= 0) {
            TxTIdioma_GotFocus(slot);
            // A click places the caret after the focus arrives: select again once it has.
            QTimer::singleShot(0, TxTIdioma[slot], [this, slot] {
                if (TxTIdioma[slot]->hasFocus() && !TxTIdioma[slot]->hasSelectedText())
                    TxTIdioma_GotFocus(slot);
            });
        }
        return false;
    case QEvent::MouseButtonDblClick:
        if (slot < 0)
            return false;
        TxTIdioma_GotFocus(slot);
        return true;
    default:
        return false;
    }
}

void FrmMain::keyPressEvent(QKeyEvent *evento)
{
    // Keys that no control took: paging and saving work wherever the focus is.
    if (!Teclado(-1, evento))
        QWidget::keyPressEvent(evento);
}

void FrmMain::closeEvent(QCloseEvent *evento)
{
    if (PuedeDejarLosTextos(tr("¿Guardarlos antes de cerrar?")))
        evento->accept();
    else
        evento->ignore();
}
