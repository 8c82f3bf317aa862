#include "esperar.h"
#include "perfil.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>

// The portable program folder as `cmake --install` lays it out, run from where it was installed,
// and the script beside the programs that adds them to the desktop's menu.
class TestCarpetaInstalada : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir temporal_;
    QString carpeta_; // the installed program folder, with a space and an accent in its path

    QString EnCarpeta(const QString &nombre) const { return carpeta_ + u'/' + nombre; }

    static QByteArray Leer(const QString &ruta)
    {
        QFile archivo(ruta);
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    }

    static QStringList Archivos(const QString &raiz)
    {
        QStringList lista;
        QDirIterator it(raiz, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            lista << QDir(raiz).relativeFilePath(it.next());
        lista.sort();
        return lista;
    }

    // Whether the process has its SIGTERM handler in place (Linux: the caught-signals mask).
    static bool AtrapaSigterm(qint64 pid)
    {
        const QByteArray estado = Leer(QStringLiteral("/proc/%1/status").arg(pid));
        const qsizetype inicio = estado.indexOf("\nSigCgt:");
        if (inicio < 0)
            return false;
        const QByteArray mascara =
            estado.mid(inicio + 8, estado.indexOf('\n', inicio + 1) - inicio - 8).trimmed();
        return (mascara.toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }

    // The programs run with a home of their own, so nothing of the user's desktop is touched.
    QProcessEnvironment Entorno(const QString &datos = QString()) const
    {
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("HOME"), temporal_.filePath(QStringLiteral("casa")));
        entorno.insert(QStringLiteral("XDG_CONFIG_HOME"), temporal_.filePath(QStringLiteral("casa/.config")));
        entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        entorno.insert(QStringLiteral("XDG_RUNTIME_DIR"), temporal_.filePath(QStringLiteral("ejecucion")));
        if (datos.isNull())
            entorno.remove(QStringLiteral("XDG_DATA_HOME"));
        else
            entorno.insert(QStringLiteral("XDG_DATA_HOME"), datos);
        return entorno;
    }

    // Runs lanzadores.sh of the given folder; returns its exit code, or -1 when it did not end.
    int Lanzadores(const QString &carpeta, const QString &orden, const QString &datos = QString())
    {
        QProcess proceso;
        proceso.setProcessEnvironment(Entorno(datos));
        proceso.setProcessChannelMode(QProcess::ForwardedChannels);
        proceso.start(carpeta + QStringLiteral("/lanzadores.sh"), {orden});
        if (!proceso.waitForFinished(20000) || proceso.exitStatus() != QProcess::NormalExit)
            return -1;
        return proceso.exitCode();
    }

    static QByteArray Linea(const QByteArray &contenido, const QByteArray &clave)
    {
        for (const QByteArray &linea : contenido.split('\n')) {
            if (linea.startsWith(clave + '='))
                return linea;
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(temporal_.isValid());
        QVERIFY(QDir(temporal_.path()).mkdir(QStringLiteral("ejecucion")));
        QVERIFY(QFile::setPermissions(temporal_.filePath(QStringLiteral("ejecucion")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        carpeta_ = temporal_.filePath(QStringLiteral("Mis programas/Dexo ñ"));
        QProcess cmake;
        cmake.setProcessChannelMode(QProcess::MergedChannels);
        cmake.start(QStringLiteral(DEXO_CMAKE),
                    {QStringLiteral("--install"), QStringLiteral(DEXO_DIR_COMPILACION),
                     QStringLiteral("--prefix"), carpeta_});
        QVERIFY(cmake.waitForFinished(60000));
        QVERIFY2(cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0,
                 cmake.readAll().constData());
    }

    void carpetaCompleta()
    {
        const QString fuentes = QStringLiteral(DEXO_DIR_FUENTES "/assets");
        QStringList esperados{QStringLiteral("Dexo"),           QStringLiteral("Tradel"),
                              QStringLiteral("dexo_sonido.so"), QStringLiteral("end.wav"),
                              QStringLiteral("dexo.svg"),       QStringLiteral("tradel.svg"),
                              QStringLiteral("Dexo.desktop"),   QStringLiteral("Tradel.desktop"),
                              QStringLiteral("lanzadores.sh")};
        for (const QString &ayuda : Archivos(fuentes + QStringLiteral("/Ayuda")))
            esperados << QStringLiteral("Ayuda/") + ayuda;
        // Exactly the language files of the sources, accents in their names included.
        const QStringList idiomas =
            QDir(fuentes + QStringLiteral("/idiomas")).entryList({QStringLiteral("*.dxl")}, QDir::Files);
        esperados << idiomas;
        // Qt's own texts for the five shipped languages (Qt's Portuguese is the Brazilian one).
        for (const char *codigo : {"es", "en", "it", "fr", "pt_BR"})
            esperados << QStringLiteral("qtbase_%1.qm").arg(QLatin1String(codigo));
        esperados.sort();
        QCOMPARE(Archivos(carpeta_), esperados);

        for (const QString &programa :
             {QStringLiteral("Dexo"), QStringLiteral("Tradel"), QStringLiteral("lanzadores.sh")})
            QVERIFY2(QFileInfo(EnCarpeta(programa)).isExecutable(), qPrintable(programa));
        QCOMPARE(Leer(EnCarpeta(QStringLiteral("dexo.svg"))),
                 Leer(fuentes + QStringLiteral("/programa/dexo.svg")));
        QCOMPARE(Leer(EnCarpeta(QStringLiteral("tradel.svg"))),
                 Leer(fuentes + QStringLiteral("/programa/tradel.svg")));
    }

    void ambosProgramasArrancanAlli()
    {
        // Tradel has to outlive Dexo's whole run: a program that cannot start ends at once.
        QProcess tradel;
        tradel.setProcessEnvironment(Entorno());
        tradel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        tradel.start(EnCarpeta(QStringLiteral("Tradel")), {});
        QVERIFY(tradel.waitForStarted());
        // Its channel opens once its window is built: it is up.
        QVERIFY(Esperar([&tradel, this] {
            return !QDir(temporal_.filePath(QStringLiteral("ejecucion")))
                        .entryList({QStringLiteral("Tradel-*.sock")}, QDir::System)
                        .isEmpty() ||
                   tradel.state() == QProcess::NotRunning;
        }));

        QProcess dexo;
        dexo.setProcessEnvironment(Entorno());
        dexo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        dexo.start(EnCarpeta(QStringLiteral("Dexo")), {});
        QVERIFY(dexo.waitForStarted());
        // Dexo keeps its settings beside itself: the first start writes the file there.
        QVERIFY(Esperar([this] { return QFile::exists(EnCarpeta(QStringLiteral("Dexo.INI"))); }));
        // A SIGTERM that came before the handler would end Dexo without its close sequence.
        QVERIFY(Esperar([&dexo] { return AtrapaSigterm(dexo.processId()); }));
        dexo.terminate(); // the close sequence saves the position
        QVERIFY(dexo.waitForFinished(20000));
        QCOMPARE(dexo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(dexo.exitCode(), 0);
        const QString ini = EnCarpeta(QStringLiteral("Dexo.INI"));
        QVERIFY(LeerPerfil(ini, "Posicion", "Izda", "?") != QStringLiteral("?"));
        QVERIFY(LeerPerfil(ini, "Posicion", "Sup", "?") != QStringLiteral("?"));

        QCOMPARE(tradel.state(), QProcess::Running);
        tradel.kill();
        QVERIFY(tradel.waitForFinished(20000));
        QFile::remove(ini);
    }

    void lanzadores_data()
    {
        QTest::addColumn<QString>("datosEntorno"); // XDG_DATA_HOME, null when unset
        QTest::addColumn<QString>("datos");        // where the files must land
        const QString casa = temporal_.filePath(QStringLiteral("casa"));
        QTest::newRow("home") << QString() << casa + QStringLiteral("/.local/share");
        QTest::newRow("XDG_DATA_HOME")
            << temporal_.filePath(QStringLiteral("datos")) << temporal_.filePath(QStringLiteral("datos"));
        // The base directory rules ignore a relative path.
        QTest::newRow("relative XDG_DATA_HOME")
            << QStringLiteral("datos") << casa + QStringLiteral("/.local/share");
    }

    void lanzadores()
    {
        QFETCH(QString, datosEntorno);
        QFETCH(QString, datos);
        const QString aplicaciones = datos + QStringLiteral("/applications");
        const QString iconos = datos + QStringLiteral("/icons/hicolor/scalable/apps");
        QVERIFY(QDir().mkpath(aplicaciones));
        QFile ajeno(aplicaciones + QStringLiteral("/ajeno.desktop"));
        QVERIFY(ajeno.open(QIODevice::WriteOnly));
        ajeno.close();
        const QStringList antes = Archivos(datos);

        QCOMPARE(Lanzadores(carpeta_, QStringLiteral("--install-launchers"), datosEntorno), 0);
        const QStringList escritos{QStringLiteral("applications/Dexo.desktop"),
                                   QStringLiteral("applications/Tradel.desktop"),
                                   QStringLiteral("icons/hicolor/scalable/apps/dexo.svg"),
                                   QStringLiteral("icons/hicolor/scalable/apps/tradel.svg")};
        QStringList ahora = antes + escritos;
        ahora.sort();
        QCOMPARE(Archivos(datos), ahora);

        const struct
        {
            const char *programa, *icono;
        } entradas[] = {{"Dexo", "dexo"}, {"Tradel", "tradel"}};
        for (const auto &e : entradas) {
            const QString programa = QString::fromLatin1(e.programa);
            const QByteArray entrada = Leer(aplicaciones + u'/' + programa + QStringLiteral(".desktop"));
            QCOMPARE(Linea(entrada, "Exec"), "Exec=\"" + EnCarpeta(programa).toUtf8() + '"');
            QCOMPARE(Linea(entrada, "Path"), "Path=" + carpeta_.toUtf8());
            QCOMPARE(Linea(entrada, "Icon"), QByteArray("Icon=") + e.icono);
            QCOMPARE(Linea(entrada, "StartupWMClass"), QByteArray("StartupWMClass=") + e.programa);
            QVERIFY(!Linea(entrada, "Comment[en]").isEmpty());
            const QString icono = QString::fromLatin1(e.icono) + QStringLiteral(".svg");
            QCOMPARE(Leer(iconos + u'/' + icono), Leer(EnCarpeta(icono)));
        }

        const QString validador = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validador.isEmpty()) {
            QProcess validar;
            validar.setProcessChannelMode(QProcess::MergedChannels);
            validar.start(validador, {aplicaciones + QStringLiteral("/Dexo.desktop"),
                                      aplicaciones + QStringLiteral("/Tradel.desktop")});
            QVERIFY(validar.waitForFinished(20000));
            QVERIFY2(validar.exitCode() == 0 && validar.readAll().isEmpty(),
                     "desktop-file-validate complained");
        }

        // Removing takes exactly what was written, and a second time finds nothing to do.
        QCOMPARE(Lanzadores(carpeta_, QStringLiteral("--remove-launchers"), datosEntorno), 0);
        QCOMPARE(Archivos(datos), antes);
        QCOMPARE(Lanzadores(carpeta_, QStringLiteral("--remove-launchers"), datosEntorno), 0);
        QCOMPARE(Archivos(datos), antes);

        if (validador.isEmpty())
            QSKIP("desktop-file-validate is not installed: the entries were not validated");
    }

    void lasEntradasDeOtraCarpetaSeQuedan()
    {
        // A second copy of the folder, whose path holds every character that Exec escapes.
        const QString otra = temporal_.filePath(QStringLiteral("otra $a`b\"c\\d%e"));
        QVERIFY(QDir().mkpath(otra));
        for (const char *nombre :
             {"lanzadores.sh", "Dexo.desktop", "Tradel.desktop", "dexo.svg", "tradel.svg"}) {
            const QString archivo = QString::fromLatin1(nombre);
            QVERIFY(QFile::copy(EnCarpeta(archivo), otra + u'/' + archivo));
        }
        const QString datos = temporal_.filePath(QStringLiteral("otros datos"));
        QCOMPARE(Lanzadores(otra, QStringLiteral("--install-launchers"), datos), 0);
        const QByteArray entrada = Leer(datos + QStringLiteral("/applications/Dexo.desktop"));
        QCOMPARE(Linea(entrada, "Exec"),
                 "Exec=\"" + temporal_.path().toUtf8() + "/otra \\\\$a\\\\`b\\\\\"c\\\\\\\\d%%e/Dexo\"");
        QCOMPARE(Linea(entrada, "Path"), "Path=" + temporal_.path().toUtf8() + "/otra $a`b\"c\\\\d%e");

        // The installed folder did not write these entries: it leaves them and their icons.
        const QStringList antes = Archivos(datos);
        QCOMPARE(antes.size(), 4);
        QCOMPARE(Lanzadores(carpeta_, QStringLiteral("--remove-launchers"), datos), 0);
        QCOMPARE(Archivos(datos), antes);
        QCOMPARE(Lanzadores(otra, QStringLiteral("--remove-launchers"), datos), 0);
        QVERIFY(Archivos(datos).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCarpetaInstalada)
#include "test_carpeta_instalada.moc"
