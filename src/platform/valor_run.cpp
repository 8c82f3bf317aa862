#include "valor_run.h"

QString ValorRun(const QString &programa)
{
    QString ruta = programa + QStringLiteral(".exe");
    ruta.replace(u'/', u'\\');
    return u'"' + ruta + u'"';
}
