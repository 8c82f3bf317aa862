#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>
#include <utility>

class QWidget;

// Everything the operating system provides to the programs. The program uses PlataformaQt; the
// tests use a fake that records each call and answers dialogs from a script.
class Plataforma
{
public:
    virtual ~Plataforma() = default;

    // Plays a WAV file asynchronously. A new sound replaces one still playing; a missing or
    // unplayable file plays nothing and says nothing.
    virtual void ReproducirWav(const QString &archivo) = 0;
    // Whether the last sound started is still playing.
    virtual bool SonidoEnCurso() const = 0;

    // Opens a file with the desktop's handler; an executable file is started instead.
    virtual bool AbrirArchivo(const QString &archivo) = 0;
    virtual bool AbrirUrl(const QUrl &direccion) = 0;
    // Starts a program detached, with no arguments, from its own folder.
    virtual bool IniciarPrograma(const QString &programa) = 0;

    // The entry that starts a program with the user's session. `programa` is the full path
    // without the platform's executable suffix. On failure `error` says why, for the user.
    virtual bool GrabarInicioSistema(const QString &nombre, const QString &programa, QString *error) = 0;
    virtual bool BorrarInicioSistema(const QString &nombre) = 0;

    // Common dialogs. An empty path or nullopt means the user cancelled. A filter is written as
    // the common dialog writes it: description and patterns separated by "|", pairs joined by "|",
    // patterns of one pair by ";" ("Idioma (DXL)|*.dxl", "Imagen|*.jpg;*.gif").
    virtual QString ElegirArchivoAbrir(QWidget *padre, const QString &titulo, const QString &carpeta,
                                       const QString &filtro) = 0;
    virtual QString ElegirArchivoGuardar(QWidget *padre, const QString &titulo, const QString &carpeta,
                                         const QString &filtro) = 0;
    virtual std::optional<QColor> ElegirColor(QWidget *padre, const QColor &inicial) = 0;
    virtual std::optional<QFont> ElegirFuente(QWidget *padre, const QFont &inicial) = 0;
    // Family, size, the four styles and the text colour in one dialog with one OK and one Cancel.
    virtual std::optional<std::pair<QFont, QColor>> ElegirFuenteYColor(QWidget *padre, const QFont &fuente,
                                                                       const QColor &color) = 0;

    // Message boxes.
    virtual void Avisar(QWidget *padre, const QString &titulo, const QString &texto) = 0;
    virtual bool Preguntar(QWidget *padre, const QString &titulo, const QString &texto) = 0;
    // A failure that stopped what the user asked for, with the critical icon.
    virtual void AvisarError(QWidget *padre, const QString &titulo, const QString &texto) = 0;
    // Unsaved work: save it, throw it away, or go back to it (also Escape and closing the box).
    enum class RespuestaGuardar { Guardar, Descartar, Volver };
    virtual RespuestaGuardar PreguntarGuardar(QWidget *padre, const QString &titulo,
                                              const QString &texto) = 0;
    // A notice with the information icon.
    virtual void Informar(QWidget *padre, const QString &titulo, const QString &texto) = 0;

    // How far the windowing system tells the program where its windows are.
    enum class LugarVentanas {
        Conocido,     // an X server, Windows: after any move, by the user or the window manager
        SoloArrastre, // Xwayland: a place the user dragged to; the compositor places windows unseen
        Desconocido,  // native Wayland: the compositor keeps every place to itself
    };
    virtual LugarVentanas LugarDeVentanas() const = 0;
    // Where a shown top-level window is now, as the windowing system knows it.
    virtual QPoint LugarVentana(const QWidget &ventana) const = 0;

    // Calls alTerminar once when the user's session ends or the process is asked to stop
    // (SIGTERM, SIGINT, SIGHUP), so that the program can close the way the user would.
    virtual void VigilarTerminacion(std::function<void()> alTerminar) = 0;
};
