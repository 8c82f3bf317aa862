#pragma once

#include "plataforma.h"
#include "reproductor.h"

#include <QLibrary>
#include <QObject>

#include <memory>

// The real platform, through Qt and, where Qt has no answer, the OS files beside this one.
class PlataformaQt final : public Plataforma
{
public:
    PlataformaQt();
    ~PlataformaQt() override;

    void ReproducirWav(const QString &archivo) override;
    bool SonidoEnCurso() const override;
    bool AbrirArchivo(const QString &archivo) override;
    bool AbrirUrl(const QUrl &direccion) override;
    bool IniciarPrograma(const QString &programa) override;
    bool GrabarInicioSistema(const QString &nombre, const QString &programa, QString *error) override;
    bool BorrarInicioSistema(const QString &nombre) override;
    QString ElegirArchivoAbrir(QWidget *padre, const QString &titulo, const QString &carpeta,
                               const QString &filtro) override;
    QString ElegirArchivoGuardar(QWidget *padre, const QString &titulo, const QString &carpeta,
                                 const QString &filtro) override;
    std::optional<QColor> ElegirColor(QWidget *padre, const QColor &inicial) override;
    std::optional<QFont> ElegirFuente(QWidget *padre, const QFont &inicial) override;
    std::optional<std::pair<QFont, QColor>> ElegirFuenteYColor(QWidget *padre, const QFont &fuente,
                                                               const QColor &color) override;
    void Avisar(QWidget *padre, const QString &titulo, const QString &texto) override;
    bool Preguntar(QWidget *padre, const QString &titulo, const QString &texto) override;
    void AvisarError(QWidget *padre, const QString &titulo, const QString &texto) override;
    RespuestaGuardar PreguntarGuardar(QWidget *padre, const QString &titulo, const QString &texto) override;
    void Informar(QWidget *padre, const QString &titulo, const QString &texto) override;
    LugarVentanas LugarDeVentanas() const override;
    QPoint LugarVentana(const QWidget &ventana) const override;
    void VigilarTerminacion(std::function<void()> alTerminar) override;

private:
    QLibrary moduloSonido_;
    std::unique_ptr<Reproductor> reproductor_;
    bool sonidoIntentado_ = false;
    QObject contexto_; // owns the connections and notifiers of the termination watch
};

// A file filter in the common-dialog form "Name|*.ext|..." as Qt writes it; a Qt filter stays.
QString FiltroQt(const QString &filtro);
