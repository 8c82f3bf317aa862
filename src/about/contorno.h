#pragma once

#include <QtGlobal>

// Outline of the about window, in pixels of the 640 x 480 design.
qint16 CoordenadaX(int i); // vertex i = 0..201; any other i gives 0
qint16 CoordenadaY(int i);
inline constexpr int kVerticesContorno = 202;
