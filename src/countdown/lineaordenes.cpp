#include "lineaordenes.h"

#include "carpetas.h"
#include "conteo.h"
#include "lectorajustes.h"
#include "modgral.h"
#include "reloj.h"
#include "version.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

struct OpcionQt
{
    const char *nombre;
    bool conValor;
};

// What QGuiApplication, QApplication and the platform plugins take from the command line.
constexpr std::array<OpcionQt, 27> kOpcionesQt{{
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowtitle", true},
    {"title", true},
    {"qwindowicon", true},
    {"icon", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"im", true},
    {"visual", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"testability", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"widgetcount", false},
    {"ncols", true},
    {"cmap", false},
    {"dialogs", true},
}};

QString TextoAyuda()
{
    return QCoreApplication::translate(
        "LineaOrdenes",
        "Uso: dexo [opción]\n"
        "Sin opciones abre la ventana de la cuenta atrás.\n"
        "\n"
        "  --days     escribe los días que faltan, tal como los muestra la ventana, y termina\n"
        "  --version  escribe el nombre y la versión del programa\n"
        "  --help     muestra esta ayuda\n"
        "\n"
        "También acepta las opciones de Qt, como -platform xcb.\n");
}

void Escribir(std::FILE *destino, const QString &texto)
{
    std::fputs(texto.toLocal8Bit().constData(), destino);
    std::fflush(destino);
}

} // namespace

LineaOrdenes AnalizarLinea(const QStringList &argumentos)
{
    LineaOrdenes linea;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString &argumento = argumentos.at(i);
        Orden propia = Orden::Ventana;
        if (argumento == QLatin1String("--days"))
            propia = Orden::Dias;
        else if (argumento == QLatin1String("--version"))
            propia = Orden::Version;
        else if (argumento == QLatin1String("--help") || argumento == QLatin1String("-h"))
            propia = Orden::Ayuda;
        if (propia != Orden::Ventana) {
            if (linea.orden == Orden::Ventana)
                linea.orden = propia;
            continue;
        }

        // Qt reads "-name value", "--name value" and "-name=value".
        QString nombre = argumento.startsWith(QLatin1String("--")) ? argumento.mid(2)
                         : argumento.startsWith(u'-')              ? argumento.mid(1)
                                                                   : QString();
        const bool conIgual = nombre.contains(u'=');
        nombre = nombre.section(u'=', 0, 0);
        const auto opcion =
            std::find_if(kOpcionesQt.begin(), kOpcionesQt.end(), [&nombre](const OpcionQt &o) {
                return !nombre.isEmpty() && nombre == QLatin1String(o.nombre);
            });
        if (opcion == kOpcionesQt.end()) {
            return {Orden::Error, argumento};
        }
        if (opcion->conValor && !conIgual)
            ++i;
    }
    return linea;
}

int ResponderLinea(const LineaOrdenes &linea, const Reloj &reloj, const QString &carpetaPrograma,
                   std::FILE *salida, std::FILE *errores)
{
    switch (linea.orden) {
    case Orden::Version:
        Escribir(salida, QStringLiteral("Dexo " DEXO_VERSION_TEXTO "\n"));
        return 0;
    case Orden::Ayuda:
        Escribir(salida, TextoAyuda());
        return 0;
    case Orden::Dias: {
        if (carpetaPrograma.isEmpty()) {
            Escribir(errores, QCoreApplication::translate(
                                  "LineaOrdenes", "Dexo: no se sabe en qué carpeta está el programa.\n"));
            return 1;
        }
        // The same folder and the same reading as the window; nothing is created or written.
        const Carpetas carpetas = Carpetas::Decidir(carpetaPrograma);
        const AjustesLeidos ajustes = LeerAjustes(carpetas.Ajustes() + QStringLiteral("Dexo.INI"));
        Escribir(salida, TextoCuenta(ModGral::FechaDe(ajustes.fecha), reloj.Hoy()) + u'\n');
        return 0;
    }
    case Orden::Error:
        Escribir(errores, QCoreApplication::translate("LineaOrdenes", "Dexo: opción desconocida: %1\n")
                                  .arg(linea.desconocido) +
                              TextoAyuda());
        return 2;
    case Orden::Ventana:
        break;
    }
    return 0;
}
