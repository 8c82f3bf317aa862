#include "instancia_unica.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// The call of a later copy to the running one, whatever the shared temporary folder holds.
class TestInstanciaUnica : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("TMPDIR"); }

    void llamada_data()
    {
        QTest::addColumn<bool>("llega");
        QTest::newRow("mismo entorno") << true;
        QTest::newRow("nombre antiguo ocupado") << true; // by another user, in the temporary folder
        QTest::newRow("otro TMPDIR") << true;
        // No socket address holds so long a path: the first copy runs all the same, uncalled.
        QTest::newRow("ruta larga") << false;
    }
    void llamada()
    {
        QFETCH(bool, llega);
        const QByteArray caso = QTest::currentDataTag();
        QTemporaryDir ajustes, ejecucion, temporal, otroTemporal; // the runtime folder is 0700
        const QString runtime =
            ejecucion.path() + (caso == "ruta larga" ? u'/' + QString(120, u'r') : QString());
        QVERIFY(QDir(runtime).exists() || ::mkdir(QFile::encodeName(runtime).constData(), 0700) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        qputenv("TMPDIR", QFile::encodeName(temporal.path()));

        InstanciaUnica primera(QStringLiteral("Prueba"), ajustes.path());
        QVERIFY(primera.EsLaPrimera());
        const QFileInfoList cerrojo = QDir(runtime).entryInfoList({QStringLiteral("Prueba-*.lock")});
        QCOMPARE(cerrojo.size(), 1);
        const QByteArray huella =
            QCryptographicHash::hash(cerrojo[0].absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
                .toHex();
        if (caso == "nombre antiguo ocupado")
            QVERIFY(QDir(temporal.path()).mkdir(cerrojo[0].completeBaseName() + u'-' + huella.left(12)));
        int llamadas = 0;
        primera.AtenderLlamadas(this, [&llamadas] { ++llamadas; });
        if (caso == "otro TMPDIR")
            qputenv("TMPDIR", QFile::encodeName(otroTemporal.path()));
        const InstanciaUnica segunda(QStringLiteral("Prueba"), ajustes.path());
        QVERIFY(!segunda.EsLaPrimera());
        QCOMPARE(segunda.LlamarALaPrimera(), llega);
        QTRY_COMPARE(llamadas, llega ? 1 : 0);
        if (llega) { // an absolute path beside the lock, in a folder that is the user's alone
            QCOMPARE(QFileInfo(primera.Canal()).absolutePath(), runtime);
            struct stat carpeta = {};
            QVERIFY(::stat(QFile::encodeName(runtime).constData(), &carpeta) == 0);
            QCOMPARE(carpeta.st_mode & 0777, 0700u);
            QCOMPARE(carpeta.st_uid, ::geteuid());
        }
    }
};

QTEST_GUILESS_MAIN(TestInstanciaUnica)
#include "test_instancia_unica.moc"
