#include "frmmain.h"
#include "instancia_unica.h"
#include "plataforma_qt.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tradel"));
    QApplication::setApplicationVersion(QStringLiteral(TRADEL_VERSION_TEXTO));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/programa/tradel.svg")));
    // The Wayland app id names the menu entry Tradel.desktop, as the X11 window class (the name) does.
    QGuiApplication::setDesktopFileName(QStringLiteral("Tradel"));

    // One editor per settings folder; it runs beside Dexo, whose lock has another name.
    const Carpetas carpetas = Carpetas::Decidir(QCoreApplication::applicationDirPath());
    const InstanciaUnica instancia(QStringLiteral("Tradel"), carpetas.Ajustes());
    if (!instancia.EsLaPrimera())
        return 0;

    PlataformaQt plataforma;
    FrmMain ventana(plataforma, carpetas);
    ventana.Form_Load();
    ventana.show();
    return app.exec();
}
