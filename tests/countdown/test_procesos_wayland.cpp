#include "carpeta_programa.h"
#include "esperar.h"
#include "perfil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

constexpr char kSocket[] = "wayland-dexo-test";
constexpr char kCarpetaX11[] = "/tmp/.X11-unix";

// Whether the X server shows a window of the process, mapped by the compositor's window manager.
bool VentanaMapeada(const QString &display, qint64 pid)
{
    QProcess xdotool;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("DISPLAY"), display);
    xdotool.setProcessEnvironment(entorno);
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                              QStringLiteral("--pid"), QString::number(pid)});
    return xdotool.waitForFinished(20000) && !xdotool.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

// The built program started the plain way inside a real Wayland session: Debian's weston on its
// headless backend, with Xwayland, in a runtime folder of its own.
class TestProcesosWayland : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir runtime_; // created 0700, as a compositor wants it
    CarpetaPrograma carpeta_;
    QProcess weston_;
    QString display_;

    QString Log() const { return runtime_.filePath(QStringLiteral("weston.log")); }

private slots:
    void initTestCase()
    {
        const QString weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
        if (weston.isEmpty())
            QSKIP("weston is not installed (Debian packages weston, xwayland and qt6-wayland)");
        // Weston listens for X clients itself, in the system's folder of X sockets.
        if (!QFile::exists(QLatin1String(kCarpetaX11)) && ::mkdir(kCarpetaX11, 01777) == 0)
            ::chmod(kCarpetaX11, 01777);
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        entorno.remove(QStringLiteral("WAYLAND_DISPLAY"));
        entorno.remove(QStringLiteral("DISPLAY"));
        weston_.setProcessEnvironment(entorno);
        weston_.setProcessChannelMode(QProcess::MergedChannels);
        weston_.start(weston, {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--xwayland"),
                               QStringLiteral("--socket=") + QLatin1String(kSocket),
                               QStringLiteral("--log=") + Log()});
        // Weston names the X display it serves in its log: ":0", or the first free number.
        const QRegularExpression anuncio(QStringLiteral("xserver listening on display (:\\d+)"));
        Esperar([&] {
            QFile log(Log());
            if (log.open(QIODevice::ReadOnly))
                display_ = anuncio.match(QString::fromUtf8(log.readAll())).captured(1);
            return !display_.isEmpty() || weston_.state() == QProcess::NotRunning;
        });
        if (display_.isEmpty()) {
            QFile log(Log());
            log.open(QIODevice::ReadOnly);
            const QByteArray motivo =
                "weston could not start a headless session with Xwayland; its log ends:\n" +
                log.readAll().right(600) + weston_.readAll().right(300);
            QSKIP(motivo.constData());
        }

        const QString programa = carpeta_.Archivo(QStringLiteral("Dexo"));
        QVERIFY(QFile::copy(QStringLiteral(DEXO_EJECUTABLE), programa));
        QVERIFY(QFile::setPermissions(programa, QFile::permissions(QStringLiteral(DEXO_EJECUTABLE))));
        QVERIFY(QFile::copy(QStringLiteral(DEXO_IDIOMAS_FUENTE "/Español.dxl"),
                            carpeta_.Archivo(QStringLiteral("Español.dxl"))));
    }

    void cleanupTestCase()
    {
        weston_.terminate();
        if (weston_.state() != QProcess::NotRunning && !weston_.waitForFinished(10000))
            weston_.kill();
    }

    void posicionGuardadaTrasCerrar_data()
    {
        QTest::addColumn<QString>("qpa");
        QTest::addColumn<QString>("display"); // empty: Xwayland's
        QTest::addColumn<QByteArray>("plugin");
        // The plain start, as from the menu or autostart: an X11 client of Xwayland.
        QTest::newRow("sin elegir") << QString() << QString() << QByteArray("/libqxcb.so");
        // The user's own choice wins: a native client, which is never told its place.
        QTest::newRow("wayland elegido")
            << QStringLiteral("wayland") << QString() << QByteArray("/libqwayland-");
        // A stale DISPLAY: no X server answers there, and Dexo comes up as a native client.
        QTest::newRow("DISPLAY muerto")
            << QString() << QStringLiteral(":4093") << QByteArray("/libqwayland-");
    }
    void posicionGuardadaTrasCerrar()
    {
        QFETCH(QString, qpa);
        QFETCH(QString, display);
        QFETCH(QByteArray, plugin);
        const bool x11 = plugin == "/libqxcb.so";
        if (x11 && QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed (Debian package xdotool): the X11 window cannot be seen mapped");
        // Only the on-top switch is missing: its write at start-up says that the program is up.
        carpeta_.EscribirIni("[Posicion]\r\nIzda=1815\r\nSup=2730\r\n");

        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!qpa.isEmpty())
            entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), qpa);
        entorno.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        entorno.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        entorno.insert(QStringLiteral("WAYLAND_DISPLAY"), QLatin1String(kSocket));
        entorno.insert(QStringLiteral("DISPLAY"), display.isEmpty() ? display_ : display);
        // LSan matches its suppressions against whole stacks; its fast unwinder stops short in
        // libwayland, built without frame pointers, and a leak there would be blamed on Dexo.
        if (!x11 && entorno.contains(QStringLiteral("ASAN_OPTIONS")))
            entorno.insert(QStringLiteral("ASAN_OPTIONS"), entorno.value(QStringLiteral("ASAN_OPTIONS")) +
                                                               QStringLiteral(":fast_unwind_on_malloc=0"));
        QProcess dexo;
        dexo.setProcessEnvironment(entorno);
        dexo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        dexo.start(carpeta_.Archivo(QStringLiteral("Dexo")), {});
        QVERIFY(dexo.waitForStarted());
        QVERIFY(Esperar(
            [&] { return LeerPerfil(carpeta_.Ini(), "Opciones", "SVisible", "?") != QLatin1String("?"); }));
        QCOMPARE(dexo.state(), QProcess::Running);
        // The platform in use is the plugin in its memory map.
        QFile mapa(QStringLiteral("/proc/%1/maps").arg(dexo.processId()));
        QVERIFY(mapa.open(QIODevice::ReadOnly));
        QVERIFY2(mapa.readAll().contains(plugin), "Dexo did not load the expected Qt platform plugin");
        // Let the compositor map and place the window before the close reads its place: the
        // channel opens once the window is shown, and an X11 window is seen mapped.
        QVERIFY(Esperar([&] {
            return !QDir(runtime_.path()).entryList({QStringLiteral("Dexo-*.sock")}, QDir::System).isEmpty();
        }));
        if (x11)
            QVERIFY(Esperar([&] { return VentanaMapeada(display_, dexo.processId()); }));

        dexo.terminate(); // the close sequence, as at the end of the session
        QVERIFY(dexo.waitForFinished(20000));
        QCOMPARE(dexo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(dexo.exitCode(), 0);
        QCOMPARE(LeerPerfil(carpeta_.Ini(), "Posicion", "Izda", "?"), QStringLiteral("1815"));
        QCOMPARE(LeerPerfil(carpeta_.Ini(), "Posicion", "Sup", "?"), QStringLiteral("2730"));
    }
};

QTEST_GUILESS_MAIN(TestProcesosWayland)
#include "test_procesos_wayland.moc"
