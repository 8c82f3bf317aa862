#include "arranque.h"

#include "cuentas.h"
#include "frminfo.h"
#include "frmmain.h"
#include "frmmsg.h"
#include "instancia_unica.h"
#include "modgral.h"
#include "plataforma.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// The watch of the requests to end outlives this function in the platform, so what it needs
// lives in a shared state rather than on the stack.
struct Terminacion
{
    QPointer<FrmMain> principal;
    bool pedida = false;
};

// A modal box or dialog runs its own event loop; it is closed first, so that the close sequence
// is not held up behind it.
void CerrarDialogos()
{
    const QWidgetList ventanas = QApplication::topLevelWidgets();
    for (QWidget *ventana : ventanas) {
        if (auto *dialogo = qobject_cast<QDialog *>(ventana); dialogo && dialogo->isVisible())
            dialogo->reject();
    }
}

} // namespace

int EjecutarDexo(Plataforma &plataforma, const Reloj &reloj, const QString &carpetaPrograma)
{
    auto terminacion = std::make_shared<Terminacion>();
    plataforma.VigilarTerminacion([terminacion] {
        CerrarDialogos();
        if (terminacion->principal)
            terminacion->principal->Terminar();
        else
            terminacion->pedida = true;
    });

    // Qt gives no path for a folder whose name is not valid in the system's encoding; any folder
    // put in its place would read and write someone else's settings.
    if (carpetaPrograma.isEmpty() || !QFileInfo(carpetaPrograma).isDir()) {
        const QString texto =
            QStringLiteral("Dexo no puede abrirse desde esta carpeta: su nombre, o el de una carpeta que "
                           "la contiene, tiene caracteres que el sistema no da como texto válido, y Dexo "
                           "no sabría dónde guardar sus ajustes.\n\nCambie el nombre de esa carpeta, o "
                           "mueva la carpeta del programa a otro sitio, y vuelva a abrirlo.");
        std::fprintf(stderr, "%s\n", qPrintable(texto));
        plataforma.Avisar(nullptr, QStringLiteral("Dexo"), texto);
        return 1;
    }

    // One Dexo per settings folder: each user of an installed copy runs their own.
    const Carpetas carpetas = Carpetas::Decidir(carpetaPrograma);
    InstanciaUnica instancia(QStringLiteral("Dexo"), carpetas.Ajustes());
    if (!instancia.EsLaPrimera()) {
        // The user started it again looking for it: the running copy comes forward.
        instancia.LlamarALaPrimera();
        return 0;
    }

    ModGral gral(plataforma, reloj);
    gral.IniciarRutas(carpetas);

    // A request to end that came while the program started: nothing is written yet.
    QCoreApplication::processEvents();
    if (terminacion->pedida)
        return 0;

    FrmMain principal(gral);
    Cuentas cuentas(gral, principal);
    terminacion->principal = &principal;
    QObject::connect(&cuentas, &Cuentas::programaTerminado, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    Arrancar(principal, gral);
    cuentas.AbrirGuardadas();
    // The channel opens once the counts are on screen, so a later start finds something to bring
    // forward, and its socket tells a script that Dexo is up.
    instancia.AtenderLlamadas(&principal, [&cuentas] { cuentas.TraerAlFrente(); });
    return QCoreApplication::exec();
}

void Arrancar(FrmMain &principal, ModGral &gral)
{
    // A box would hold back the count: a write that fails now is told once the window is up.
    gral.RetenerAvisos();
    principal.Iniciar();
    principal.show();
    const bool conInfo = LeerMostrarInfo(gral.carpetas);
    QTimer::singleShot(0, &principal, [&principal, &gral, conInfo] {
        if (conInfo) {
            principal.mnuInfo_Click();
            // The notice of the chosen day opened first; the about window must not cover it.
            if (FrmMsg *mensaje = principal.VentanaMensaje(); mensaje && mensaje->isVisible()) {
                mensaje->raise();
                mensaje->activateWindow();
            }
        }
        gral.SoltarAvisos(&principal);
    });
}
