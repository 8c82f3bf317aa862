#include "valores.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Valores {

namespace {

// A colour is three bytes; anything else (-1, a system colour &H80000008) is no colour at all, or
// a text colour could come out the same as its background.
constexpr quint32 kColorMaximo = 0x00FFFFFFu;

std::optional<qint64> EnteroDecimal(QStringView texto)
{
    if (texto.isEmpty() || texto.size() > 20)
        return std::nullopt;
    bool ok = false;
    const qint64 valor = texto.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    // toLongLong also takes blanks around the number; the settings never hold them.
    for (QChar c : texto) {
        if (!c.isDigit() && c != u'-' && c != u'+')
            return std::nullopt;
    }
    return valor;
}

} // namespace

std::optional<qint32> Entero32(QStringView texto)
{
    const auto valor = EnteroDecimal(texto);
    if (!valor || *valor < std::numeric_limits<qint32>::min() || *valor > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(*valor);
}

std::optional<qint16> Entero16(QStringView texto)
{
    const auto valor = EnteroDecimal(texto);
    if (!valor || *valor < std::numeric_limits<qint16>::min() || *valor > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(*valor);
}

std::optional<quint32> ColorBgr(QStringView texto)
{
    if (texto.startsWith(u"&H", Qt::CaseInsensitive)) {
        QStringView digitos = texto.sliced(2);
        if (digitos.endsWith(u'&'))
            digitos.chop(1);
        if (digitos.isEmpty() || digitos.size() > 8)
            return std::nullopt;
        bool ok = false;
        const quint32 valor = digitos.toUInt(&ok, 16);
        if (!ok || digitos.front() == u'+' || digitos.front() == u'-')
            return std::nullopt;
        return valor <= kColorMaximo ? std::optional<quint32>(valor) : std::nullopt;
    }
    const auto valor = Entero32(texto);
    if (!valor || *valor < 0 || static_cast<quint32>(*valor) > kColorMaximo)
        return std::nullopt;
    return static_cast<quint32>(*valor);
}

QString TextoColor(quint32 bgr)
{
    return QString::number(static_cast<qint32>(bgr));
}

std::optional<double> Real2(QStringView texto)
{
    if (texto.isEmpty() || texto.size() > 32)
        return std::nullopt;
    QString normalizado = texto.toString();
    normalizado.replace(u',', u'.');
    for (QChar c : normalizado) {
        if (!c.isDigit() && c != u'.' && c != u'-' && c != u'+')
            return std::nullopt;
    }
    bool ok = false;
    const double valor = normalizado.toDouble(&ok);
    if (!ok || !std::isfinite(valor))
        return std::nullopt;
    return std::round(valor * 100.0) / 100.0;
}

std::optional<QDate> Fecha(QStringView texto)
{
    // By character position: whatever follows the tenth character is not read.
    if (texto.size() < 10)
        return std::nullopt;
    const auto numero = [&](qsizetype desde, qsizetype largo) -> int {
        int valor = 0;
        for (QChar c : texto.sliced(desde, largo)) {
            if (c < u'0' || c > u'9')
                return -1;
            valor = valor * 10 + (c.unicode() - u'0');
        }
        return valor;
    };
    const int dia = numero(0, 2);
    const int mes = numero(3, 2);
    const int anio = numero(6, 4);
    if (dia < 0 || mes < 0 || anio <= 0)
        return std::nullopt;
    const QDate fecha(anio, mes, dia);
    if (!fecha.isValid())
        return std::nullopt;
    return fecha;
}

QString TextoFecha(QDate fecha)
{
    return QStringLiteral("%1/%2/%3")
        .arg(fecha.day(), 2, 10, QLatin1Char('0'))
        .arg(fecha.month(), 2, 10, QLatin1Char('0'))
        .arg(fecha.year(), 4, 10, QLatin1Char('0'));
}

std::optional<QDate> FechaEfectiva(const std::optional<QDate> &guardada, bool anual, QDate hoy)
{
    if (!guardada || !anual)
        return guardada;
    const auto enAnno = [&guardada](int anno) {
        const int dias = QDate(anno, guardada->month(), 1).daysInMonth();
        return QDate(anno, guardada->month(), std::min(guardada->day(), dias));
    };
    const QDate esteAnno = enAnno(hoy.year());
    return esteAnno >= hoy ? esteAnno : enAnno(hoy.year() + 1);
}

Icono LeerIcono(QStringView texto)
{
    Icono icono;
    const QStringView cifras = texto.first(std::min<qsizetype>(2, texto.size()));
    bool soloCifras = !cifras.isEmpty();
    for (QChar c : cifras)
        soloCifras = soloCifras && c >= u'0' && c <= u'9';
    if (soloCifras) {
        const int numero = cifras.toInt();
        if (numero >= 0 && numero <= 12)
            icono.numero = numero;
    }
    if (texto.size() > 2)
        icono.ruta = texto.sliced(2).toString();
    return icono;
}

int OpacidadDesdeNivel(int nivel)
{
    const int acotado = std::clamp(nivel, 0, 10);
    return static_cast<int>(std::nearbyint(acotado * 25.5));
}

} // namespace Valores
