#include "carpeta_programa.h"
#include "perfil.h"

#include <QFile>
#include <QTest>

// The profile layer, checked byte for byte against the rules of the platform's profile functions.
class TestPerfil : public QObject
{
    Q_OBJECT

private:
    CarpetaPrograma carpeta_;
    QString Ini() const { return carpeta_.Ini(); }
    QString Leer(const QByteArray &contenido, const QString &seccion, const QString &clave,
                 const QString &porDefecto = QStringLiteral("DEF"))
    {
        carpeta_.EscribirIni(contenido);
        return LeerPerfil(Ini(), seccion, clave, porDefecto);
    }
    QByteArray Escribir(const QByteArray &antes, const QString &seccion, const QString &clave, const QString &valor)
    {
        carpeta_.EscribirIni(antes);
        if (!EscribirPerfil(Ini(), seccion, clave, valor))
            return QByteArrayLiteral("<falló>");
        return carpeta_.LeerIni();
    }

private slots:
    void init() { QFile::remove(Ini()); }

    void lectura_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("seccion");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("esperado");

        QTest::newRow("simple") << QByteArray("[s]\r\nk=v\r\n") << "s" << "k" << "v";
        QTest::newRow("sin fin de linea al final") << QByteArray("[s]\r\nk=v") << "s" << "k" << "v";
        QTest::newRow("LF y CR solos") << QByteArray("[s]\nx=1\rk=v\n") << "s" << "k" << "v";
        QTest::newRow("mayusculas ASCII") << QByteArray("[OpCiones]\r\nSVISIBLE=Si\r\n") << "opciones" << "svisible" << "Si";
        QTest::newRow("solo ASCII sin mayusculas") << QByteArray("[\xd1]\r\nk=v\r\n") << QString::fromUtf8("ñ") << "k" << "DEF";
        QTest::newRow("espacios en argumentos") << QByteArray("[s]\r\nk=v\r\n") << "  s " << " k  " << "v";
        QTest::newRow("tabulador es parte del nombre") << QByteArray("[s]\r\nk=v\r\n") << "s" << "\tk" << "DEF";
        QTest::newRow("blancos de la linea") << QByteArray(" \t[ s ] \r\n\v k \t=\t v \x1a\f\r\n") << "s" << "k" << "v";
        QTest::newRow("texto tras el corchete") << QByteArray("[s] comentario\r\nk=v\r\n") << "s" << "k" << "v";
        QTest::newRow("seccion sin corchete de cierre") << QByteArray("[s \r\nk=v\r\n") << "s" << "k" << "v";
        QTest::newRow("seccion vacia") << QByteArray("[]\r\nk=v\r\n") << "" << "k" << "v";
        QTest::newRow("claves antes de toda seccion") << QByteArray("k=v\r\n[s]\r\n") << "" << "k" << "DEF";
        QTest::newRow("comentario") << QByteArray("[s]\r\n;k=v\r\n") << "s" << ";k" << "DEF";
        QTest::newRow("almohadilla no es comentario") << QByteArray("[s]\r\n#k=v\r\n") << "s" << "#k" << "v";
        QTest::newRow("punto y coma dentro del valor") << QByteArray("[s]\r\nk=a;b\r\n") << "s" << "k" << "a;b";
        QTest::newRow("primer igual") << QByteArray("[s]\r\nk=a=b\r\n") << "s" << "k" << "a=b";
        QTest::newRow("linea sin igual") << QByteArray("[s]\r\nk\r\n") << "s" << "k" << "DEF";
        QTest::newRow("valor vacio") << QByteArray("[s]\r\nk=\r\n") << "s" << "k" << "";
        QTest::newRow("clave vacia") << QByteArray("[s]\r\n=v\r\n") << "s" << "" << "v";
        QTest::newRow("primera seccion de un nombre") << QByteArray("[s]\r\na=1\r\n[S]\r\nk=2\r\n") << "s" << "k" << "DEF";
        QTest::newRow("primera clave de un nombre") << QByteArray("[s]\r\nk=1\r\nK=2\r\n") << "s" << "k" << "1";
        QTest::newRow("clave de otra seccion") << QByteArray("[a]\r\nk=1\r\n[s]\r\nx=2\r\n") << "s" << "k" << "DEF";
        QTest::newRow("comillas dobles") << QByteArray("[s]\r\nk=\" a b \"\r\n") << "s" << "k" << " a b ";
        QTest::newRow("comillas simples") << QByteArray("[s]\r\nk='x'\r\n") << "s" << "k" << "x";
        QTest::newRow("comillas distintas") << QByteArray("[s]\r\nk=\"x'\r\n") << "s" << "k" << "\"x'";
        QTest::newRow("una comilla sola") << QByteArray("[s]\r\nk=\"\r\n") << "s" << "k" << "\"";
        QTest::newRow("dos comillas") << QByteArray("[s]\r\nk=\"\"\r\n") << "s" << "k" << "";
        QTest::newRow("solo un par de comillas") << QByteArray("[s]\r\nk=\"\"x\"\"\r\n") << "s" << "k" << "\"x\"";
        QTest::newRow("Windows-1252") << QByteArray("[Opciones]\r\nIdioma=Espa\xf1ol \x80\r\n") << "Opciones" << "Idioma"
                                      << QString::fromUtf8("Español €");
        QTest::newRow("UTF-8 con marca") << QByteArray("\xef\xbb\xbf[s]\r\nk=\xd0\x96\r\n") << "s" << "k"
                                         << QString::fromUtf8("Ж");
        QTest::newRow("UTF-16LE con marca") << QByteArray("\xff\xfe[\0s\0]\0\r\0\n\0k\0=\0\x16\x04", 18) << "s" << "k"
                                            << QString::fromUtf8("Ж");
        QTest::newRow("UTF-16BE con marca") << QByteArray("\xfe\xff\0[\0s\0]\0\n\0k\0=\x04\x16", 16) << "s" << "k"
                                            << QString::fromUtf8("Ж");
    }
    void lectura()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, seccion);
        QFETCH(QString, clave);
        QFETCH(QString, esperado);
        QCOMPARE(Leer(contenido, seccion, clave), esperado);
    }

    void valoresLargosEnteros()
    {
        const QString largo = QString(600, u'x');
        QCOMPARE(Leer("[s]\r\nk=" + largo.toLatin1() + "\r\n", "s", "k"), largo);
    }

    void valorPorDefecto()
    {
        QCOMPARE(LeerPerfil(carpeta_.Archivo("no-existe.ini"), "s", "k", "  d \t  "), QString("  d \t"));
        QCOMPARE(Leer("[s]\r\n", "s", "k", "d  "), QString("d"));
        QCOMPARE(Leer("", "s", "k", ""), QString());
        // A folder where a file should be gives the default too.
        QCOMPARE(LeerPerfil(carpeta_.Ruta(), "s", "k", "d"), QString("d"));
    }

    void cadaLecturaAbreElArchivo()
    {
        QCOMPARE(Leer("[s]\r\nk=1\r\n", "s", "k"), QString("1"));
        carpeta_.EscribirIni("[s]\r\nk=2\r\n");
        QCOMPARE(LeerPerfil(Ini(), "s", "k", ""), QString("2"));
    }

    void escritura_data()
    {
        QTest::addColumn<QByteArray>("antes");
        QTest::addColumn<QString>("seccion");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QByteArray>("despues");

        QTest::newRow("archivo nuevo") << QByteArray() << "Opciones" << "SVisible" << "No"
                                       << QByteArray("[Opciones]\r\nSVisible=No\r\n");
        QTest::newRow("reemplazo en su sitio") << QByteArray("[s]\r\na=1\r\nk=old\r\nb=2\r\n") << "s" << "k" << "new"
                                               << QByteArray("[s]\r\na=1\r\nk=new\r\nb=2\r\n");
        QTest::newRow("conserva la grafia") << QByteArray("[OPC]\r\n  KeY = old \r\n") << "opc" << "key" << "v"
                                            << QByteArray("[OPC]\r\nKeY=v\r\n");
        QTest::newRow("reemplazo en linea LF") << QByteArray("[s]\nk=1\nz=2\n") << "s" << "k" << "3"
                                               << QByteArray("[s]\nk=3\r\nz=2\n");
        QTest::newRow("reemplazo en la ultima linea sin salto") << QByteArray("[s]\r\nk=1") << "s" << "k" << "2"
                                                                << QByteArray("[s]\r\nk=2\r\n");
        QTest::newRow("clave nueva tras la ultima clave") << QByteArray("[s]\r\na=1\r\n; nota\r\n\r\n[t]\r\n") << "s" << "k" << "v"
                                                          << QByteArray("[s]\r\na=1\r\nk=v\r\n; nota\r\n\r\n[t]\r\n");
        QTest::newRow("clave nueva en seccion sin claves") << QByteArray("[s]\r\n; nota\r\n[t]\r\n") << "s" << "k" << "v"
                                                           << QByteArray("[s]\r\nk=v\r\n; nota\r\n[t]\r\n");
        QTest::newRow("clave nueva tras cabecera sin salto") << QByteArray("[s]") << "s" << "k" << "v"
                                                             << QByteArray("[s]\r\nk=v\r\n");
        QTest::newRow("seccion nueva al final") << QByteArray("[a]\r\nx=1\r\n") << "b" << "k" << "v"
                                                << QByteArray("[a]\r\nx=1\r\n[b]\r\nk=v\r\n");
        QTest::newRow("seccion nueva tras linea sin salto") << QByteArray("[a]\r\nx=1") << "b" << "k" << "v"
                                                            << QByteArray("[a]\r\nx=1\r\n[b]\r\nk=v\r\n");
        QTest::newRow("solo la primera seccion del nombre") << QByteArray("[s]\r\na=1\r\n[s]\r\nk=2\r\n") << "s" << "k" << "3"
                                                            << QByteArray("[s]\r\na=1\r\nk=3\r\n[s]\r\nk=2\r\n");
        QTest::newRow("nombres recortados de espacios") << QByteArray() << "  s " << " k " << " v "
                                                        << QByteArray("[s]\r\nk= v \r\n");
        QTest::newRow("valor tal cual") << QByteArray() << "s" << "k" << "\"a\";b"
                                        << QByteArray("[s]\r\nk=\"a\";b\r\n");
        QTest::newRow("bytes ajenos intactos") << QByteArray("basura\x81\x8d\r\n\t; c \n[s]\n  z  =  9  \n\xff\r\n") << "s" << "k" << "v"
                                               << QByteArray("basura\x81\x8d\r\n\t; c \n[s]\n  z  =  9  \nk=v\r\n\xff\r\n");
        QTest::newRow("clave comentario agrega una linea") << QByteArray("[s]\r\n;k=1\r\n") << "s" << ";k" << "2"
                                                           << QByteArray("[s]\r\n;k=2\r\n;k=1\r\n");
        QTest::newRow("Windows-1252 se mantiene") << QByteArray("[s]\r\nk=\xf1\r\n") << "s" << "j" << QString::fromUtf8("€ñ")
                                                  << QByteArray("[s]\r\nk=\xf1\r\nj=\x80\xf1\r\n");
        QTest::newRow("pasa a UTF-8 con marca") << QByteArray("[s]\r\nk=\xf1\n") << "s" << "j" << QString::fromUtf8("Пётр")
                                                << QByteArray("\xef\xbb\xbf[s]\r\nk=\xc3\xb1\nj=\xd0\x9f\xd1\x91\xd1\x82\xd1\x80\r\n");
        QTest::newRow("UTF-8 se mantiene") << QByteArray("\xef\xbb\xbf[s]\nk=\xff\n") << "s" << "j" << QString::fromUtf8("ж")
                                           << QByteArray("\xef\xbb\xbf[s]\nk=\xff\nj=\xd0\xb6\r\n");
        QTest::newRow("UTF-16LE se mantiene") << QByteArray("\xff\xfe[\0s\0]\0\n\0", 10) << "s" << "k" << "v"
                                              << QByteArray("\xff\xfe[\0s\0]\0\n\0k\0=\0v\0\r\0\n\0", 20);
        // A U+FEFF that begins a later line is a character, not a mark: that line is no section.
        QTest::newRow("marca a media linea UTF-16") << QByteArray("\xff\xfe[\0s\0]\0\n\0\xff\xfe[\0s\0]\0", 18) << "t" << "k" << "v"
                                                    << QByteArray("\xff\xfe[\0s\0]\0\n\0\xff\xfe[\0s\0]\0\r\0\n\0[\0t\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0", 42);
        QTest::newRow("marca a media linea UTF-8") << QByteArray("\xef\xbb\xbf[a]\n\xef\xbb\xbf[s]\n") << "s" << "k" << "v"
                                                   << QByteArray("\xef\xbb\xbf[a]\n\xef\xbb\xbf[s]\n[s]\r\nk=v\r\n");
        // Cut in the middle of a unit: the unit is completed with a zero byte, as it is read.
        QTest::newRow("UTF-16 con un byte suelto") << QByteArray("\xff\xfe[\0a", 5) << "a" << "k" << "v"
                                                   << QByteArray("\xff\xfe[\0a\0\r\0\n\0k\0=\0v\0\r\0\n\0", 20);
        QTest::newRow("UTF-16BE se mantiene") << QByteArray("\xfe\xff\0[\0s\0]", 8) << "s" << "k" << "v"
                                              << QByteArray("\xfe\xff\0[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n", 22);
    }
    void escritura()
    {
        QFETCH(QByteArray, antes);
        QFETCH(QString, seccion);
        QFETCH(QString, clave);
        QFETCH(QString, valor);
        QFETCH(QByteArray, despues);
        QCOMPARE(Escribir(antes, seccion, clave, valor), despues);
    }

    void loEscritoSeLee()
    {
        const QString valores[] = {QString::fromUtf8("Español"), QString::fromUtf8("C:\\Фото\\a.jpg"),
                                   QStringLiteral("12/05/2027"), QString()};
        for (const QString &valor : valores) {
            QVERIFY(EscribirPerfil(Ini(), "Datos", "Icono", valor));
            QCOMPARE(LeerPerfil(Ini(), "Datos", "Icono", "?"), valor);
        }
        QVERIFY(EscribirPerfil(Ini(), "Datos", "Otra", "x"));
        QCOMPARE(LeerPerfil(Ini(), "Datos", "Icono", "?"), QString());
    }

    void saltosDeLineaRechazados()
    {
        carpeta_.EscribirIni("[s]\r\nk=1\r\n");
        QVERIFY(!EscribirPerfil(Ini(), "s", "k", "a\r\nb=2"));
        QVERIFY(!EscribirPerfil(Ini(), "s", "k\n", "v"));
        QVERIFY(!EscribirPerfil(Ini(), "s\r", "k", "v"));
        QCOMPARE(carpeta_.LeerIni(), QByteArray("[s]\r\nk=1\r\n"));
    }

    void carpetaInexistente()
    {
        const QString archivo = carpeta_.Archivo("no/existe/Dexo.INI");
        QVERIFY(!EscribirPerfil(archivo, "s", "k", "v"));
        QVERIFY(!QFile::exists(carpeta_.Archivo("no")));
    }

    void escrituraAtomicaConservaPermisos()
    {
        carpeta_.EscribirIni("[s]\r\nk=1\r\n");
        const auto permisos = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(Ini(), permisos));
        const QFile::Permissions antes = QFile::permissions(Ini());
        QVERIFY(EscribirPerfil(Ini(), "s", "k", "2"));
        QCOMPARE(QFile::permissions(Ini()), antes);
        QCOMPARE(carpeta_.LeerIni(), QByteArray("[s]\r\nk=2\r\n"));
        // No temporary file is left beside it.
        QCOMPARE(QDir(carpeta_.Ruta()).entryList(QDir::Files | QDir::Hidden), QStringList{"Dexo.INI"});
    }

    void archivoIlegibleNoSeReemplaza()
    {
        carpeta_.EscribirIni("[s]\r\nk=1\r\n");
        QVERIFY(QFile::setPermissions(Ini(), QFile::WriteOwner));
        if (QFile prueba(Ini()); prueba.open(QIODevice::ReadOnly)) {
            QFile::setPermissions(Ini(), QFile::ReadOwner | QFile::WriteOwner);
            QSKIP("this user reads every file");
        }
        QVERIFY(!EscribirPerfil(Ini(), "s", "j", "2"));
        QVERIFY(QFile::setPermissions(Ini(), QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(carpeta_.LeerIni(), QByteArray("[s]\r\nk=1\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestPerfil)
#include "test_perfil.moc"
