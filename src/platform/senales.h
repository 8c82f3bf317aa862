#pragma once

#include <functional>

class QObject;

// Turns SIGTERM, SIGINT and SIGHUP into one call of alTerminar on the user-interface thread.
// One implementation per OS, chosen by CMake; where there are no such signals it does nothing.
void InstalarVigilanciaSenales(QObject *contexto, std::function<void()> alTerminar);
