#include "carpetas.h"
#include "perfil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

// The settings files on Windows: which folder holds them, their replacement while another program
// has them open, and paths written the Windows way.
class TestArchivosWindows : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir temporal_;

    QString Ruta(const QString &nombre) const { return temporal_.filePath(nombre); }
    static QString Nativa(const QString &carpeta) { return QDir::toNativeSeparators(carpeta) + u'\\'; }
    QStringList Contenido(const QString &carpeta) const
    {
        return QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    // A folder this user cannot write, or none: Windows keeps its own folder from users; Wine,
    // which enforces no ACLs, shows its host's /proc as Z:\proc.
    static QString CarpetaSinEscritura()
    {
        wchar_t sistema[MAX_PATH] = {};
        GetSystemDirectoryW(sistema, MAX_PATH);
        for (const QString &carpeta : {QStringLiteral("Z:/proc"), QString::fromWCharArray(sistema)}) {
            if (QFileInfo(carpeta).isDir() && !CarpetaEscribible(carpeta))
                return carpeta;
        }
        return {};
    }

private slots:
    void carpetaDeAjustes()
    {
        const QString roaming = QDir::toNativeSeparators(Ruta(QStringLiteral("Roaming")));
        qputenv("APPDATA", roaming.toLocal8Bit());

        // A folder that can be written keeps the settings, and the probe leaves nothing in it.
        const QString programa = Ruta(QStringLiteral("Dexo portátil"));
        QVERIFY(QDir().mkpath(programa));
        const Carpetas portatil = Carpetas::Decidir(programa);
        QVERIFY(portatil.Portatil());
        QCOMPARE(portatil.Ajustes(), Nativa(programa));
        QCOMPARE(Contenido(programa), QStringList());

        const QString soloLectura = CarpetaSinEscritura();
        if (soloLectura.isEmpty())
            QSKIP("this user can write every folder tried here");
        const Carpetas instalada = Carpetas::Decidir(soloLectura);
        QVERIFY(!instalada.Portatil());
        QCOMPARE(instalada.Programa(), Nativa(soloLectura));
        QCOMPARE(instalada.Ajustes(), roaming + QStringLiteral("\\Dexo\\"));
        QVERIFY(instalada.PrepararAjustes());
        QVERIFY(EscribirPerfil(instalada.Ajustes() + QStringLiteral("Dexo.INI"), "Opciones", "Idioma",
                               "English"));
        QCOMPARE(LeerPerfil(roaming + QStringLiteral("/Dexo/Dexo.INI"), "Opciones", "Idioma", "?"),
                 QStringLiteral("English"));
    }

    void reemplazoConElArchivoAbierto_data()
    {
        QTest::addColumn<DWORD>("compartido");
        QTest::addColumn<bool>("puedeEscribirse");
        // An editor that lets others delete and rename the file: whether it can be replaced under
        // it depends on the version of Windows.
        QTest::newRow("shared for deletion")
            << DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE) << true;
        // One that does not: the save fails.
        QTest::newRow("not shared for deletion") << DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE) << false;
    }
    void reemplazoConElArchivoAbierto()
    {
        QFETCH(DWORD, compartido);
        QFETCH(bool, puedeEscribirse);
        const QString carpeta = Ruta(QStringLiteral("abierto"));
        QVERIFY(QDir().mkpath(carpeta));
        const QString ini = carpeta + QStringLiteral("/Dexo.INI");
        const QByteArray antes("[Datos]\r\nFecha=01/02/2030\r\n");
        QFile archivo(ini);
        QVERIFY(archivo.open(QIODevice::WriteOnly) && archivo.write(antes) == antes.size());
        archivo.close();

        const HANDLE otro =
            CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(ini).utf16()),
                        GENERIC_READ, compartido, nullptr, OPEN_EXISTING, 0, nullptr);
        QVERIFY(otro != INVALID_HANDLE_VALUE);
        QString motivo;
        const bool escrito = EscribirPerfil(ini, "Datos", "Fecha", "03/04/2031", &motivo);
        CloseHandle(otro);

        // Either way the file is whole, old or new, the answer says which, and a failure says why.
        if (!puedeEscribirse)
            QVERIFY(!escrito);
        QCOMPARE(LeerPerfil(ini, "Datos", "Fecha", "?"),
                 QString::fromLatin1(escrito ? "03/04/2031" : "01/02/2030"));
        QVERIFY2(motivo.isEmpty() == escrito, qPrintable(motivo));
        // No temporary file is left beside it.
        QCOMPARE(Contenido(carpeta), QStringList{QStringLiteral("Dexo.INI")});
        QVERIFY(QFile::remove(ini));
        qInfo("%s: %s", escrito ? "replaced" : "not replaced", qPrintable(motivo));
    }

    void rutasConUnidadYContrabarras()
    {
        // The program gets its folder with a drive letter and either separator; it hands out
        // backslashes.
        const QString programa = Ruta(QStringLiteral("Mis programas/Dexo"));
        QVERIFY(QDir().mkpath(programa));
        QVERIFY(programa.at(1) == u':');
        const Carpetas carpetas(programa, QDir::toNativeSeparators(programa));
        QCOMPARE(carpetas.Programa(), Nativa(programa));
        QCOMPARE(carpetas.Ajustes(), carpetas.Programa());
        QCOMPARE(carpetas.RutaIdioma(QStringLiteral("English")),
                 Nativa(programa) + QStringLiteral("English.dxl"));
        // A drive or a backslash in a language's name makes it no language.
        QCOMPARE(carpetas.RutaIdioma(QStringLiteral("C:English")), QString());
        QCOMPARE(carpetas.RutaIdioma(QStringLiteral("..\\English")), QString());

        // A file named with backslashes is the same file as with forward slashes.
        const QString ini = carpetas.Ajustes() + QStringLiteral("Dexo.INI");
        QVERIFY(EscribirPerfil(ini, "Posicion", "Izda", "3000"));
        QCOMPARE(LeerPerfil(QDir::fromNativeSeparators(ini), "Posicion", "Izda", "?"),
                 QStringLiteral("3000"));
        QCOMPARE(Contenido(programa), QStringList{QStringLiteral("Dexo.INI")});
    }
};

QTEST_GUILESS_MAIN(TestArchivosWindows)
#include "test_archivos_windows.moc"
