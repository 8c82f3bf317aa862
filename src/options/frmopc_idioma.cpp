// The language side of the options dialog: the [Opciones] texts of a language file and the
// language pickers. Nothing is written here; the save records the language chosen.
#include "apariencia.h"
#include "botonimagen.h"
#include "claves.h"
#include "frmopc.h"
#include "modgral.h"
#include "panelaviso.h"
#include "plataforma.h"
#include "selectorfecha.h"

#include <QFileInfo>

#include <functional>
#include <optional>
#include <QLabel>

namespace {

const QString kSeccion = QStringLiteral("Opciones");
constexpr char16_t kFiltroIdioma[] = u"Idioma :: Language :: Langue :: Lingua (DXL)|*.dxl";
const char16_t *const kIdiomas[] = {u"Español", u"English", u"Italiano", u"Français", u"Português"};

// The built-in texts of the captions 0 to 14 and of the tips 0 to 6: the Spanish interface.
const char16_t *const kTitulos[15] = {u"OPCIONES",
                                      u"Transparencia:",
                                      u"Idioma:",
                                      u"Color del fondo:",
                                      u"Fuente de letra, tamaño y color:",
                                      u"Siempre visible:",
                                      u"Abrir al inicio de güindous:",
                                      u"Marbeo:",
                                      u"Configurar aviso:",
                                      u"Muestra:",
                                      u"Mostrar mensaje.",
                                      u"Icono a mostrar en el mensaje:",
                                      u"Descripción del evento :: faltan x días para...:",
                                      u"Reproducir un sonido.",
                                      u"Abrir (ejecutar) un archivo o programa."};
const char16_t *const kConsejos[7] = {u"Seleccionar",        u"Guardar cambios",    u"Cancelar",
                                      u"Seleccionar imagen", u"Seleccionar sonido", u"Seleccionar archivo",
                                      u"Volver..."};
constexpr char16_t kTituloVentana[] = u"Configuración de las opciones del programa";

} // namespace

bool NombreIdiomaValido(const QString &nombre)
{
    return !nombre.isEmpty() && !nombre.contains(QLatin1Char('/')) && !nombre.contains(QLatin1Char('\\')) &&
           !nombre.contains(QLatin1Char(':')) && !nombre.contains(QLatin1String(".."));
}

QString FrmOpc::ArchivoIdioma() const
{
    return gral_.RutaPrograma + gral_.NombreIdioma + QStringLiteral(".dxl");
}

bool FrmOpc::IdiomaDisponible() const
{
    return NombreIdiomaValido(gral_.NombreIdioma) && QFileInfo(ArchivoIdioma()).isFile();
}

namespace {

// Captions, title, prompt and tips, as the built-in texts or a language's values give them.
void PonerTextos(FrmOpc &dialogo, PanelAviso &aviso, const QStringList &titulos, const QString &ventana,
                 const std::optional<QString> &indicacion, const QStringList &consejos,
                 const std::function<void(int, const QString &)> &poner)
{
    for (int i = 0; i <= 14; ++i)
        poner(i, i == 0 ? QStringLiteral(".: ") + titulos.at(0).toUpper() + QStringLiteral(" :.")
                        : titulos.at(i));
    dialogo.setWindowTitle(QStringLiteral(".:: ") + ventana + QStringLiteral(" ::."));
    if (indicacion)
        dialogo.FraFecha()->PonerIndicacion(*indicacion);

    const QString seleccionar = consejos.at(0) + QStringLiteral("...");
    for (QWidget *control : {static_cast<QWidget *>(dialogo.ImgIdioma(0)),
                             dialogo.findChild<QWidget *>(QStringLiteral("CmdFColor")),
                             dialogo.findChild<QWidget *>(QStringLiteral("CmdFuente"))}) {
        control->setToolTip(seleccionar);
        control->setAccessibleName(seleccionar);
    }
    auto consejo = [](QWidget *control, const QString &texto) {
        control->setToolTip(texto);
        control->setAccessibleName(texto);
    };
    consejo(dialogo.findChild<QWidget *>(QStringLiteral("CmdGuardar")), consejos.at(1));
    consejo(dialogo.findChild<QWidget *>(QStringLiteral("CmdCancelar")), consejos.at(2));
    for (int i = 0; i < 3; ++i)
        consejo(aviso.ImgSelec[static_cast<size_t>(i)], consejos.at(3 + i) + QStringLiteral("..."));
    consejo(aviso.CmdAvisoOk, consejos.at(6));

    // Picture controls are named after the caption beside them.
    dialogo.ImgSvisible()->setAccessibleName(titulos.at(5));
    dialogo.ImgInicio()->setAccessibleName(titulos.at(6));
    dialogo.findChild<QWidget *>(QStringLiteral("CmdAviso"))->setAccessibleName(titulos.at(8));
    aviso.ImgAviso[0]->setAccessibleName(titulos.at(10));
    aviso.TxtEvento->setAccessibleName(titulos.at(12));
    aviso.ImgAviso[1]->setAccessibleName(titulos.at(13));
    aviso.ImgAviso[2]->setAccessibleName(titulos.at(14));
}

} // namespace

