#include "lineaordenes.h"

#include "carpetas.h"
#include "consola.h"
#include "conteo.h"
#include "lectorajustes.h"
#include "modgral.h"
#include "reloj.h"
#include "traduccion.h"
#include "valores.h"
#include "version.h"

#include <QCoreApplication>

namespace {

// What QGuiApplication, QApplication and the platform plugins take from the command line: the
// options followed by a value, and those that stand alone.
const char kOpcionesQtConValor[] =
    "platform platformpluginpath platformtheme plugin qwindowgeometry geometry "
    "qwindowtitle title qwindowicon icon session display name style stylesheet "
    "im visual qmljsdebugger ncols dialogs";
const char kOpcionesQtSolas[] = "reverse testability nograb dograb sync widgetcount cmap";

QString TextoAyuda()
{
    return QCoreApplication::translate(
        "LineaOrdenes",
        "Uso: dexo [opción]\n"
        "Sin opciones abre la ventana de la cuenta atrás.\n"
        "\n"
        "  --days     escribe los días que faltan, tal como los muestra la ventana, y termina\n"
        "  --days --all  lo mismo para cada cuenta atrás, una por línea: los días, un\n"
        "             tabulador y la descripción del evento\n"
        "  --version  escribe el nombre y la versión del programa\n"
        "  --help     muestra esta ayuda\n"
        "\n"
        "También acepta las opciones de Qt, como -platform xcb.\n");
}

void Escribir(std::FILE *destino, const QString &texto)
{
    EscribirTexto(destino, texto);
}

} // namespace

LineaOrdenes AnalizarLinea(const QStringList &argumentos)
{
    LineaOrdenes linea;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString &argumento = argumentos.at(i);
        Orden propia = Orden::Ventana;
        if (argumento == QLatin1String("--all")) {
            linea.todas = true;
            continue;
        }
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
        const bool conValor =
            !nombre.isEmpty() && QString::fromLatin1(kOpcionesQtConValor).split(u' ').contains(nombre);
        if (!conValor &&
            (nombre.isEmpty() || !QString::fromLatin1(kOpcionesQtSolas).split(u' ').contains(nombre)))
            return {Orden::Error, argumento};
        if (conValor && !conIgual)
            ++i;
    }
    // --all says which countdowns --days counts, and nothing else.
    if (linea.todas && linea.orden != Orden::Dias && linea.orden != Orden::Error)
        return {Orden::Error, QStringLiteral("--all")};
    return linea;
}

int ResponderLinea(const LineaOrdenes &linea, const Reloj &reloj, const QString &carpetaPrograma,
                   std::FILE *salida, std::FILE *errores)
{
    // The answers speak the language chosen for the window, as its other texts do.
    Traductor traduccion;
    if (!carpetaPrograma.isEmpty())
        traduccion.Aplicar(
            LeerAjustes(Carpetas::Decidir(carpetaPrograma).LecturaAjustes(QStringLiteral("Dexo.INI")))
                .idioma);
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
        QStringList archivos{carpetas.LecturaAjustes(QStringLiteral("Dexo.INI"))};
        if (linea.todas)
            archivos << carpetas.ArchivosDeCuentas();
        const QDate hoy = reloj.Hoy();
        for (const QString &archivo : archivos) {
            const AjustesLeidos ajustes = LeerAjustes(archivo);
            const auto fecha = Valores::FechaEfectiva(ModGral::FechaDe(ajustes.fecha), ajustes.anual, hoy);
            QString texto = TextoCuenta(fecha, hoy);
            if (linea.todas)
                texto += u'\t' + ajustes.evento;
            Escribir(salida, texto + u'\n');
        }
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
