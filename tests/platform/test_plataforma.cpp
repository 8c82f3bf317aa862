#include "instancia_unica.h"
#include "valor_run.h"

#include <QTemporaryDir>
#include <QTest>

// The portable pieces of the platform layer: the single-instance rule and the data of the
// Windows Run value.
class TestPlataforma : public QObject
{
    Q_OBJECT

private slots:
    void valorRun_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("valor");
        QTest::newRow("con espacio") << "C:\\Program Files\\Dexo\\Dexo"
                                     << "\"C:\\Program Files\\Dexo\\Dexo.exe\"";
        QTest::newRow("barras de Qt") << "C:/Program Files/Dexo/Dexo"
                                      << "\"C:\\Program Files\\Dexo\\Dexo.exe\"";
        QTest::newRow("sin espacio") << "D:\\Dexo\\Dexo"
                                     << "\"D:\\Dexo\\Dexo.exe\"";
        QTest::newRow("acentos") << "C:\\Programas\\Año\\Dexo"
                                 << "\"C:\\Programas\\Año\\Dexo.exe\"";
    }
    void valorRun()
    {
        QFETCH(QString, programa);
        QFETCH(QString, valor);
        QCOMPARE(ValorRun(programa), valor);
    }

    void unaInstanciaPorCarpeta()
    {
        QTemporaryDir una;
        QTemporaryDir otra;
        const QString programa = QStringLiteral("DexoPrueba%1").arg(QCoreApplication::applicationPid());
        auto primera = std::make_unique<InstanciaUnica>(programa, una.path());
        QVERIFY(primera->EsLaPrimera());
        // The same folder, also written another way: a second copy.
        QVERIFY(!InstanciaUnica(programa, una.path()).EsLaPrimera());
        QVERIFY(!InstanciaUnica(programa, una.path() + QStringLiteral("/./")).EsLaPrimera());
        // Another folder runs beside it.
        QVERIFY(InstanciaUnica(programa, otra.path()).EsLaPrimera());
        // Once the first ends, its folder is free again.
        primera.reset();
        QVERIFY(InstanciaUnica(programa, una.path()).EsLaPrimera());
    }
};

QTEST_GUILESS_MAIN(TestPlataforma)
#include "test_plataforma.moc"
