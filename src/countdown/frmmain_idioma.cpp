// The main window's language: the texts of the popup menu from the current language file, and the
// menu's language commands.
#include "frmmain.h"

#include "claves.h"
#include "idiomas.h"
#include "imagensvg.h"
#include "menuprincipal.h"
#include "modgral.h"
#include "plataforma.h"
#include "textoliteral.h"

#include <QFileInfo>
#include <QScopedValueRollback>

#include <array>

namespace {

constexpr int kClaveTooltipMenu = 9;
constexpr int kClaveCerrar = 8;

QString Decorado(const QString &nombre)
{
    return TextoLiteralMenu(QStringLiteral(".: ") + nombre + QStringLiteral(" :."));
}

QString Espanol()
{
    return QString::fromUtf16(Idioma::kEspanol);
}

// The menu item of each [Menu] key; key 9 is the menu picture's tooltip, which has no item.
QAction *AccionDeClave(MenuPrincipal &menu, int clave)
{
    const std::array<QAction *, Idioma::kNumClavesMenu> acciones = {
        menu.mnuOpciones,  menu.mnuVisible,   menu.mnuInicio, menu.mnuSelIdioma->menuAction(),
        menu.mnuTradel[0], menu.mnuTradel[1], menu.mnuEvento, menu.mnuAyuda,
        menu.mnuCerrar,    nullptr,           menu.mnuInfo};
    return acciones[static_cast<size_t>(clave)];
}

} // namespace

void FrmMain::ConectarMenuIdioma()
{
    // The design's own texts, before any language file touches them.
    for (int clave = 0; clave < Idioma::kNumClavesMenu; ++clave)
        textosPropios_[clave] = TextoMenu(clave);

    for (int n = 1; n <= 5; ++n)
        connect(mnuMenu_->mnuIdioma[n], &QAction::triggered, this, [this, n] { mnuIdioma_Click(n); });
    connect(mnuMenu_->mnuTradel[0], &QAction::triggered, this, [this] { mnuTradel_Click(0); });
    connect(mnuMenu_->mnuTradel[1], &QAction::triggered, this, [this] { mnuTradel_Click(1); });
}

QString FrmMain::TextoMenu(int clave) const
{
    if (clave == kClaveTooltipMenu)
        return ImgMenu_->toolTip();
    return AccionDeClave(*mnuMenu_, clave)->text();
}

void FrmMain::PonerTextoMenu(int clave, const QString &texto)
{
    if (clave == kClaveTooltipMenu) {
        ImgMenu_->setToolTip(texto);
        return;
    }
    QAction *accion = AccionDeClave(*mnuMenu_, clave);
    // A further countdown's close leaves the program running: the language's "close the
    // program" would say otherwise.
    accion->setText(clave == kClaveCerrar && !gral_.EsPrimera()
                        ? TextoLiteralMenu(tr("Cerrar esta cuenta atrás"))
                        : texto);
    AcotarTextoMenu(accion);
}

void FrmMain::TextoCerrarCuenta()
{
    if (!gral_.EsPrimera())
        PonerTextoMenu(kClaveCerrar, {});
}

