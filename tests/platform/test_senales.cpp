#include "senales.h"

#include <QDir>
#include <QObject>
#include <QSet>
#include <QTest>

#include <csignal>
#include <fcntl.h>

namespace {

QSet<int> DescriptoresAbiertos()
{
    QSet<int> abiertos;
    const QStringList nombres = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System);
    for (const QString &nombre : nombres)
        abiertos.insert(nombre.toInt());
    return abiertos;
}

bool PorDefecto(int senal)
{
    struct sigaction actual = {};
    ::sigaction(senal, nullptr, &actual);
    return actual.sa_handler == SIG_DFL;
}

} // namespace

// SIGTERM, SIGINT and SIGHUP, turned into one call on the user-interface thread.
class TestSenales : public QObject
{
    Q_OBJECT

private slots:
    void unaSenalYLaSegundaPorDefecto()
    {
        if (!QDir(QStringLiteral("/proc/self/fd")).exists())
            QSKIP("no /proc on this system");
        const QSet<int> antes = DescriptoresAbiertos();
        PrepararSenales();

        // The pair must not leak into the programs Dexo opens, and must never block.
        const QSet<int> nuevos = DescriptoresAbiertos() - antes;
        QCOMPARE(nuevos.size(), 2);
        for (int descriptor : nuevos) {
            QVERIFY(::fcntl(descriptor, F_GETFD) & FD_CLOEXEC);
            QVERIFY(::fcntl(descriptor, F_GETFL) & O_NONBLOCK);
        }
        for (int senal : {SIGTERM, SIGINT, SIGHUP})
            QVERIFY(!PorDefecto(senal));

        // Caught before the watch exists (main prepares it before Qt): delivered once it does.
        ::raise(SIGINT);
        QObject contexto;
        int llamadas = 0;
        InstalarVigilanciaSenales(&contexto, [&llamadas] { ++llamadas; });
        QTRY_COMPARE(llamadas, 1);
        // A second Ctrl+C, or any of the others, now ends the program at once.
        for (int senal : {SIGTERM, SIGINT, SIGHUP})
            QVERIFY2(PorDefecto(senal), qPrintable(QString::number(senal)));
        QTest::qWait(20);
        QCOMPARE(llamadas, 1);
    }
};

QTEST_GUILESS_MAIN(TestSenales)
#include "test_senales.moc"
