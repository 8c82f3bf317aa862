#include "frmtradel.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tradel"));
    QApplication::setApplicationVersion(QStringLiteral(TRADEL_VERSION_TEXTO));
    FrmTradel ventana;
    ventana.show();
    return app.exec();
}
