#pragma once

#include <QString>

// A tooltip that shows its text character for character: Qt would take a text that looks like
// markup ("<b>") for rich text, and texts from files must never be interpreted.
QString TooltipLiteral(const QString &texto);
