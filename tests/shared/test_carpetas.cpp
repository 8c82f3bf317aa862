#include "carpetas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>

// Where the settings live (the program folder when it can be written, else the user's folder)
// and where a language is found (the user's copy first).
class TestCarpetas : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> temporal_; // a fresh one for each row

    QString Ruta(const QString &nombre) const { return temporal_->filePath(nombre); }
    static QString Nativa(const QString &carpeta)
    {
        return QDir::toNativeSeparators(carpeta) + QDir::separator();
    }
    static void Crear(const QString &ruta) { QFile(ruta).open(QIODevice::WriteOnly); }

private slots:
    void init()
    {
        temporal_ = std::make_unique<QTemporaryDir>();
        QVERIFY(temporal_->isValid());
    }

    void carpetaDeAjustes_data()
    {
        QTest::addColumn<bool>("escribible");
        QTest::addColumn<QString>("xdg");      // "-": unset
        QTest::addColumn<QString>("esperada"); // relative to the scratch folder; "=": the program folder
        QTest::newRow("portable") << true << QStringLiteral("xdg") << QStringLiteral("=");
        QTest::newRow("installed, XDG set") << false << QStringLiteral("xdg") << QStringLiteral("xdg/Dexo");
        QTest::newRow("installed, XDG unset")
            << false << QStringLiteral("-") << QStringLiteral("casa/.config/Dexo");
        QTest::newRow("installed, XDG empty") << false << QString() << QStringLiteral("casa/.config/Dexo");
        QTest::newRow("installed, XDG relative")
            << false << QStringLiteral("rel") << QStringLiteral("casa/.config/Dexo");
    }
    void carpetaDeAjustes()
    {
        QFETCH(bool, escribible);
        QFETCH(QString, xdg);
        QFETCH(QString, esperada);
        QVERIFY(QDir().mkpath(Ruta(QStringLiteral("casa"))));
        qputenv("HOME", Ruta(QStringLiteral("casa")).toUtf8());
        if (xdg == u'-')
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME",
                    xdg.isEmpty() || xdg == QLatin1String("rel") ? xdg.toUtf8() : Ruta(xdg).toUtf8());

        // Root writes through permission bits; /proc takes no new file from anyone.
        QString programa = Ruta(QStringLiteral("programa"));
        QVERIFY(QDir().mkpath(programa));
        if (!escribible) {
            if (::geteuid() == 0)
                programa = QStringLiteral("/proc");
            else
                QVERIFY(QFile::setPermissions(programa, QFile::ReadOwner | QFile::ExeOwner));
        }

        const Carpetas carpetas = Carpetas::Decidir(programa);
        QFile::setPermissions(Ruta(QStringLiteral("programa")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(carpetas.Programa(), Nativa(programa));
        const QString ajustes = esperada == u'=' ? Nativa(programa) : Nativa(Ruta(esperada));
        QCOMPARE(carpetas.Ajustes(), ajustes);
        QCOMPARE(carpetas.Portatil(), escribible);
        // The probe leaves nothing behind.
        QCOMPARE(QDir(Ruta(QStringLiteral("programa")))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());

        // Deciding creates nothing; the first write that needs the folder does, and the file
        // dialogs start there from then on.
        QCOMPARE(QFileInfo::exists(ajustes), escribible);
        QCOMPARE(carpetas.CarpetaDialogos(), Nativa(programa));
        QVERIFY(carpetas.PrepararAjustes());
        QVERIFY(QFileInfo(ajustes).isDir());
        QCOMPARE(carpetas.CarpetaDialogos(), ajustes);
    }

    void dondeEstaUnIdioma_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("enAjustes"); // "f" file, "d" folder of that name, "" nothing
        QTest::addColumn<bool>("enPrograma");
        QTest::addColumn<QString>("esperado"); // "ajustes", "programa" or "" (no language)
        QTest::addColumn<bool>("existe");
        QTest::newRow("in both: the user's copy") << "Español"
                                                  << "f" << true << "ajustes" << true;
        QTest::newRow("shipped only") << "English"
                                      << "" << true << "programa" << true;
        QTest::newRow("user's only") << "Klingon"
                                     << "f" << false << "ajustes" << true;
        QTest::newRow("neither") << "Nada"
                                 << "" << false << "programa" << false;
        QTest::newRow("a folder is no file") << "Italiano"
                                             << "d" << true << "programa" << true;
        QTest::newRow("a path") << "../Español"
                                << "" << true << "" << false;
        QTest::newRow("a sub-folder") << "sub/Español"
                                      << "" << true << "" << false;
        QTest::newRow("a backslash") << "sub\\Español"
                                     << "" << true << "" << false;
        QTest::newRow("empty") << ""
                               << "" << false << "" << false;
    }
    void dondeEstaUnIdioma()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, enAjustes);
        QFETCH(bool, enPrograma);
        QFETCH(QString, esperado);
        QFETCH(bool, existe);
        const Carpetas carpetas(Ruta(QStringLiteral("programa")), Ruta(QStringLiteral("ajustes")));
        QVERIFY(QDir().mkpath(Ruta(QStringLiteral("programa/sub"))) &&
                QDir().mkpath(Ruta(QStringLiteral("ajustes"))));
        const QString archivo = QFileInfo(nombre).fileName() + QStringLiteral(".dxl");
        if (enPrograma) {
            Crear(Ruta(QStringLiteral("programa/") + archivo));
            Crear(Ruta(QStringLiteral("programa/sub/") + archivo));
        }
        if (enAjustes == u'f')
            Crear(Ruta(QStringLiteral("ajustes/") + archivo));
        else if (enAjustes == u'd')
            QVERIFY(QDir().mkpath(Ruta(QStringLiteral("ajustes/") + archivo)));

        const QString ruta = carpetas.RutaIdioma(nombre);
        QCOMPARE(ruta, esperado.isEmpty() ? QString() : Nativa(Ruta(esperado)) + archivo);
        QCOMPARE(carpetas.ExisteIdioma(nombre), existe);
    }
};

QTEST_GUILESS_MAIN(TestCarpetas)
#include "test_carpetas.moc"
