#include "arranque.h"
#include "consola.h"
#include "eleccion_plataforma.h"
#include "fuentes.h"
#include "lineaordenes.h"
#include "plataforma_qt.h"
#include "reloj.h"
#include "senales.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    // --days, --version and --help answer without a window, so they must work with no display:
    // a core application serves them, and none of the window's start-up runs.
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    if (const LineaOrdenes linea = AnalizarLinea(argumentos); linea.orden != Orden::Ventana) {
        // Typed in a console on Windows: the answer is shown there.
        UsarConsolaDelPadre();
        const QCoreApplication app(argc, argv);
        const RelojSistema reloj;
        return ResponderLinea(linea, reloj, QCoreApplication::applicationDirPath(), stdout, stderr);
    }

    // Before anything else of the window: from here on SIGTERM, SIGINT and SIGHUP wait for the program to
    // handle them instead of ending it where it stands.
    PrepararSenales();
    // In a Wayland session, X11 through Xwayland when it is there: the window keeps its place.
    UsarPlataformaElegida(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dexo"));
    QApplication::setApplicationVersion(QStringLiteral(DEXO_VERSION_TEXTO));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/countdown/dexo.svg")));
    SustituirFuenteDeDiseno();
    // The Wayland app id names the menu entry Dexo.desktop, as the X11 window class (the name) does.
    QGuiApplication::setDesktopFileName(QStringLiteral("Dexo"));
    // The about and message windows close on their own; only the main window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    PlataformaQt plataforma;
    const RelojSistema reloj;
    return EjecutarDexo(plataforma, reloj, QCoreApplication::applicationDirPath());
}
