#pragma once

#include <QColor>

// Colours are stored as 0x00BBGGRR, blue in the high byte.
inline QColor ColorDesdeBgr(quint32 bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline quint32 BgrDesdeColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return static_cast<quint32>(rgb.red()) | static_cast<quint32>(rgb.green()) << 8 |
           static_cast<quint32>(rgb.blue()) << 16;
}
