#include "textoentero.h"

#include <QTest>

class TestTextoEntero : public QObject
{
    Q_OBJECT

private slots:
    void cortes_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("maximo");
        QTest::addColumn<QString>("principio");
        QTest::addColumn<QString>("final");
        const QString par = QString::fromUtf8("😀");
        const QString alto = par.left(1);
        QTest::newRow("cabe entero") << "ab" + par + "c" << 9 << "ab" + par + "c"
                                     << "ab" + par + "c";
        QTest::newRow("entre las mitades") << "ab" + par + "c" << 3 << "ab" << par + "c";
        QTest::newRow("entre las mitades, por el final") << "ab" + par + "c" << 2 << "ab"
                                                         << "c";
        QTest::newRow("junto al par") << "ab" + par + "c" << 4 << "ab" + par << "b" + par + "c";
        // A lone half is no pair: a cut beside it keeps it.
        QTest::newRow("mitad suelta") << "a" + alto + "b" << 2 << "a" + alto << alto + "b";
    }
    void cortes()
    {
        QFETCH(QString, texto);
        QFETCH(int, maximo);
        QFETCH(QString, principio);
        QFETCH(QString, final);
        QCOMPARE(PrincipioEntero(texto, maximo).toString(), principio);
        QCOMPARE(FinalEntero(texto, maximo).toString(), final);
    }
};

QTEST_GUILESS_MAIN(TestTextoEntero)
#include "test_textoentero.moc"
