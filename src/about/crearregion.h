#pragma once

#include <QPolygon>
#include <QRegion>

// The about window's outline in screen pixels: each design vertex scaled, converted from design
// pixels (15 twips each) to the screen's pixels and offset, in single precision, rounded to the
// nearest pixel with halves to even.
QPolygon CalcularContorno(float escalaX, float escalaY, qint16 desplazamientoX, qint16 desplazamientoY,
                          float twipsPorPixelX = 15.0f, float twipsPorPixelY = 15.0f);

// The region of that outline, filled with the alternate (odd-even) rule.
QRegion CrearRegion(float escalaX, float escalaY, qint16 desplazamientoX, qint16 desplazamientoY);
