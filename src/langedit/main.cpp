#include "frmtradel.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tradel"));
    QApplication::setApplicationVersion(QStringLiteral("1.50"));
    FrmTradel ventana;
    ventana.show();
    return app.exec();
}
