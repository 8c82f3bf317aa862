#include "arranque.h"
#include "frmmain.h"
#include "instancia_unica.h"
#include "modgral.h"
#include "plataforma_qt.h"
#include "reloj.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dexo"));
    QApplication::setApplicationVersion(QStringLiteral(DEXO_VERSION_TEXTO));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/countdown/dexo.svg")));
    // The Wayland app id names the menu entry Dexo.desktop, as the X11 window class (the name) does.
    QGuiApplication::setDesktopFileName(QStringLiteral("Dexo"));
    // The about and message windows close on their own; only the main window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString carpeta = QCoreApplication::applicationDirPath();
    const InstanciaUnica instancia(QStringLiteral("Dexo"), carpeta);
    if (!instancia.EsLaPrimera())
        return 0;

    PlataformaQt plataforma;
    const RelojSistema reloj;
    ModGral gral(plataforma, reloj);
    gral.IniciarRutas(carpeta);

    FrmMain principal(gral);
    QObject::connect(&principal, &FrmMain::programaTerminado, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    Arrancar(principal, gral);

    plataforma.VigilarTerminacion([&principal] { principal.close(); });
    return app.exec();
}
