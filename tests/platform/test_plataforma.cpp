#include "instancia_unica.h"
#include "plataforma_qt.h"
#include "valor_run.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The portable pieces of the platform layer: the single-instance rule, the save dialog and the
// data of the Windows Run value. (The call of a second copy to the first: test_procesos_tradel.)
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

    void guardarPreguntaAntesDeReemplazar()
    {
        QTemporaryDir carpeta;
        PlataformaQt plataforma;
        bool visto = false;
        QTimer::singleShot(0, this, [&visto] {
            auto *dialogo = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialogo);
            QCOMPARE(dialogo->acceptMode(), QFileDialog::AcceptSave);
            QVERIFY(!dialogo->testOption(QFileDialog::DontConfirmOverwrite));
            // "Italiano" is asked about as the Italiano.dxl it will be.
            QCOMPARE(dialogo->defaultSuffix(), QStringLiteral("dxl"));
            visto = true;
            dialogo->reject();
        });
        QVERIFY(plataforma
                    .ElegirArchivoGuardar(nullptr, QStringLiteral("Guardar"), carpeta.path(),
                                          QStringLiteral("Idioma (DXL)|*.dxl"))
                    .isEmpty());
        QVERIFY(visto);
    }
};

QTEST_MAIN(TestPlataforma)
#include "test_plataforma.moc"
