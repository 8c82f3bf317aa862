#include "inicio_sistema.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The Linux autostart entry, written for real under a temporary XDG_CONFIG_HOME.
class TestInicioXdg : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir config_;

    QString Entrada() const { return config_.filePath(QStringLiteral("autostart/Dexo.desktop")); }

    QByteArray LineaExec() const
    {
        QFile archivo(Entrada());
        if (!archivo.open(QIODevice::ReadOnly))
            return {};
        for (const QByteArray &linea : archivo.readAll().split('\n')) {
            if (linea.startsWith("Exec="))
                return linea;
        }
        return {};
    }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toUtf8()); }

    void grabarYBorrar()
    {
        QString error;
        QVERIFY(GrabarInicioSistemaNativo(QStringLiteral("Dexo"), QStringLiteral("/opt/dexo/Dexo"), &error));
        QCOMPARE(LineaExec(), QByteArray("Exec=\"/opt/dexo/Dexo\""));
        QFile archivo(Entrada());
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        const QByteArray contenido = archivo.readAll();
        QVERIFY(contenido.startsWith("[Desktop Entry]\n"));
        QVERIFY(contenido.contains("\nType=Application\n"));
        // The icon that the menu entries install under the same name.
        QVERIFY(contenido.contains("\nIcon=dexo\n"));

        // Writing again replaces the entry; removing it twice is fine.
        QVERIFY(GrabarInicioSistemaNativo(QStringLiteral("Dexo"), QStringLiteral("/home/ana/mis cosas/Dexo"),
                                          &error));
        QCOMPARE(LineaExec(), QByteArray("Exec=\"/home/ana/mis cosas/Dexo\""));
        QVERIFY(BorrarInicioSistemaNativo(QStringLiteral("Dexo")));
        QVERIFY(!QFile::exists(Entrada()));
        QVERIFY(BorrarInicioSistemaNativo(QStringLiteral("Dexo")));
    }

    void caracteresReservadosEscapados()
    {
        QString error;
        QVERIFY(GrabarInicioSistemaNativo(QStringLiteral("Dexo"), QStringLiteral("/d/$a`b\"c\\d%e/Dexo"),
                                          &error));
        QCOMPARE(LineaExec(), QByteArray("Exec=\"/d/\\\\$a\\\\`b\\\\\"c\\\\\\\\d%%e/Dexo\""));
    }

    void comandoInstalado()
    {
        // Installed from the package: "dexo" in the PATH leads to the program, so the entry names it;
        // another program of that name does not count.
        const QTemporaryDir raiz;
        QVERIFY(QDir().mkpath(raiz.filePath(QStringLiteral("lib/dexo"))) &&
                QDir().mkpath(raiz.filePath(QStringLiteral("bin"))));
        const QString programa = raiz.filePath(QStringLiteral("lib/dexo/Dexo"));
        QFile(programa).open(QIODevice::WriteOnly);
        QVERIFY(QFile::setPermissions(programa, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QFile::link(QStringLiteral("../lib/dexo/Dexo"), raiz.filePath(QStringLiteral("bin/dexo"))));
        const QByteArray ruta = qgetenv("PATH");
        qputenv("PATH", raiz.filePath(QStringLiteral("bin")).toUtf8() + ':' + ruta);
        QString error;
        QVERIFY(GrabarInicioSistemaNativo(QStringLiteral("Dexo"), programa, &error));
        QCOMPARE(LineaExec(), QByteArray("Exec=dexo"));
        QVERIFY(GrabarInicioSistemaNativo(QStringLiteral("Dexo"), QStringLiteral("/opt/dexo/Dexo"), &error));
        QCOMPARE(LineaExec(), QByteArray("Exec=\"/opt/dexo/Dexo\""));
        qputenv("PATH", ruta);
    }

    void carpetaQueNoSePuedeCrear()
    {
        QFile bloqueo(config_.filePath(QStringLiteral("bloqueo")));
        QVERIFY(bloqueo.open(QIODevice::WriteOnly));
        bloqueo.close();
        qputenv("XDG_CONFIG_HOME", bloqueo.fileName().toUtf8()); // a file where a folder should be
        QString error;
        QVERIFY(!GrabarInicioSistemaNativo(QStringLiteral("Dexo"), QStringLiteral("/opt/dexo/Dexo"), &error));
        QVERIFY(error.contains(QStringLiteral("autostart")));
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestInicioXdg)
#include "test_inicio_xdg.moc"