void FrmMain::AplicarIdioma()
{
    // A missing file comes back here as Español, which then brings its own translations.
    gral_.Traduccion.Aplicar(gral_.NombreIdioma);
    for (int n = 1; n <= 5; ++n)
        mnuMenu_->mnuIdioma[n]->setChecked(QString::fromUtf16(Idioma::kIdiomas[n - 1]) == gral_.NombreIdioma);
    mnuMenu_->mnuIdiomaSel->setText(Decorado(gral_.NombreIdioma));
    AcotarTextoMenu(mnuMenu_->mnuIdiomaSel);

    // A name that is no language gives no path, so it reads as a missing file.
    const QString archivo = gral_.ArchivoIdioma(gral_.NombreIdioma);
    const Idioma::TextosLeidos textos(archivo, Idioma::kLargoUsado);
    const QString primero = textos.Texto(0);
    if (primero == QString::fromUtf16(Idioma::kFalta)) {
        if (respaldoEnCurso_) {
            // Even Español.dxl has no texts: the menu shows its own Spanish texts, once.
            for (int clave = 0; clave < Idioma::kNumClavesMenu; ++clave)
                PonerTextoMenu(clave, textosPropios_[clave]);
            return;
        }
        const QScopedValueRollback respaldo(respaldoEnCurso_, true);
        mnuIdioma_Click(1);
        return;
    }

    for (int clave = 0; clave < Idioma::kNumClavesMenu; ++clave) {
        const ClaveIdioma &datos = Idioma::kClaves[clave];
        QString texto = textos.Texto(clave);
        if (datos.puntos)
            texto += QString::fromUtf16(Idioma::kPuntos);
        PonerTextoMenu(clave, clave == kClaveTooltipMenu ? TooltipLiteral(texto) : TextoLiteralMenu(texto));
    }
}

void FrmMain::mnuIdioma_Click(int n)
{
    for (int i = 1; i <= 5; ++i)
        mnuMenu_->mnuIdioma[i]->setChecked(i == n);
    const QString nombre = QString::fromUtf16(Idioma::kIdiomas[n - 1]);
    mnuMenu_->mnuIdiomaSel->setText(Decorado(nombre));
    AcotarTextoMenu(mnuMenu_->mnuIdiomaSel);
    gral_.NombreIdioma = nombre;

    if (gral_.ExisteIdioma(nombre)) {
        AplicarIdioma();
    } else {
        // No file for it: back to Español, and the menu keeps the texts it shows.
        mnuMenu_->mnuIdioma[n]->setChecked(false);
        mnuMenu_->mnuIdioma[1]->setChecked(true);
        mnuMenu_->mnuIdiomaSel->setText(Decorado(Espanol()));
        AcotarTextoMenu(mnuMenu_->mnuIdiomaSel);
        gral_.NombreIdioma = Espanol();
    }
    gral_.GuardarAjuste(Ajustes::Idioma, gral_.NombreIdioma, this);
    emit ajustesDelProgramaCambiados();
}

void FrmMain::mnuTradel_Click(int indice)
{
    if (indice == 0) {
        AbrirIdioma();
        return;
    }
    // Only a program that is there is started; a missing editor does nothing.
    const QString programa = gral_.ProgramaTradel();
    if (QFileInfo(programa).isFile())
        gral_.plataforma.IniciarPrograma(programa);
}

void FrmMain::AbrirIdioma()
{
    // The item's text without its "..." names the dialog, in the language shown.
    const QString titulo = mnuMenu_->mnuTradel[0]->iconText();
    const QString ruta = gral_.plataforma.ElegirArchivoAbrir(
        this, titulo, gral_.carpetas.CarpetaDialogos(),
        QStringLiteral("Idioma :: Language :: Lingua :: Langue (DXL)|*.dxl"));
    if (ruta.isEmpty())
        return;
    // The chosen file is the language from now on, or the user hears why not and keeps the one shown.
    const Idioma::IdiomaElegido elegido =
        Idioma::AdoptarArchivo(gral_.carpetas, ruta, [this, &titulo](const QString &pregunta) {
            return gral_.plataforma.Preguntar(this, titulo, pregunta);
        });
    if (!elegido.aviso.isEmpty())
        gral_.plataforma.Avisar(this, titulo, elegido.aviso);
    if (!elegido.nombre)
        return;

    gral_.NombreIdioma = *elegido.nombre;
    gral_.GuardarAjuste(Ajustes::Idioma, gral_.NombreIdioma, this);
    for (int n = 1; n <= 5; ++n)
        mnuMenu_->mnuIdioma[n]->setChecked(QString::fromUtf16(Idioma::kIdiomas[n - 1]) == gral_.NombreIdioma);
    AplicarIdioma();
    emit ajustesDelProgramaCambiados();
}
