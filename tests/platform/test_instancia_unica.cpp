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
        QTest::addColumn<QString>("caso");
        QTest::addColumn<bool>("llega");
        QTest::newRow("mismo entorno") << "mismo entorno" << true;
        // Another user took the name the channel once had in the temporary folder.
        QTest::newRow("nombre antiguo ocupado") << "ocupado" << true;
        QTest::newRow("otro TMPDIR") << "otro TMPDIR" << true;
        // No socket address holds so long a path: the first copy runs all the same, uncalled.
        QTest::newRow("canal imposible") << "ruta larga" << false;
    }
    void llamada()
    {
        QFETCH(QString, caso);
        QFETCH(bool, llega);
        QTemporaryDir ajustes, ejecucion, temporal, otroTemporal; // the runtime folder is 0700
        QString runtime = ejecucion.path();
        if (caso == QLatin1String("ruta larga")) {
            runtime += u'/' + QString(120, u'r');
            QVERIFY(::mkdir(QFile::encodeName(runtime).constData(), 0700) == 0);
        }
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        qputenv("TMPDIR", QFile::encodeName(temporal.path()));

        InstanciaUnica primera(QStringLiteral("Prueba"), ajustes.path());
        QVERIFY(primera.EsLaPrimera());
        const QFileInfoList cerrojos = QDir(runtime).entryInfoList({QStringLiteral("Prueba-*.lock")});
        QCOMPARE(cerrojos.size(), 1);
        if (caso == QLatin1String("ocupado")) {
            const QString cerrojo = cerrojos[0].absoluteFilePath();
            const QByteArray huella =
                QCryptographicHash::hash(cerrojo.toUtf8(), QCryptographicHash::Sha1).toHex();
            QVERIFY(QDir(temporal.path()).mkdir(cerrojos[0].completeBaseName() + u'-' + huella.left(12)));
        }
        int llamadas = 0;
        primera.AtenderLlamadas(this, [&llamadas] { ++llamadas; });
        if (caso == QLatin1String("otro TMPDIR"))
            qputenv("TMPDIR", QFile::encodeName(otroTemporal.path()));
        const InstanciaUnica segunda(QStringLiteral("Prueba"), ajustes.path());
        QVERIFY(!segunda.EsLaPrimera());
        QCOMPARE(segunda.LlamarALaPrimera(), llega);
        QTRY_COMPARE(llamadas, llega ? 1 : 0);
        if (llega) {
            // An absolute path beside the lock, in a folder that is the user's alone.
            QCOMPARE(QFileInfo(primera.Canal()).absolutePath(), runtime);
            struct stat carpeta = {}, canal = {};
            QVERIFY(::stat(QFile::encodeName(runtime).constData(), &carpeta) == 0);
            QCOMPARE(carpeta.st_mode & 0777, 0700u);
            QCOMPARE(carpeta.st_uid, ::geteuid());
            QVERIFY(::stat(QFile::encodeName(primera.Canal()).constData(), &canal) == 0 &&
                    S_ISSOCK(canal.st_mode));
        }
    }
};

QTEST_GUILESS_MAIN(TestInstanciaUnica)
#include "test_instancia_unica.moc"
