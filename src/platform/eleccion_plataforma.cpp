#include "eleccion_plataforma.h"

#include <QCoreApplication>

namespace {

constexpr char kVariablePlataforma[] = "QT_QPA_PLATFORM";

bool PlataformaEnArgumentos(const QByteArrayList &argumentos)
{
    for (QByteArray argumento : argumentos) {
        // Qt reads "--platform" as "-platform".
        if (argumento.startsWith("--"))
            argumento.remove(0, 1);
        if (argumento == "-platform" || argumento.startsWith("-platform="))
            return true;
    }
    return false;
}

// Qt has read the variable once the application object is built; from then on it would only
// reach the programs that Dexo starts, which must see the user's own environment.
void QuitarVariablePlataforma()
{
    qunsetenv(kVariablePlataforma);
}

} // namespace

EntornoGrafico LeerEntornoGrafico()
{
    return {qgetenv("XDG_SESSION_TYPE"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"),
            qgetenv(kVariablePlataforma)};
}

bool EsSesionWayland(const EntornoGrafico &entorno)
{
    return !entorno.waylandDisplay.isEmpty() ||
           entorno.tipoSesion.trimmed().compare("wayland", Qt::CaseInsensitive) == 0;
}

QByteArray ElegirPlataforma(const EntornoGrafico &entorno, const QByteArrayList &argumentos)
{
    if (!entorno.plataformaQt.trimmed().isEmpty() || PlataformaEnArgumentos(argumentos))
        return {};
    if (!EsSesionWayland(entorno) || entorno.display.trimmed().isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}

void UsarPlataformaElegida(int argc, const char *const *argv)
{
    const EntornoGrafico entorno = LeerEntornoGrafico();
    QByteArrayList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos.append(argv[i]);
    const QByteArray plataforma = ElegirPlataforma(entorno, argumentos);
    if (plataforma.isEmpty())
        return;
    qputenv(kVariablePlataforma, plataforma);
    qAddPreRoutine(QuitarVariablePlataforma);
}
