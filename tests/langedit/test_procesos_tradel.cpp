#include "carpeta_programa.h"
#include "esperar.h"
#include "instancia_unica.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

// The built editor, run for real on the offscreen platform from a copy in a temporary folder:
// one editor at a time, beside Dexo.
class TestProcesosTradel : public QObject
{
    Q_OBJECT

private:
    CarpetaPrograma carpeta_;
    QTemporaryDir ejecucion_; // the runtime folder, where the locks live

    void Copiar(const QString &desde, const QString &nombre)
    {
        QVERIFY(QFile::copy(desde, carpeta_.Archivo(nombre)));
        QVERIFY(QFile::setPermissions(carpeta_.Archivo(nombre), QFile::permissions(desde)));
    }

    void Preparar(QProcess &proceso, const QString &programa)
    {
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        entorno.insert(QStringLiteral("XDG_RUNTIME_DIR"), ejecucion_.path());
        proceso.setProcessEnvironment(entorno);
        proceso.setProgram(carpeta_.Archivo(programa));
        proceso.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }

    bool HayCerrojo(const QString &programa) const
    {
        return !QDir(ejecucion_.path())
                    .entryList({programa + QStringLiteral("-*.lock")}, QDir::Files)
                    .isEmpty();
    }

private slots:
    void initTestCase()
    {
        QFile::setPermissions(ejecucion_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Copiar(QStringLiteral(DEXO_TRADEL), QStringLiteral("Tradel"));
        Copiar(QStringLiteral(DEXO_DEXO), QStringLiteral("Dexo"));
        Copiar(QStringLiteral(DEXO_IDIOMAS_FUENTE "/Español.dxl"), QStringLiteral("Español.dxl"));
    }

    void unSoloEditorJuntoADexo()
    {
        QProcess primero;
        Preparar(primero, QStringLiteral("Tradel"));
        primero.start();
        QVERIFY(primero.waitForStarted());
        QVERIFY(Esperar([&] { return HayCerrojo(QStringLiteral("Tradel")); }));

        // A second editor ends at once, silently.
        QProcess segundo;
        Preparar(segundo, QStringLiteral("Tradel"));
        segundo.start();
        QVERIFY(segundo.waitForFinished(20000));
        QCOMPARE(segundo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(segundo.exitCode(), 0);
        QCOMPARE(primero.state(), QProcess::Running);

        // Dexo runs beside it: it starts and writes its settings.
        QProcess dexo;
        Preparar(dexo, QStringLiteral("Dexo"));
        dexo.start();
        QVERIFY(dexo.waitForStarted());
        QVERIFY(Esperar([&] {
            return HayCerrojo(QStringLiteral("Dexo")) && carpeta_.Existe(QStringLiteral("Dexo.INI"));
        }));
        QCOMPARE(dexo.state(), QProcess::Running);
        QCOMPARE(primero.state(), QProcess::Running);

        dexo.terminate();
        QVERIFY(dexo.waitForFinished(20000));
        primero.kill();
        QVERIFY(primero.waitForFinished(20000));
        // The editor never writes the settings.
        QVERIFY(!carpeta_.Leer(QStringLiteral("Dexo.INI")).contains("Idioma"));
    }

    void segundoInicioLlamaAlPrimero_data()
    {
        QTest::addColumn<bool>("atiende");
        QTest::newRow("el primero atiende") << true;
        QTest::newRow("el primero no escucha") << false;
    }
    void segundoInicioLlamaAlPrimero()
    {
        // This test holds the editor's lock as the running copy would, so that it sees the call.
        QFETCH(bool, atiende);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(ejecucion_.path()));
        InstanciaUnica primera(QStringLiteral("Tradel"), carpeta_.Ruta());
        QVERIFY(primera.EsLaPrimera());
        int llamadas = 0;
        if (atiende)
            primera.AtenderLlamadas(this, [&llamadas] { ++llamadas; });

        // The first takes no call while this waits without an event loop: the second copy must
        // not wait for it, and ends with status 0.
        QProcess segundo;
        Preparar(segundo, QStringLiteral("Tradel"));
        segundo.start();
        QVERIFY(segundo.waitForFinished(20000));
        QCOMPARE(segundo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(segundo.exitCode(), 0);
        QTRY_COMPARE(llamadas, atiende ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestProcesosTradel)
#include "test_procesos_tradel.moc"
