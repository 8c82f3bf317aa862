#include "arranque.h"

#include "frminfo.h"
#include "frmmain.h"
#include "modgral.h"

#include <QTimer>

void Arrancar(FrmMain &principal, const ModGral &gral)
{
    principal.Iniciar();
    principal.show();
    // The about window follows from the event loop: the count is on screen first, and the about
    // window opens above it.
    if (LeerMostrarInfo(gral.RutaPrograma))
        QTimer::singleShot(0, &principal, &FrmMain::mnuInfo_Click);
}
