#include "frmtradel.h"
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
    FrmTradel ventana;
    ventana.show();
    return app.exec();
}
