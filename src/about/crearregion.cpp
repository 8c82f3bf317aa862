#include "crearregion.h"

#include "contorno.h"
#include "unidades.h"

#include <cmath>

QPolygon CalcularContorno(float escalaX, float escalaY, qint16 desplazamientoX, qint16 desplazamientoY,
                          float twipsPorPixelX, float twipsPorPixelY)
{
    QPolygon contorno(kVerticesContorno);
    for (int i = 0; i < kVerticesContorno; ++i) {
        const float x = static_cast<float>(CoordenadaX(i)) * escalaX * static_cast<float>(kTwipsPorPixel) /
                            twipsPorPixelX +
                        static_cast<float>(desplazamientoX);
        const float y = static_cast<float>(CoordenadaY(i)) * escalaY * static_cast<float>(kTwipsPorPixel) /
                            twipsPorPixelY +
                        static_cast<float>(desplazamientoY);
        contorno.setPoint(i, static_cast<int>(std::nearbyint(x)), static_cast<int>(std::nearbyint(y)));
    }
    return contorno;
}

QRegion CrearRegion(float escalaX, float escalaY, qint16 desplazamientoX, qint16 desplazamientoY)
{
    return QRegion(CalcularContorno(escalaX, escalaY, desplazamientoX, desplazamientoY), Qt::OddEvenFill);
}
