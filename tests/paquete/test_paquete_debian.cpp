#include "esperar.h"
#include "perfil.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <unistd.h>

// The Debian package, built from this build, checked, unpacked into a scratch root and run from
// there as an installed copy: a program folder its user cannot write.
class TestPaqueteDebian : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir temporal_;
    QString deb_;

    QString En(const QString &ruta) const { return temporal_.filePath(ruta); }
    QString Programa() const { return En(QStringLiteral("raiz/usr/lib/dexo/Dexo")); }

    // Output of a command that must succeed.
    static QByteArray Ejecutar(const QString &programa, const QStringList &argumentos, int *estado = nullptr)
    {
        QProcess proceso;
        proceso.setProcessChannelMode(QProcess::MergedChannels);
        proceso.start(programa, argumentos);
        if (!proceso.waitForFinished(300000))
            return "did not end";
        if (estado)
            *estado = proceso.exitCode();
        return proceso.readAll();
    }

    static QStringList Archivos(const QString &raiz)
    {
        QStringList lista;
        QDirIterator it(raiz, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            lista << it.next();
        lista.sort();
        return lista;
    }

    // A user of the machine: their own home and settings, no display. Root writes through
    // permission bits, so as root the program runs as nobody.
    void Preparar(QProcess &proceso, const QString &casa, const QStringList &argumentos) const
    {
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
            entorno.remove(QString::fromLatin1(variable));
        entorno.insert(QStringLiteral("HOME"), casa);
        entorno.insert(QStringLiteral("XDG_CONFIG_HOME"), casa + QStringLiteral("/config"));
        proceso.setProcessEnvironment(entorno);
        const QStringList comoNobody{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                     QStringLiteral("--clear-groups"), Programa()};
        proceso.setProgram(::geteuid() == 0 ? QStringLiteral("setpriv") : Programa());
        proceso.setArguments(::geteuid() == 0 ? comoNobody + argumentos : argumentos);
    }

    QString Casa(const QString &nombre) const
    {
        const QString casa = En(nombre);
        QDir().mkpath(casa + QStringLiteral("/config"));
        QFile::setPermissions(casa, QFileDevice::Permissions(0x7777));
        QFile::setPermissions(casa + QStringLiteral("/config"), QFileDevice::Permissions(0x7777));
        return casa;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(temporal_.isValid());
        QFile::setPermissions(temporal_.path(), QFileDevice::Permissions(0x7755));
        int estado = -1;
        const QByteArray salida =
            Ejecutar(QStringLiteral(DEXO_CPACK),
                     {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                      QStringLiteral(DEXO_DIR_COMPILACION "/CPackConfig.cmake"), QStringLiteral("-B"),
                      En(QStringLiteral("deb"))},
                     &estado);
        QVERIFY2(estado == 0, salida.constData());
        deb_ = En(QStringLiteral("deb/dexo_3.00_amd64.deb"));
        QVERIFY2(QFileInfo(deb_).isFile(), salida.constData());
        QCOMPARE(
            Ejecutar(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb_, En(QStringLiteral("raiz"))}),
            "");
    }

    void contenidoYCampos()
    {
        const QByteArray contenido =
            Ejecutar(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb_});
        for (const char *ruta :
             {"./usr/bin/dexo -> ../lib/dexo/Dexo", "./usr/bin/tradel -> ../lib/dexo/Tradel",
              "./usr/lib/dexo/Dexo\n", "./usr/lib/dexo/Tradel\n", "./usr/lib/dexo/dexo_sonido.so",
              "./usr/lib/dexo/Español.dxl", "./usr/lib/dexo/end.wav", "./usr/lib/dexo/Ayuda/Ayuda.htm",
              "./usr/share/applications/Dexo.desktop", "./usr/share/applications/Tradel.desktop",
              "./usr/share/icons/hicolor/scalable/apps/dexo.svg",
              "./usr/share/icons/hicolor/scalable/apps/tradel.svg", "./usr/share/doc/dexo/copyright",
              "./usr/share/doc/dexo/changelog.gz"})
            QVERIFY2(contenido.contains(ruta), ruta);
        QVERIFY(!contenido.contains("Dexo.INI"));
        QVERIFY(
            Ejecutar(QStringLiteral("grep"), {QStringLiteral("-x"), QStringLiteral("Exec=dexo"),
                                              En(QStringLiteral("raiz/usr/share/applications/Dexo.desktop"))})
                .startsWith("Exec=dexo"));

        const QByteArray campos = Ejecutar(QStringLiteral("dpkg-deb"), {QStringLiteral("--info"), deb_});
        for (const char *campo :
             {" Package: dexo\n", " Version: 3.00\n", " Architecture: amd64\n",
              " Maintainer: ", " Depends: ", "libqt6widgets6", " Description: countdown widget"})
            QVERIFY2(campos.contains(campo), campos.constData());

        // No errors; the warnings left are listed in the README.
        const QByteArray lintian =
            Ejecutar(QStringLiteral("lintian"), {QStringLiteral("--allow-root"), deb_});
        qInfo().noquote() << lintian;
        QVERIFY2(!lintian.startsWith("E:") && !lintian.contains("\nE:"), lintian.constData());
    }

    void lineaDeOrdenesSinPantalla_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("salida");  // standard output, whole
        QTest::addColumn<QString>("errores"); // the start of standard error
        const QString dias = QStringLiteral("00") + QLocale().groupSeparator() + QStringLiteral("012\n");
        QTest::newRow("days") << QStringList{"--days"} << 0 << dias << QString();
        QTest::newRow("Qt's option kept")
            << QStringList{"-platform", "offscreen", "--days"} << 0 << dias << QString();
        QTest::newRow("version") << QStringList{"--version"} << 0 << QStringLiteral("Dexo 3.00\n")
                                 << QString();
        QTest::newRow("unknown") << QStringList{"--days", "--dias"} << 2 << QString()
                                 << QStringLiteral("Dexo: opción desconocida: --dias\nUso: dexo");
        QTest::newRow("stray word") << QStringList{"hola"} << 2 << QString()
                                    << QStringLiteral("Dexo: opción desconocida: hola\n");
    }
    void lineaDeOrdenesSinPantalla()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(int, estado);
        QFETCH(QString, salida);
        QFETCH(QString, errores);
        const QString casa = Casa(QStringLiteral("dias"));
        const QString ini = casa + QStringLiteral("/config/Dexo/Dexo.INI");
        QDir().mkpath(casa + QStringLiteral("/config/Dexo"));
        EscribirPerfil(ini, QStringLiteral("Datos"), QStringLiteral("Fecha"),
                       QDate::currentDate().addDays(12).toString(QStringLiteral("dd/MM/yyyy")));
        const QStringList antes = Archivos(casa) + Archivos(En(QStringLiteral("raiz")));

        QProcess proceso;
        Preparar(proceso, casa, argumentos);
        proceso.start();
        QVERIFY(proceso.waitForFinished(20000));
        QCOMPARE(proceso.exitCode(), estado);
        QCOMPARE(QString::fromUtf8(proceso.readAllStandardOutput()), salida);
        const QString error = QString::fromUtf8(proceso.readAllStandardError());
        QVERIFY2(error.startsWith(errores) && (errores.isEmpty() || error.contains(u"--days")),
                 qPrintable(error));
        QCOMPARE(Archivos(casa) + Archivos(En(QStringLiteral("raiz"))), antes); // nothing written
    }

    void dosUsuariosALaVez()
    {
        const QStringList carpetaAntes = Archivos(En(QStringLiteral("raiz")));
        std::array<QProcess, 2> procesos;
        std::array<QString, 2> ajustes;
        for (size_t i = 0; i < procesos.size(); ++i) {
            const QString casa = Casa(QStringLiteral("usuario%1").arg(i));
            ajustes[i] = casa + QStringLiteral("/config/Dexo/Dexo.INI");
            Preparar(procesos[i], casa, {QStringLiteral("-platform"), QStringLiteral("offscreen")});
            procesos[i].setProcessChannelMode(QProcess::ForwardedChannels);
            procesos[i].start();
            // The first start writes the on-top switch: each into its user's own folder.
            QVERIFY(Esperar([&] { return QFileInfo::exists(ajustes[i]); }));
        }
        for (QProcess &proceso : procesos) {
            QCOMPARE(proceso.state(), QProcess::Running); // one instance per settings folder
            proceso.terminate();
            QVERIFY(proceso.waitForFinished(20000));
            QCOMPARE(proceso.exitCode(), 0);
        }
        for (const QString &archivo : ajustes)
            QCOMPARE(LeerPerfil(archivo, "Posicion", "Izda", "?"), QStringLiteral("195"));
        QCOMPARE(Archivos(En(QStringLiteral("raiz"))), carpetaAntes);
    }
};

QTEST_GUILESS_MAIN(TestPaqueteDebian)
#include "test_paquete_debian.moc"
