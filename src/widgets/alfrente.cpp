#include "alfrente.h"

#include <QApplication>
#include <QWidget>

void TraerAlFrente(QWidget *ventana)
{
    if (ventana->isMinimized())
        ventana->showNormal();
    else
        ventana->show();
    ventana->raise();
    ventana->activateWindow();
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != ventana) {
        modal->raise();
        modal->activateWindow();
    }
}
