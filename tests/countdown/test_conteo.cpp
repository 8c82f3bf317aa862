#include "conteo.h"
#include "pantallas.h"

#include <QTest>

// The number's text, the window's layout and the rescue of windows that lie on no screen.
class TestConteo : public QObject
{
    Q_OBJECT

private slots:
    void textoDias_data()
    {
        QTest::addColumn<qint64>("dias");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("0") << qint64(0) << "00.000";
        QTest::newRow("7") << qint64(7) << "00.007";
        QTest::newRow("365") << qint64(365) << "00.365";
        QTest::newRow("1234") << qint64(1234) << "01.234";
        QTest::newRow("12345") << qint64(12345) << "12.345";
        QTest::newRow("123456") << qint64(123456) << "123.456";
        QTest::newRow("1234567") << qint64(1234567) << "1.234.567";
        QTest::newRow("negativo") << qint64(-3) << "00.000";
    }
    void textoDias()
    {
        QFETCH(qint64, dias);
        QFETCH(QString, esperado);
        QCOMPARE(TextoDias(dias, QLocale(QLocale::Spanish, QLocale::Spain)), esperado);
    }

    void separadoresDeOtrosPaises()
    {
        QCOMPARE(TextoDias(1234, QLocale(QLocale::English, QLocale::UnitedStates)), QStringLiteral("01,234"));
        const QLocale frances(QLocale::French, QLocale::France);
        QCOMPARE(TextoDias(100, frances),
                 QStringLiteral("00") + frances.groupSeparator() + QStringLiteral("100"));
    }

    void disposicion()
    {
        // A label taller than the picture: 30 twips of margin.
        Disposicion d = CalcularDisposicion(QSizeF(1500, 600), QSizeF(240, 240));
        QCOMPARE(d.alto, 630.0);
        QCOMPARE(d.ancho, 1800.0);
        QCOMPARE(d.etiquetaArriba, 15.0);
        QCOMPARE(d.menuIzquierda, 1530.0);
        QCOMPARE(d.menuArriba, 195.0);
        // A label shorter than the picture: the picture sets the height.
        d = CalcularDisposicion(QSizeF(450, 150), QSizeF(240, 240));
        QCOMPARE(d.alto, 340.0);
        QCOMPARE(d.etiquetaArriba, 95.0);
        QCOMPARE(d.menuArriba, 50.0);
        // Equal heights count as "not less".
        QCOMPARE(CalcularDisposicion(QSizeF(10, 240), QSizeF(240, 240)).alto, 270.0);
    }

    void posicionVisible()
    {
        const QList<QRect> pantallas = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        // On a screen, even partly: unchanged.
        QCOMPARE(PosicionVisible(QRect(100, 100, 120, 40), pantallas), QPoint(100, 100));
        QCOMPARE(PosicionVisible(QRect(-60, 10, 120, 40), pantallas), QPoint(-60, 10));
        QCOMPARE(PosicionVisible(QRect(3000, 900, 120, 40), pantallas), QPoint(3000, 900));
        // Right of everything: onto the second screen's right edge.
        QCOMPARE(PosicionVisible(QRect(5000, 500, 120, 40), pantallas), QPoint(3080, 500));
        // Below the first screen only: brought up onto it.
        QCOMPARE(PosicionVisible(QRect(200, 1500, 120, 40), pantallas), QPoint(200, 1040));
        // Far up and left: the corner of the first screen.
        QCOMPARE(PosicionVisible(QRect(-2147480000, -2147480000, 120, 40), pantallas), QPoint(0, 0));
        // No screens known: left alone.
        QCOMPARE(PosicionVisible(QRect(-500, -500, 10, 10), {}), QPoint(-500, -500));
    }

    // The options dialog (648 x 448 with its frame) beside a count of 120 x 40 in each corner of a
    // small screen area that starts below a top panel.
    void posicionJunto_data()
    {
        QTest::addColumn<QRect>("cuenta");
        QTest::addColumn<QPoint>("esperada");
        QTest::newRow("arriba izquierda: a su derecha") << QRect(0, 30, 120, 40) << QPoint(128, 30);
        QTest::newRow("arriba derecha: debajo") << QRect(680, 30, 120, 40) << QPoint(152, 78);
        QTest::newRow("abajo izquierda: a su derecha, subido") << QRect(0, 560, 120, 40) << QPoint(128, 152);
        QTest::newRow("abajo derecha: a su izquierda") << QRect(680, 560, 120, 40) << QPoint(24, 152);
        // No side has room: on the area, over the count.
        QTest::newRow("ancha como la pantalla") << QRect(0, 250, 800, 100) << QPoint(0, 152);
    }
    void posicionJunto()
    {
        QFETCH(QRect, cuenta);
        QFETCH(QPoint, esperada);
        const QRect zona(0, 30, 800, 570);
        const QSize dialogo(648, 448);
        const QPoint lugar = PosicionJunto(cuenta, dialogo, zona, 8);
        QCOMPARE(lugar, esperada);
        QVERIFY(zona.contains(QRect(lugar, dialogo)));
        if (cuenta.width() < 800)
            QVERIFY(!QRect(lugar, dialogo).intersects(cuenta));
        // A dialog larger than the area keeps its corner on it.
        QCOMPARE(PosicionJunto(cuenta, QSize(900, 700), zona, 8), QPoint(0, 30));
    }
};

QTEST_GUILESS_MAIN(TestConteo)
#include "test_conteo.moc"
