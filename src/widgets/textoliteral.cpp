#include "textoliteral.h"

#include <QTextDocument>

QString TooltipLiteral(const QString &texto)
{
    if (!Qt::mightBeRichText(texto))
        return texto;
    return QStringLiteral("<p style='white-space:pre'>") + texto.toHtmlEscaped() + QStringLiteral("</p>");
}
