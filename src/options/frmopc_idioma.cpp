// The language side of the options dialog: the [Opciones] texts of a language file and the
// language pickers. No setting is written here; the save records the language chosen.
#include "apariencia.h"
#include "botonimagen.h"
#include "claves.h"
#include "frmopc.h"
#include "idiomas.h"
#include "modgral.h"
#include "panelaviso.h"
#include "plataforma.h"
#include "selectorfecha.h"
#include "textoliteral.h"

#include <QLabel>

#include <optional>

namespace {

constexpr char16_t kFiltroIdioma[] = u"Idioma :: Language :: Langue :: Lingua (DXL)|*.dxl";

const ClaveIdioma &Clave(int indice)
{
    return Idioma::kClaves[static_cast<size_t>(indice)];
}

// A tip as the window shows it: with "..." where the key table asks for them.
QString Consejo(int tip, const QString &valor)
{
    return Clave(Idioma::kTip0 + tip).puntos ? valor + QString::fromUtf16(Idioma::kPuntos) : valor;
}

} // namespace

void FrmOpc::PonerTextos(const QStringList &titulos, const QString &ventana, const QStringList &consejos)
{
    for (int i = 0; i <= 14; ++i)
        PonerTitulo(titulos_[i], i == 0
                                     ? QStringLiteral(".: ") + titulos.at(0).toUpper() + QStringLiteral(" :.")
                                     : titulos.at(i));
    setWindowTitle(QStringLiteral(".:: ") + ventana + QStringLiteral(" ::."));

    // Tips come from a file: shown as plain text, whatever they hold.
    auto consejo = [](QWidget *control, const QString &texto) {
        control->setToolTip(TooltipLiteral(texto));
        control->setAccessibleName(texto);
    };
    // The language picker's tip serves the colour and font buttons too.
    const QString seleccionar = Consejo(0, consejos.at(0));
    consejo(ImgIdioma_[0], seleccionar);
    consejo(CmdFColor_, seleccionar);
    consejo(CmdFuente_, seleccionar);
    consejo(CmdGuardar_, Consejo(1, consejos.at(1)));
    consejo(CmdCancelar_, Consejo(2, consejos.at(2)));
    for (int i = 0; i < 3; ++i)
        consejo(PicAviso_->ImgSelec[static_cast<size_t>(i)], Consejo(3 + i, consejos.at(3 + i)));
    consejo(PicAviso_->CmdAvisoOk, Consejo(6, consejos.at(6)));

    // Picture controls are named after the caption beside them; the three pickers share a tip.
    ImgIdioma_[0]->setAccessibleName(titulos.at(2) + QLatin1Char(' ') + seleccionar);
    CmdFColor_->setAccessibleName(titulos.at(3));
    CmdFuente_->setAccessibleName(titulos.at(4));
    ImgSvisible_->setAccessibleName(titulos.at(5));
    ImgInicio_->setAccessibleName(titulos.at(6));
    CmdAviso_->setAccessibleName(titulos.at(8));
    PicAviso_->ImgAviso[0]->setAccessibleName(titulos.at(10));
    PicAviso_->TxtEvento->setAccessibleName(titulos.at(12));
    PicAviso_->ImgAviso[1]->setAccessibleName(titulos.at(13));
    PicAviso_->ImgAviso[2]->setAccessibleName(titulos.at(14));
}

QString FrmOpc::ArchivoIdioma() const
{
    return gral_.ArchivoIdioma(edicion_.NombreIdioma);
}

bool FrmOpc::IdiomaDisponible() const
{
    return gral_.ExisteIdioma(edicion_.NombreIdioma);
}

void FrmOpc::PonerTextosIncorporados()
{
    QStringList titulos;
    for (int i = 0; i <= 14; ++i)
        titulos << Clave(Idioma::kT0 + i).TextoPropio();
    QStringList consejos;
    for (int i = 0; i <= 6; ++i)
        consejos << Clave(Idioma::kTip0 + i).TextoPropio();
    PonerTextos(titulos, Clave(Idioma::kMC).TextoPropio(), consejos);
    FraFecha_->PonerIndicacion(Clave(Idioma::kFC).TextoPropio(), false);
}

void FrmOpc::AplicarIdioma()
{
    // The dialog, its date frame and notice panel, and Qt's dialogs opened from it, switch too.
    gral_.Traduccion.Aplicar(edicion_.NombreIdioma);
    const Idioma::TextosLeidos archivo(ArchivoIdioma(), Idioma::kLargoUsado);
    const QString falta = QString::fromUtf16(Idioma::kFalta);
    QStringList titulos;
    for (int i = 0; i <= 14; ++i) {
        const QString valor = archivo.Texto(Idioma::kT0 + i);
        if (i == 0 && valor == falta) {
            if (enRespaldoIdioma_) {
                // Español itself gives no texts: keep the built-in Spanish ones.
                PonerTextosIncorporados();
                return;
            }
            enRespaldoIdioma_ = true;
            ImgIdioma_Click(1);
            enRespaldoIdioma_ = false;
            return;
        }
        titulos << valor;
    }
    const QString porDefecto = QString::fromUtf16(Idioma::kDefectoTituloOpciones);
    const QString ventana = archivo.Texto(Idioma::kMC, porDefecto);
    QStringList consejos;
    for (int i = 0; i <= 6; ++i)
        consejos << archivo.Texto(Idioma::kTip0 + i);
    PonerTextos(titulos, ventana, consejos);
    // The prompt after a change of year or month is the language's too, not only the first one.
    FraFecha_->PonerIndicacion(archivo.Texto(Idioma::kFC, porDefecto),
                               edicion_.FechaEvento == QString::fromUtf16(Ajustes::SinFecha));
}

void FrmOpc::ImgIdioma_Click(int indice)
{
    if (indice == 0) {
        const QString ruta = gral_.plataforma.ElegirArchivoAbrir(this, ImgIdioma(0)->toolTip(),
                                                                 gral_.carpetas.CarpetaDialogos(),
                                                                 QString::fromUtf16(kFiltroIdioma));
        // The chosen file becomes a language of the folders at once (the save records only its
        // name), or the user hears why not and the dialog stays as it was.
        if (!ruta.isEmpty()) {
            const Idioma::IdiomaElegido elegido =
                Idioma::AdoptarArchivo(gral_.carpetas, ruta, [this](const QString &pregunta) {
                    return gral_.plataforma.Preguntar(this, windowTitle(), pregunta);
                });
            if (!elegido.aviso.isEmpty())
                gral_.plataforma.Avisar(this, windowTitle(), elegido.aviso);
            if (!elegido.nombre)
                return;
            PonerTitulo(titulos_[15], *elegido.nombre);
        }
    } else if (indice >= 1 && indice <= 5) {
        PonerTitulo(titulos_[15], QString::fromUtf16(Idioma::kIdiomas[static_cast<size_t>(indice - 1)]));
    }
    edicion_.NombreIdioma = titulos_[15].texto->text();
    if (IdiomaDisponible()) {
        AplicarIdioma();
        return;
    }
    edicion_.NombreIdioma = QString::fromUtf16(Idioma::kEspanol);
    PonerTitulo(titulos_[15], edicion_.NombreIdioma);
}
