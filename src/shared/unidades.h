#pragma once

#include <cmath>

// Positions and sizes are kept in twips, as the settings file stores them: 15 twips to the
// logical pixel. Conversions round to the nearest pixel, halves to even.
inline constexpr int kTwipsPorPixel = 15;

inline int TwipsAPixeles(double twips)
{
    return static_cast<int>(std::nearbyint(twips / kTwipsPorPixel));
}

inline int PixelesATwips(int pixeles)
{
    return pixeles * kTwipsPorPixel;
}
