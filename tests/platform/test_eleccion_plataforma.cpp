#include "eleccion_plataforma.h"

#include <QTest>

// Which Qt platform Dexo asks for, from the session's variables and the command line.
class TestEleccionPlataforma : public QObject
{
    Q_OBJECT

private slots:
    void elegir_data()
    {
        QTest::addColumn<QByteArray>("sesion");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("qpa");
        QTest::addColumn<QByteArrayList>("argumentos");
        QTest::addColumn<QByteArray>("plataforma");

        const QByteArrayList ninguno;
        const QByteArray xcb("xcb");
        // Wayland sessions with Xwayland: X11, so that the window keeps its place.
        QTest::newRow("wayland con X") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0")
                                       << QByteArray() << ninguno << xcb;
        QTest::newRow("solo WAYLAND_DISPLAY")
            << QByteArray() << QByteArray("wayland-1") << QByteArray(":1") << QByteArray() << ninguno << xcb;
        QTest::newRow("solo el tipo de sesion")
            << QByteArray("wayland") << QByteArray() << QByteArray(":0") << QByteArray() << ninguno << xcb;
        QTest::newRow("tipo en mayusculas")
            << QByteArray("Wayland") << QByteArray() << QByteArray(":0") << QByteArray() << ninguno << xcb;
        QTest::newRow("argumentos ajenos")
            << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray()
            << QByteArrayList{"--days", "platform"} << xcb;
        // No X server: native Wayland is the only choice.
        QTest::newRow("wayland sin X") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray()
                                       << QByteArray() << ninguno << QByteArray();
        QTest::newRow("DISPLAY en blanco") << QByteArray("wayland") << QByteArray("wayland-0")
                                           << QByteArray(" ") << QByteArray() << ninguno << QByteArray();
        // Not a Wayland session: Qt's own choice.
        QTest::newRow("sesion X11") << QByteArray("x11") << QByteArray() << QByteArray(":0") << QByteArray()
                                    << ninguno << QByteArray();
        QTest::newRow("sin sesion grafica")
            << QByteArray("tty") << QByteArray() << QByteArray() << QByteArray() << ninguno << QByteArray();
        // What the user chose always wins.
        QTest::newRow("QT_QPA_PLATFORM wayland")
            << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("wayland")
            << ninguno << QByteArray();
        QTest::newRow("QT_QPA_PLATFORM lista")
            << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0")
            << QByteArray("wayland;xcb") << ninguno << QByteArray();
        QTest::newRow("-platform X") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0")
                                     << QByteArray() << QByteArrayList{"-platform", "wayland"}
                                     << QByteArray();
        QTest::newRow("-platform=X") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0")
                                     << QByteArray() << QByteArrayList{"-platform=wayland"} << QByteArray();
        QTest::newRow("--platform X")
            << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray()
            << QByteArrayList{"--days", "--platform", "offscreen"} << QByteArray();
    }
    void elegir()
    {
        QFETCH(QByteArray, sesion);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, qpa);
        QFETCH(QByteArrayList, argumentos);
        QFETCH(QByteArray, plataforma);
        QCOMPARE(ElegirPlataforma(EntornoGrafico{sesion, wayland, display, qpa}, argumentos), plataforma);
    }
};

QTEST_GUILESS_MAIN(TestEleccionPlataforma)
#include "test_eleccion_plataforma.moc"
