// The yardstick for Dexo's start-up and idle figures: the least a Qt Widgets program can do that
// looks like Dexo. One label with "00.000" in a frameless window and a one-second timer whose
// tick changes nothing on screen, as Dexo's day watch does on every day but the last.

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bench_referencia"));

    QLabel etiqueta(QStringLiteral("00.000"), nullptr, Qt::FramelessWindowHint);
    etiqueta.setWindowTitle(QStringLiteral("bench_referencia"));

    int ticks = 0;
    QTimer reloj;
    reloj.setInterval(1000);
    QObject::connect(&reloj, &QTimer::timeout, [&ticks] { ++ticks; });
    reloj.start();

    etiqueta.show();
    return app.exec();
}
