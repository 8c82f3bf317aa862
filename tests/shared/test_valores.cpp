#include "unidades.h"
#include "valores.h"

#include <QTest>

using namespace Valores;

// The parsers of the settings texts, garbage included: each gives a sound value and never fails.
class TestValores : public QObject
{
    Q_OBJECT

private slots:
    void enteros()
    {
        QCOMPARE(Entero32(u"1875"), std::optional<qint32>(1875));
        QCOMPARE(Entero32(u"-300"), std::optional<qint32>(-300));
        QCOMPARE(Entero32(u"+7"), std::optional<qint32>(7));
        QCOMPARE(Entero32(u"2147483647"), std::optional<qint32>(2147483647));
        QCOMPARE(Entero32(u"99999999999"), std::nullopt);
        QCOMPARE(Entero32(u"99999999999999999999999"), std::nullopt);
        QCOMPARE(Entero32(u"abc"), std::nullopt);
        QCOMPARE(Entero32(u""), std::nullopt);
        QCOMPARE(Entero32(u"12.5"), std::nullopt);
        QCOMPARE(Entero32(u" 12"), std::nullopt);
        QCOMPARE(Entero32(u"1e3"), std::nullopt);
        QCOMPARE(Entero16(u"32767"), std::optional<qint16>(32767));
        QCOMPARE(Entero16(u"32768"), std::nullopt);
        QCOMPARE(Entero16(u"-32768"), std::optional<qint16>(-32768));
        QCOMPARE(Entero16(u"x"), std::nullopt);
    }

    void colores()
    {
        QCOMPARE(ColorBgr(u"16777215"), std::optional<quint32>(0xFFFFFF));
        QCOMPARE(ColorBgr(u"&HFFFFFF"), std::optional<quint32>(0xFFFFFF));
        QCOMPARE(ColorBgr(u"&H00000000&"), std::optional<quint32>(0));
        QCOMPARE(ColorBgr(u"&hff&"), std::optional<quint32>(0xFF));
        QCOMPARE(ColorBgr(u"&H00C00000"), std::optional<quint32>(0xC00000));
        QCOMPARE(ColorBgr(u"255"), std::optional<quint32>(0xFF));
        // Outside 0 to &HFFFFFF is no colour: -1 would otherwise draw white on white.
        QCOMPARE(ColorBgr(u"-16777216"), std::nullopt);
        QCOMPARE(ColorBgr(u"-1"), std::nullopt);
        QCOMPARE(ColorBgr(u"16777216"), std::nullopt);
        QCOMPARE(ColorBgr(u"&H80000008"), std::nullopt);
        QCOMPARE(ColorBgr(u"&HZZ"), std::nullopt);
        QCOMPARE(ColorBgr(u"&H"), std::nullopt);
        QCOMPARE(ColorBgr(u"&H123456789"), std::nullopt);
        QCOMPARE(ColorBgr(u"&H-1"), std::nullopt);
        QCOMPARE(ColorBgr(u"blanco"), std::nullopt);
        QCOMPARE(TextoColor(0xFFFFFF), QStringLiteral("16777215"));
    }

    void reales()
    {
        QCOMPARE(Real2(u"12.5"), std::optional<double>(12.5));
        QCOMPARE(Real2(u"12,5"), std::optional<double>(12.5));
        QCOMPARE(Real2(u"24"), std::optional<double>(24));
        QCOMPARE(Real2(u"8,256"), std::optional<double>(8.26));
        QCOMPARE(Real2(u"x"), std::nullopt);
        QCOMPARE(Real2(u""), std::nullopt);
        QCOMPARE(Real2(u"1,2,3"), std::nullopt);
        QCOMPARE(Real2(u"inf"), std::nullopt);
        QCOMPARE(Real2(u"nan"), std::nullopt);
    }

    void fechas()
    {
        QCOMPARE(Fecha(u"07/12/2026"), std::optional<QDate>(QDate(2026, 12, 7)));
        QCOMPARE(Fecha(u"29/02/2028"), std::optional<QDate>(QDate(2028, 2, 29)));
        // By character position, whatever separator stands between the numbers.
        QCOMPARE(Fecha(u"07-12-2026"), std::optional<QDate>(QDate(2026, 12, 7)));
        QCOMPARE(Fecha(u"Ninguna"), std::nullopt);
        QCOMPARE(Fecha(u"Ninguno"), std::nullopt);
        QCOMPARE(Fecha(u""), std::nullopt);
        QCOMPARE(Fecha(u"31/02/2027"), std::nullopt);
        QCOMPARE(Fecha(u"1/1/27"), std::nullopt);
        QCOMPARE(Fecha(u"hola"), std::nullopt);
        QCOMPARE(Fecha(u"00/00/0000"), std::nullopt);
        QCOMPARE(Fecha(u"07/12/2026 "), std::optional<QDate>(QDate(2026, 12, 7)));
        QCOMPARE(Fecha(u"07/12/2026XYZ"), std::optional<QDate>(QDate(2026, 12, 7)));
        QCOMPARE(Fecha(u"07/12/202"), std::nullopt);
        QCOMPARE(Fecha(u"07/12/202X6"), std::nullopt);
        QCOMPARE(TextoFecha(QDate(2027, 1, 5)), QStringLiteral("05/01/2027"));
        QCOMPARE(Fecha(TextoFecha(QDate(2030, 3, 9))), std::optional<QDate>(QDate(2030, 3, 9)));
    }

    void iconos_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("ruta");
        QTest::newRow("por defecto") << "0" << 0 << "";
        QTest::newRow("05") << "05" << 5 << "";
        QTest::newRow("propia") << "12C:\\Fotos\\a.jpg" << 12 << "C:\\Fotos\\a.jpg";
        QTest::newRow("ruta guardada") << "03/home/ana/a.png" << 3 << "/home/ana/a.png";
        QTest::newRow("vacio") << "" << -1 << "";
        QTest::newRow("letras") << "xx" << -1 << "";
        QTest::newRow("fuera de rango") << "13" << -1 << "";
        QTest::newRow("medio numero") << "5x" << -1 << "";
        QTest::newRow("una cifra con ruta") << "7" << 7 << "";
    }
    void iconos()
    {
        QFETCH(QString, valor);
        QFETCH(int, numero);
        QFETCH(QString, ruta);
        const Icono icono = LeerIcono(valor);
        QCOMPARE(icono.numero, numero);
        QCOMPARE(icono.ruta, ruta);
    }

    void opacidad()
    {
        const int esperadas[] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230, 255};
        for (int nivel = 0; nivel <= 10; ++nivel)
            QCOMPARE(OpacidadDesdeNivel(nivel), esperadas[nivel]);
        QCOMPARE(OpacidadDesdeNivel(-5), 0);
        QCOMPARE(OpacidadDesdeNivel(99), 255);
    }

    void twips()
    {
        QCOMPARE(TwipsAPixeles(3000), 200);
        QCOMPARE(TwipsAPixeles(1500), 100);
        QCOMPARE(TwipsAPixeles(1600), 107);
        QCOMPARE(TwipsAPixeles(480), 32);
        QCOMPARE(TwipsAPixeles(-300), -20);
        QCOMPARE(TwipsAPixeles(22.5), 2); // 1.5 to the even neighbour
        QCOMPARE(TwipsAPixeles(37.5), 2); // 2.5 to the even neighbour
        QCOMPARE(PixelesATwips(125), 1875);
    }
};

QTEST_GUILESS_MAIN(TestValores)
#include "test_valores.moc"
