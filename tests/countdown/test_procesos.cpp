#include "carpeta_programa.h"
#include "perfil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

// The built program, run for real on the offscreen platform from a copy in a temporary folder.
class TestProcesos : public QObject
{
    Q_OBJECT

private:
    CarpetaPrograma carpeta_;

    QString Programa() const { return carpeta_.Archivo(QStringLiteral("Dexo")); }

    void Preparar(QProcess &proceso)
    {
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        proceso.setProcessEnvironment(entorno);
        proceso.setProgram(Programa());
        proceso.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }

    static bool Esperar(const std::function<bool()> &condicion, int milisegundos = 20000)
    {
        QElapsedTimer reloj;
        reloj.start();
        while (!condicion()) {
            if (reloj.elapsed() > milisegundos)
                return false;
            QTest::qWait(50);
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::copy(QStringLiteral(DEXO_EJECUTABLE), Programa()));
        QVERIFY(QFile::setPermissions(Programa(), QFile::permissions(QStringLiteral(DEXO_EJECUTABLE))));
        // As installed, with its language: the first start then writes nothing but the on-top switch.
        QVERIFY(QFile::copy(QStringLiteral(DEXO_IDIOMAS_FUENTE "/Español.dxl"),
                            carpeta_.Archivo(QStringLiteral("Español.dxl"))));
    }

    void sinRutaDeBibliotecasVacia()
    {
        // An empty entry in the library search path means the current folder.
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral(DEXO_EJECUTABLE)});
        if (!readelf.waitForFinished(20000) || readelf.exitCode() != 0)
            QSKIP("readelf is not available");
        for (const QByteArray &linea : readelf.readAllStandardOutput().split('\n')) {
            const qsizetype abre = linea.indexOf('[');
            if ((!linea.contains("RUNPATH") && !linea.contains("RPATH")) || abre < 0)
                continue;
            const QByteArray ruta = linea.mid(abre + 1, linea.lastIndexOf(']') - abre - 1);
            QVERIFY2(!ruta.isEmpty() && !ruta.startsWith(':') && !ruta.endsWith(':') && !ruta.contains("::"),
                     linea.constData());
        }
    }

    void unaSolaInstanciaYCierrePorSenal()
    {
        QProcess primero;
        Preparar(primero);
        primero.start();
        QVERIFY(primero.waitForStarted());
        // The first start writes the on-top switch back: the program is up.
        QVERIFY(Esperar([&] { return carpeta_.Existe(QStringLiteral("Dexo.INI")); }));
        const QByteArray antes = carpeta_.LeerIni();

        QProcess segundo;
        Preparar(segundo);
        segundo.start();
        QVERIFY(segundo.waitForFinished(20000));
        QCOMPARE(segundo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(segundo.exitCode(), 0);
        QCOMPARE(carpeta_.LeerIni(), antes);
        QCOMPARE(primero.state(), QProcess::Running);

        primero.terminate(); // SIGTERM: the close sequence runs and saves the position
        QVERIFY(primero.waitForFinished(20000));
        QCOMPARE(primero.exitStatus(), QProcess::NormalExit);
        QCOMPARE(primero.exitCode(), 0);
        QCOMPARE(LeerPerfil(carpeta_.Ini(), "Posicion", "Izda", "?"), QStringLiteral("195"));
        QCOMPARE(LeerPerfil(carpeta_.Ini(), "Posicion", "Sup", "?"), QStringLiteral("195"));
    }

    void cerrojoDeUnProcesoMuertoNoBloquea()
    {
        QProcess muerto;
        Preparar(muerto);
        muerto.start();
        QVERIFY(muerto.waitForStarted());
        QTest::qWait(1500);
        muerto.kill();
        QVERIFY(muerto.waitForFinished(20000));

        QFile::remove(carpeta_.Ini());
        QProcess siguiente;
        Preparar(siguiente);
        siguiente.start();
        QVERIFY(Esperar([&] { return carpeta_.Existe(QStringLiteral("Dexo.INI")); }));
        QCOMPARE(siguiente.state(), QProcess::Running);
        siguiente.terminate();
        QVERIFY(siguiente.waitForFinished(20000));
    }
};

QTEST_GUILESS_MAIN(TestProcesos)
#include "test_procesos.moc"
