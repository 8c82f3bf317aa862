#include "plataforma_qt.h"

#include "inicio_sistema.h"
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

QString PlataformaQt::ElegirArchivoAbrir(QWidget *padre, const QString &titulo, const QString &carpeta,
                                         const QString &filtro)
{
    return QFileDialog::getOpenFileName(padre, titulo, carpeta, filtro);
}

QString PlataformaQt::ElegirArchivoGuardar(QWidget *padre, const QString &titulo, const QString &carpeta,
                                           const QString &filtro)
{
    return QFileDialog::getSaveFileName(padre, titulo, carpeta, filtro);
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

void PlataformaQt::Avisar(QWidget *padre, const QString &titulo, const QString &texto)
{
    QMessageBox::warning(padre, titulo, texto);
}

bool PlataformaQt::Preguntar(QWidget *padre, const QString &titulo, const QString &texto)
{
    return QMessageBox::question(padre, titulo, texto, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
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
