#include "accioninicio.h"

#include "plataforma.h"

#include <QCoreApplication>
#include <QString>

bool AccionInicioSistema::Aplicar(bool activar, const QString &rutaPrograma, QWidget *padre)
{
    const QString nombre = QStringLiteral("Dexo");
    if (!activar)
        return plataforma_.BorrarInicioSistema(nombre);

    QString error;
    if (plataforma_.GrabarInicioSistema(nombre, rutaPrograma + nombre, &error))
        return true;
    if (!avisoDado_) {
        avisoDado_ = true;
        plataforma_.Avisar(
            padre, nombre,
            QCoreApplication::translate("AccionInicioSistema",
                                        "No se pudo hacer que Dexo se abra al iniciar el sistema.\n\n%1")
                .arg(error));
    }
    return false;
}
