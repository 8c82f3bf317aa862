#pragma once

#include <QStringView>

// Cuts of a text to a number of UTF-16 units that never part a surrogate pair: where a cut would
// fall between its halves, the pair is left out, so the piece is one unit shorter.

// The first `maximo` units of the text at most.
QStringView PrincipioEntero(QStringView texto, qsizetype maximo);

// The last `maximo` units of the text at most.
QStringView FinalEntero(QStringView texto, qsizetype maximo);
