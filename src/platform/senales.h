#pragma once

#include <functional>

class QObject;

// Turns SIGTERM, SIGINT and SIGHUP into one call of alTerminar on the user-interface thread; a
// second signal has its default action, so it can end a close that hangs. One implementation per
// OS, chosen by CMake; where there are no such signals both do nothing.
//
// PrepararSenales catches the signals from the first line of main on, before Qt exists; a signal
// caught then is delivered once InstalarVigilanciaSenales runs (which prepares them itself when
// main did not).
void PrepararSenales();
void InstalarVigilanciaSenales(QObject *contexto, std::function<void()> alTerminar);
