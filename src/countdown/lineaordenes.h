#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

class Reloj;

// Dexo's command line: a few answers for scripts and status bars, given without a window.
enum class Orden { Ventana, Version, Ayuda, Dias, Error };

struct LineaOrdenes
{
    Orden orden = Orden::Ventana;
    QString desconocido; // the first argument that is neither ours nor Qt's, for Orden::Error
    bool todas = false;  // --days --all: every countdown, one line each
};

// The arguments after the program's name. Qt's own options (-platform xcb, -style=fusion, ...)
// and their values are left for Qt; anything else that is not ours is an error, even beside one
// of ours. Of ours, the first one given is answered.
LineaOrdenes AnalizarLinea(const QStringList &argumentos);

// Answers an order other than Ventana on `salida` (errors on `errores`) and returns the exit
// status. --days reads the settings where the window would and writes nothing. Needs a
// QCoreApplication, not a display.
int ResponderLinea(const LineaOrdenes &linea, const Reloj &reloj, const QString &carpetaPrograma,
                   std::FILE *salida, std::FILE *errores);
