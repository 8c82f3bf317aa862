#include "conteo.h"

QString TextoDias(qint64 dias, const QLocale &locale)
{
    const QString separador = locale.groupSeparator();
    const QString cifras = QString::number(dias < 0 ? 0 : dias).rightJustified(5, u'0');
    QString texto;
    for (qsizetype i = 0; i < cifras.size(); ++i) {
        if (i > 0 && (cifras.size() - i) % 3 == 0)
            texto += separador;
        texto += cifras[i];
    }
    return texto;
}

QString TextoCuenta(const std::optional<QDate> &fecha, const QDate &hoy, const QLocale &locale)
{
    if (fecha && *fecha >= hoy)
        return TextoDias(hoy.daysTo(*fecha), locale);
    // No date shows zero with the same digits and separator as any other count.
    return TextoDias(0, locale);
}

Disposicion CalcularDisposicion(QSizeF etiqueta, QSizeF menu)
{
    Disposicion d;
    d.alto = etiqueta.height() < menu.height() ? menu.height() + 100 : etiqueta.height() + 30;
    d.ancho = etiqueta.width() + 300;
    d.etiquetaArriba = (d.alto - etiqueta.height()) / 2;
    d.menuIzquierda = etiqueta.width() + 30;
    d.menuArriba = (d.alto - menu.height()) / 2;
    return d;
}
