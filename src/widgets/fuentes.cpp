#include "fuentes.h"

#include <QFont>
#include <QStringList>

void SustituirFuenteDeDiseno()
{
    // Windows' own faces of the same build first, then the usual sans faces of Linux desktops.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
                                QStringLiteral("Segoe UI"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Noto Sans")});
}
