#include "frminfo.h"
#include "frmmain.h"
#include "instancia_unica.h"
#include "modgral.h"
#include "plataforma_qt.h"
#include "reloj.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dexo"));
    QApplication::setApplicationVersion(QStringLiteral("3.00"));
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
    principal.Iniciar();
    principal.show();
    // The about window follows from the event loop: the count is on screen first, and the about
    // window opens above it.
    if (LeerMostrarInfo(gral.RutaPrograma))
        QTimer::singleShot(0, &principal, &FrmMain::mnuInfo_Click);

    plataforma.VigilarTerminacion([&principal] { principal.close(); });
    return app.exec();
}
