#include "eleccion_plataforma.h"

#include <QTest>

namespace {

struct Caso
{
    const char *nombre, *sesion, *wayland, *display, *qpa, *argumentos, *plataforma;
};

// XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY, QT_QPA_PLATFORM, the command line -> the platform.
constexpr Caso kCasos[] = {
    // Wayland sessions with Xwayland: X11, so that the window keeps its place; Wayland when
    // DISPLAY names no server that answers or there is no X11 plugin, rather than no window.
    {"wayland con X", "wayland", "wayland-0", ":0", "", "", "xcb;wayland"},
    {"solo WAYLAND_DISPLAY", "", "wayland-1", ":1", "", "", "xcb;wayland"},
    {"solo el tipo de sesion", "wayland", "", ":0", "", "", "xcb;wayland"},
    {"tipo en mayusculas", "Wayland", "", ":0", "", "", "xcb;wayland"},
    {"argumentos ajenos", "wayland", "wayland-0", ":0", "", "--days platform", "xcb;wayland"},
    // No X server: native Wayland is the only choice.
    {"wayland sin X", "wayland", "wayland-0", "", "", "", ""},
    {"DISPLAY en blanco", "wayland", "wayland-0", " ", "", "", ""},
    // Not a Wayland session: Qt's own choice.
    {"sesion X11", "x11", "", ":0", "", "", ""},
    {"sin sesion grafica", "tty", "", "", "", "", ""},
    // What the user chose always wins.
    {"QT_QPA_PLATFORM", "wayland", "wayland-0", ":0", "wayland", "", ""},
    {"QT_QPA_PLATFORM lista", "wayland", "wayland-0", ":0", "wayland;xcb", "", ""},
    {"-platform X", "wayland", "wayland-0", ":0", "", "-platform wayland", ""},
    {"-platform=X", "wayland", "wayland-0", ":0", "", "-platform=wayland", ""},
    {"--platform X", "wayland", "wayland-0", ":0", "", "--days --platform offscreen", ""},
};

} // namespace

// Which Qt platform Dexo asks for, from the session's variables and the command line.
class TestEleccionPlataforma : public QObject
{
    Q_OBJECT

private slots:
    void elegir_data()
    {
        QTest::addColumn<int>("indice");
        for (int i = 0; i < int(std::size(kCasos)); ++i)
            QTest::newRow(kCasos[i].nombre) << i;
    }
    void elegir()
    {
        QFETCH(int, indice);
        const Caso &caso = kCasos[indice];
        const QByteArrayList argumentos = QByteArray(caso.argumentos).split(' ');
        const EntornoGrafico entorno{caso.sesion, caso.wayland, caso.display, caso.qpa};
        QCOMPARE(ElegirPlataforma(entorno, argumentos), QByteArray(caso.plataforma));
    }
};

QTEST_GUILESS_MAIN(TestEleccionPlataforma)
#include "test_eleccion_plataforma.moc"