void FrmOpc::PonerTextosIncorporados()
{
    QStringList titulos;
    for (const char16_t *texto : kTitulos)
        titulos << QString::fromUtf16(texto);
    QStringList consejos;
    for (const char16_t *texto : kConsejos)
        consejos << QString::fromUtf16(texto);
    PonerTextos(*this, *PicAviso_, titulos, QString::fromUtf16(kTituloVentana), std::nullopt, consejos,
                [this](int i, const QString &texto) { PonerTitulo(titulos_[i], texto); });
}

void FrmOpc::AplicarIdioma()
{
    const QString archivo = ArchivoIdioma();
    auto leer = [&archivo](const QString &clave, const QString &porDefecto) {
        return LeerPerfil(archivo, kSeccion, clave, porDefecto);
    };
    const QString desconocido = QStringLiteral("?");
    QStringList titulos;
    for (int i = 0; i <= 14; ++i) {
        const QString valor = leer(QStringLiteral("T%1").arg(i), desconocido);
        if (i == 0 && valor == desconocido) {
            if (enRespaldoIdioma_) {
                // Español itself is no language file: keep the built-in Spanish texts.
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
    const QString porDefecto = QStringLiteral("Opciones del programa");
    const QString ventana = leer(QStringLiteral("MC"), porDefecto);
    std::optional<QString> indicacion;
    const QString fc = leer(QStringLiteral("FC"), porDefecto);
    if (gral_.FechaEvento == QString::fromUtf16(Ajustes::SinFecha))
        indicacion = fc;
    QStringList consejos;
    for (int i = 0; i <= 6; ++i)
        consejos << leer(QStringLiteral("Tip%1").arg(i), desconocido);
    PonerTextos(*this, *PicAviso_, titulos, ventana, indicacion, consejos,
                [this](int i, const QString &texto) { PonerTitulo(titulos_[i], texto); });
}

void FrmOpc::ImgIdioma_Click(int indice)
{
    if (indice == 0) {
        const QString ruta = gral_.plataforma.ElegirArchivoAbrir(
            this, ImgIdioma(0)->toolTip(), gral_.RutaPrograma, QString::fromUtf16(kFiltroIdioma));
        const qsizetype separador =
            qMax(ruta.lastIndexOf(QLatin1Char('\\')), ruta.lastIndexOf(QLatin1Char('/')));
        const QString nombre = ruta.mid(separador + 1);
        // A name of fewer than four characters holds no extension to drop: taken as cancelled.
        if (!ruta.isEmpty() && nombre.size() >= 4)
            PonerTitulo(titulos_[15], nombre.chopped(4));
    } else if (indice >= 1 && indice <= 5) {
        PonerTitulo(titulos_[15], QString::fromUtf16(kIdiomas[indice - 1]));
    }
    gral_.NombreIdioma = titulos_[15].texto->text();
    if (IdiomaDisponible()) {
        AplicarIdioma();
        return;
    }
    gral_.NombreIdioma = QString::fromUtf16(kIdiomas[0]);
    PonerTitulo(titulos_[15], gral_.NombreIdioma);
}
