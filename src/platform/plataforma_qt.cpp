#include "plataforma_qt.h"

#include "dlgfuentecolor.h"
#include "eleccion_plataforma.h"
#include "inicio_sistema.h"
#include "lugar_ventana.h"
#include "senales.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSessionManager>

#include <memory>

PlataformaQt::PlataformaQt() = default;
PlataformaQt::~PlataformaQt() = default;

void PlataformaQt::ReproducirWav(const QString &archivo)
{
    // The sound module sits beside the program; without it Dexo simply stays silent.
    if (!sonidoIntentado_) {
        sonidoIntentado_ = true;
        moduloSonido_.setFileName(QCoreApplication::applicationDirPath() + QStringLiteral("/dexo_sonido"));
        if (auto crear =
                reinterpret_cast<FuncionCrearReproductor>(moduloSonido_.resolve(kFuncionCrearReproductor)))
            reproductor_.reset(crear());
    }
    if (reproductor_)
        reproductor_->Reproducir(archivo);
}

bool PlataformaQt::SonidoEnCurso() const
{
    return reproductor_ && reproductor_->Sonando();
}

bool PlataformaQt::AbrirArchivo(const QString &archivo)
{
    const QFileInfo info(archivo);
    if (info.isFile() && info.isExecutable() && IniciarPrograma(archivo))
        return true;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

bool PlataformaQt::AbrirUrl(const QUrl &direccion)
{
    return QDesktopServices::openUrl(direccion);
}

bool PlataformaQt::IniciarPrograma(const QString &programa)
{
    const QFileInfo info(programa);
    return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
}

bool PlataformaQt::GrabarInicioSistema(const QString &nombre, const QString &programa, QString *error)
{
    return GrabarInicioSistemaNativo(nombre, programa, error);
}

bool PlataformaQt::BorrarInicioSistema(const QString &nombre)
{
    return BorrarInicioSistemaNativo(nombre);
}

QString FiltroQt(const QString &filtro)
{
    // "Name|*.ext|Name|*.ext" pairs, the common-dialog form, become "Name (*.ext);;Name (*.ext)".
    if (!filtro.contains(QLatin1Char('|')))
        return filtro == QLatin1String("*.*") ? QStringLiteral("*") : filtro;
    const QStringList partes = filtro.split(QLatin1Char('|'));
    QStringList filtros;
    for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
        QString patron = partes.at(i + 1);
        patron.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patron == QLatin1String("*.*"))
            patron = QStringLiteral("*");
        filtros << QStringLiteral("%1 (%2)").arg(partes.at(i), patron);
    }
    return filtros.join(QStringLiteral(";;"));
}

QString PlataformaQt::ElegirArchivoAbrir(QWidget *padre, const QString &titulo, const QString &carpeta,
                                         const QString &filtro)
{
    return QFileDialog::getOpenFileName(padre, titulo, carpeta, FiltroQt(filtro));
}

QString PlataformaQt::ElegirArchivoGuardar(QWidget *padre, const QString &titulo, const QString &carpeta,
                                           const QString &filtro)
{
    // Saving into an existing file replaces the texts it holds: the dialog asks first. A name
    // typed without an extension gets the filter's first one, so that the question is about the
    // file that will really be written ("Italiano" is Italiano.dxl).
    QFileDialog dialogo(padre, titulo, carpeta, FiltroQt(filtro));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    const QString patron = filtro.section(QLatin1Char('|'), 1, 1).section(QLatin1Char(';'), 0, 0);
    if (patron.startsWith(QLatin1String("*.")) && patron.indexOf(QLatin1Char('*'), 1) < 0)
        dialogo.setDefaultSuffix(patron.mid(2));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return dialogo.selectedFiles().constFirst();
}

std::optional<QColor> PlataformaQt::ElegirColor(QWidget *padre, const QColor &inicial)
{
    const QColor color = QColorDialog::getColor(inicial, padre);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QFont> PlataformaQt::ElegirFuente(QWidget *padre, const QFont &inicial)
{
    bool aceptado = false;
    const QFont fuente = QFontDialog::getFont(&aceptado, inicial, padre);
    if (!aceptado)
        return std::nullopt;
    return fuente;
}

std::optional<std::pair<QFont, QColor>> PlataformaQt::ElegirFuenteYColor(QWidget *padre, const QFont &fuente,
                                                                         const QColor &color)
{
    DlgFuenteColor dialogo(fuente, color, padre);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return std::pair(dialogo.Fuente(), dialogo.Color());
}

void PlataformaQt::Informar(QWidget *padre, const QString &titulo, const QString &texto)
{
    QMessageBox::information(padre, titulo, texto);
}

void PlataformaQt::Avisar(QWidget *padre, const QString &titulo, const QString &texto)
{
    QMessageBox::warning(padre, titulo, texto);
}

bool PlataformaQt::Preguntar(QWidget *padre, const QString &titulo, const QString &texto)
{
    return QMessageBox::question(padre, titulo, texto, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void PlataformaQt::AvisarError(QWidget *padre, const QString &titulo, const QString &texto)
{
    QMessageBox::critical(padre, titulo, texto);
}

Plataforma::RespuestaGuardar PlataformaQt::PreguntarGuardar(QWidget *padre, const QString &titulo,
                                                            const QString &texto)
{
    QMessageBox caja(QMessageBox::Question, titulo, texto, QMessageBox::NoButton, padre);
    QPushButton *guardar =
        caja.addButton(QCoreApplication::translate("PlataformaQt", "Guardar"), QMessageBox::AcceptRole);
    QPushButton *descartar = caja.addButton(QCoreApplication::translate("PlataformaQt", "No guardar"),
                                            QMessageBox::DestructiveRole);
    QPushButton *volver =
        caja.addButton(QCoreApplication::translate("PlataformaQt", "Volver"), QMessageBox::RejectRole);
    caja.setDefaultButton(guardar);
    caja.setEscapeButton(volver);
    caja.exec();
    if (caja.clickedButton() == guardar)
        return RespuestaGuardar::Guardar;
    if (caja.clickedButton() == descartar)
        return RespuestaGuardar::Descartar;
    return RespuestaGuardar::Volver;
}

Plataforma::LugarVentanas PlataformaQt::LugarDeVentanas() const
{
    const QString nombre = QGuiApplication::platformName();
    // "wayland", "wayland-egl", "wayland-xcomposite-glx", ...
    if (nombre.startsWith(QLatin1String("wayland")))
        return LugarVentanas::Desconocido;
    // An X client in a Wayland session talks to Xwayland, which learns where the compositor put
    // a window only from the drags it sees.
    if (nombre == QLatin1String("xcb") && EsSesionWayland(LeerEntornoGrafico()))
        return LugarVentanas::SoloArrastre;
    return LugarVentanas::Conocido;
}

QPoint PlataformaQt::LugarVentana(const QWidget &ventana) const
{
    return LugarVentanaEnPantalla(ventana);
}

void PlataformaQt::VigilarTerminacion(std::function<void()> alTerminar)
{
    auto llamado = std::make_shared<bool>(false);
    auto unaVez = [llamado, alTerminar = std::move(alTerminar)] {
        if (*llamado)
            return;
        *llamado = true;
        alTerminar();
    };
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &contexto_,
                     [unaVez](QSessionManager &) { unaVez(); });
    InstalarVigilanciaSenales(&contexto_, unaVez);
}
