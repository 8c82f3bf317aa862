#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Parsers of the texts kept in the settings file. Each one is total: a text that does not parse
// gives nullopt (or the documented sound value) and never throws.
namespace Valores {

// Whole numbers in decimal, with an optional sign; nothing else is accepted.
std::optional<qint32> Entero32(QStringView texto);
std::optional<qint16> Entero16(QStringView texto);

// A colour 0x00BBGGRR, written as a signed 32-bit decimal or as "&H" + up to eight hexadecimal
// digits, with or without a trailing "&"; a value outside 0 to &HFFFFFF is no colour.
std::optional<quint32> ColorBgr(QStringView texto);
// The decimal text that the program writes for a colour.
QString TextoColor(quint32 bgr);

// A real number with "." or "," as decimal separator, rounded to two decimals.
std::optional<double> Real2(QStringView texto);

// dd/mm/yyyy by character position; any other text (the sentinel "Ninguna" included) is no date.
std::optional<QDate> Fecha(QStringView texto);
QString TextoFecha(QDate fecha);

// The date the count runs to on `hoy`: the stored one, or for a yearly date the first day on or
// after `hoy` with its month and day (29 February is the 28th in a year without one).
std::optional<QDate> FechaEfectiva(const std::optional<QDate> &guardada, bool anual, QDate hoy);

// The icon value: the number in its first two characters ("00" to "12"; the whole text when it is
// shorter) and a picture path from the third character on.
struct Icono
{
    int numero = -1; // -1 when the number is not a whole number from 0 to 12
    QString ruta;    // empty when the value has two characters or fewer
};
Icono LeerIcono(QStringView texto);

// Transparency level 0..10 to the opacity 0..255 (level x 25.5, halves to even); levels outside
// 0..10 are clamped.
int OpacidadDesdeNivel(int nivel);

// Font sizes outside this range cannot be drawn; they fall back to the default.
inline constexpr double kTamMinimo = 1.0;
inline constexpr double kTamMaximo = 500.0;

} // namespace Valores
