#pragma once

#include <QString>

// The start-with-the-system entry of the platform (one implementation per OS, chosen by CMake).
// `programa` is the full path without the executable suffix.
bool GrabarInicioSistemaNativo(const QString &nombre, const QString &programa, QString *error);
bool BorrarInicioSistemaNativo(const QString &nombre);
