#include "arranque.h"
#include "eleccion_plataforma.h"
#include "plataforma_qt.h"
#include "reloj.h"
#include "senales.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    // Before anything else: from here on SIGTERM, SIGINT and SIGHUP wait for the program to
    // handle them instead of ending it where it stands.
    PrepararSenales();
    // In a Wayland session, X11 through Xwayland when it is there: the window keeps its place.
    UsarPlataformaElegida(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dexo"));
    QApplication::setApplicationVersion(QStringLiteral(DEXO_VERSION_TEXTO));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/countdown/dexo.svg")));
    // The Wayland app id names the menu entry Dexo.desktop, as the X11 window class (the name) does.
    QGuiApplication::setDesktopFileName(QStringLiteral("Dexo"));
    // The about and message windows close on their own; only the main window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    PlataformaQt plataforma;
    const RelojSistema reloj;
    return EjecutarDexo(plataforma, reloj, QCoreApplication::applicationDirPath());
}
