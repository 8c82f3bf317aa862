#include "archivo_sistema.h"
#include "carpeta_programa.h"
#include "claves.h"
#include "perfil.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Identity of a file on disk: a replace gives a new inode, a rewrite a new time.
struct Huella
{
    qint64 inodo = -1;
    QDateTime modificado;
    bool operator==(const Huella &) const = default;
};

Huella HuellaDe(const QString &archivo)
{
    Huella huella;
#ifdef Q_OS_UNIX
    struct stat datos
    {
    };
    if (::stat(QFile::encodeName(archivo).constData(), &datos) == 0)
        huella.inodo = static_cast<qint64>(datos.st_ino);
#endif
    huella.modificado = QFileInfo(archivo).fileTime(QFileDevice::FileModificationTime);
    return huella;
}

// A batch that touches every path of a write: replace, add a key, add a section, a no-op, names
// to trim, an empty value, and a value that only UTF-8 can hold (when asked for).
QList<EscrituraPerfil> LoteDePrueba(bool conCirilico)
{
    QList<EscrituraPerfil> lote = {
        {"a", "b", "uno"}, {"A", "B", "dos"},           {"nueva", "x", QString::fromUtf8("ñ€")},
        {"a", "b", "dos"}, {" s ", " k ", " espacio "}, {"", "", "vacio"},
        {"b", "a", ""},    {"a", "c", "\"quoted\""},
    };
    if (conCirilico) {
        lote.insert(3, {"a", "d", QString::fromUtf8("Пётр")});
        lote.append({"nueva", "y", QString::fromUtf8("Ж")});
    }
    return lote;
}

} // namespace

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
    QByteArray Escribir(const QByteArray &antes, const QString &seccion, const QString &clave,
                        const QString &valor)
    {
        carpeta_.EscribirIni(antes);
        if (!EscribirPerfil(Ini(), seccion, clave, valor))
            return QByteArrayLiteral("<falló>");
        return carpeta_.LeerIni();
    }

    // The file after the writes one after the other, and after the same writes as one batch.
    QPair<QByteArray, QByteArray> SucesivasYLote(const QByteArray &antes, const QList<EscrituraPerfil> &lote)
    {
        carpeta_.EscribirIni(antes);
        for (const EscrituraPerfil &e : lote) {
            if (!EscribirPerfil(Ini(), e.seccion, e.clave, e.valor))
                return {"<falló>", {}};
        }
        const QByteArray sucesivas = carpeta_.LeerIni();
        carpeta_.EscribirIni(antes);
        if (!EscribirPerfilLote(Ini(), lote))
            return {sucesivas, "<falló>"};
        return {sucesivas, carpeta_.LeerIni()};
    }

    static bool EsRoot()
    {
#ifdef Q_OS_UNIX
        return ::geteuid() == 0;
#else
        return false;
#endif
    }

private slots:
    void init()
    {
        QFile::remove(Ini());
    }

    void lectura_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("seccion");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("esperado");

        QTest::newRow("simple") << QByteArray("[s]\r\nk=v\r\n") << "s"
                                << "k"
                                << "v";
        QTest::newRow("sin fin de linea al final") << QByteArray("[s]\r\nk=v") << "s"
                                                   << "k"
                                                   << "v";
        QTest::newRow("LF y CR solos") << QByteArray("[s]\nx=1\rk=v\n") << "s"
                                       << "k"
                                       << "v";
        QTest::newRow("mayusculas ASCII") << QByteArray("[OpCiones]\r\nSVISIBLE=Si\r\n") << "opciones"
                                          << "svisible"
                                          << "Si";
        QTest::newRow("mayusculas fuera de ASCII")
            << QByteArray("[\xd1]\r\nk=v\r\n") << QString::fromUtf8("ñ") << "k"
            << "v";
        QTest::newRow("espacios en argumentos") << QByteArray("[s]\r\nk=v\r\n") << "  s "
                                                << " k  "
                                                << "v";
        QTest::newRow("tabulador es parte del nombre") << QByteArray("[s]\r\nk=v\r\n") << "s"
                                                       << "\tk"
                                                       << "DEF";
        QTest::newRow("blancos de la linea") << QByteArray(" \t[ s ] \r\n\v k \t=\t v \x1a\f\r\n") << "s"
                                             << "k"
                                             << "v";
        QTest::newRow("texto tras el corchete") << QByteArray("[s] comentario\r\nk=v\r\n") << "s"
                                                << "k"
                                                << "v";
        QTest::newRow("seccion sin corchete de cierre") << QByteArray("[s \r\nk=v\r\n") << "s"
                                                        << "k"
                                                        << "v";
        QTest::newRow("seccion vacia") << QByteArray("[]\r\nk=v\r\n") << ""
                                       << "k"
                                       << "v";
        QTest::newRow("claves antes de toda seccion") << QByteArray("k=v\r\n[s]\r\n") << ""
                                                      << "k"
                                                      << "DEF";
        QTest::newRow("comentario") << QByteArray("[s]\r\n;k=v\r\n") << "s"
                                    << ";k"
                                    << "DEF";
        QTest::newRow("almohadilla no es comentario") << QByteArray("[s]\r\n#k=v\r\n") << "s"
                                                      << "#k"
                                                      << "v";
        QTest::newRow("punto y coma dentro del valor") << QByteArray("[s]\r\nk=a;b\r\n") << "s"
                                                       << "k"
                                                       << "a;b";
        QTest::newRow("primer igual") << QByteArray("[s]\r\nk=a=b\r\n") << "s"
                                      << "k"
                                      << "a=b";
        QTest::newRow("linea sin igual") << QByteArray("[s]\r\nk\r\n") << "s"
                                         << "k"
                                         << "DEF";
        QTest::newRow("valor vacio") << QByteArray("[s]\r\nk=\r\n") << "s"
                                     << "k"
                                     << "";
        QTest::newRow("clave vacia") << QByteArray("[s]\r\n=v\r\n") << "s"
                                     << ""
                                     << "v";
        QTest::newRow("primera seccion de un nombre") << QByteArray("[s]\r\na=1\r\n[S]\r\nk=2\r\n") << "s"
                                                      << "k"
                                                      << "DEF";
        QTest::newRow("primera clave de un nombre") << QByteArray("[s]\r\nk=1\r\nK=2\r\n") << "s"
                                                    << "k"
                                                    << "1";
        QTest::newRow("clave de otra seccion") << QByteArray("[a]\r\nk=1\r\n[s]\r\nx=2\r\n") << "s"
                                               << "k"
                                               << "DEF";
        QTest::newRow("comillas dobles") << QByteArray("[s]\r\nk=\" a b \"\r\n") << "s"
                                         << "k"
                                         << " a b ";
        QTest::newRow("comillas simples") << QByteArray("[s]\r\nk='x'\r\n") << "s"
                                          << "k"
                                          << "x";
        QTest::newRow("comillas distintas") << QByteArray("[s]\r\nk=\"x'\r\n") << "s"
                                            << "k"
                                            << "\"x'";
        QTest::newRow("una comilla sola") << QByteArray("[s]\r\nk=\"\r\n") << "s"
                                          << "k"
                                          << "\"";
        QTest::newRow("dos comillas") << QByteArray("[s]\r\nk=\"\"\r\n") << "s"
                                      << "k"
                                      << "";
        QTest::newRow("solo un par de comillas") << QByteArray("[s]\r\nk=\"\"x\"\"\r\n") << "s"
                                                 << "k"
                                                 << "\"x\"";
        QTest::newRow("Windows-1252") << QByteArray("[Opciones]\r\nIdioma=Espa\xf1ol \x80\r\n") << "Opciones"
                                      << "Idioma" << QString::fromUtf8("Español €");
        QTest::newRow("UTF-8 con marca") << QByteArray("\xef\xbb\xbf[s]\r\nk=\xd0\x96\r\n") << "s"
                                         << "k" << QString::fromUtf8("Ж");
        QTest::newRow("UTF-16LE con marca")
            << QByteArray("\xff\xfe[\0s\0]\0\r\0\n\0k\0=\0\x16\x04", 18) << "s"
            << "k" << QString::fromUtf8("Ж");
        QTest::newRow("UTF-16BE con marca") << QByteArray("\xfe\xff\0[\0s\0]\0\n\0k\0=\x04\x16", 16) << "s"
                                            << "k" << QString::fromUtf8("Ж");
    }
    void lectura()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, seccion);
        QFETCH(QString, clave);
        QFETCH(QString, esperado);
        QCOMPARE(Leer(contenido, seccion, clave), esperado);
        QCOMPARE(PerfilLeido(Ini()).Leer(seccion, clave, QStringLiteral("DEF")), esperado);
    }

    void lecturaCortada_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("esperado");
        const QByteArray x300(300, 'x');
        QTest::newRow("Windows-1252") << "[s]\r\nk=" + x300 + "\r\n" << QString(199, u'x');
        QTest::newRow("entre comillas") << "[s]\r\nk=\"" + x300 + "\" \r\n" << QString(199, u'x');
        QTest::newRow("corto") << QByteArray("[s]\r\nk= 'abc' \r\n") << QStringLiteral("abc");
        QTest::newRow("UTF-8") << "\xef\xbb\xbf[s]\nk=" + QString(300, u'Ж').toUtf8() << QString(199, u'Ж');
        QTest::newRow("UTF-16LE") << QByteArray("\xff\xfe[\0s\0]\0\n\0k\0=\0", 14) +
                                         QByteArray(600, '\x16').replace("\x16\x16", "\x16\x04")
                                  << QString(199, u'Ж');
        // Never half of a character outside the basic plane: 199 units would end in one.
        QString emojis = QStringLiteral("ab");
        for (int i = 0; i < 150; ++i)
            emojis += QString::fromUtf8("😀");
        QTest::newRow("par sustituto") << "\xef\xbb\xbf[s]\nk=" + emojis.toUtf8() << emojis.left(198);
    }
    void lecturaCortada()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, esperado);
        carpeta_.EscribirIni(contenido);
        const auto valores = PerfilLeido(Ini()).LeerVarias({{"s", "k"}, {"S", "falta"}, {"otra", "k"}}, 199);
        QCOMPARE(valores.size(), size_t(3));
        QCOMPARE(valores[0], std::optional<QString>(esperado));
        QCOMPARE(valores[1], std::nullopt);
        QCOMPARE(valores[2], std::nullopt);
    }

    void valorLiteralVuelveComoEra()
    {
        // Every reader strips blanks and one pair of quotes: a literal value comes back as it was.
        for (const char *texto : {" a ", "\"a\"", "'a'", "\"", "\"\"", "a\"", "\t",
                                  "\x1a"
                                  "a",
                                  "a b", ""}) {
            QVERIFY(EscribirPerfil(Ini(), "s", "k", ValorLiteral(QString::fromUtf8(texto))));
            QCOMPARE(LeerPerfil(Ini(), "s", "k", "?"), QString::fromUtf8(texto));
        }
        QCOMPARE(ValorLiteral("a b"), QStringLiteral("a b"));
        QCOMPARE(carpeta_.LeerIni(), QByteArray("[s]\r\nk=\r\n"));
    }

    void instantaneaDeUnaLectura()
    {
        carpeta_.EscribirIni("[Opciones]\r\nTransp=7\r\n[Datos]\r\nFecha=01/02/2030\r\n");
        const PerfilLeido antes(Ini());
        carpeta_.EscribirIni("[Opciones]\r\nTransp=3\r\n");
        QCOMPARE(LeerAjuste(antes, Ajustes::Transp), QString("7"));
        QCOMPARE(LeerAjuste(antes, Ajustes::Fecha), QString("01/02/2030"));
        QCOMPARE(LeerAjuste(antes, Ajustes::Idioma), QString::fromUtf8("Español"));
        const PerfilLeido despues(Ini());
        QCOMPARE(LeerAjuste(despues, Ajustes::Transp), QString("3"));
        QCOMPARE(LeerAjuste(despues, Ajustes::Fecha), QString("Ninguna"));
        QCOMPARE(PerfilLeido(carpeta_.Archivo("falta.ini")).Leer("s", "k", " d "), QString(" d"));
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

        QTest::newRow("archivo nuevo") << QByteArray() << "Opciones"
                                       << "SVisible"
                                       << "No" << QByteArray("[Opciones]\r\nSVisible=No\r\n");
        QTest::newRow("reemplazo en su sitio") << QByteArray("[s]\r\na=1\r\nk=old\r\nb=2\r\n") << "s"
                                               << "k"
                                               << "new" << QByteArray("[s]\r\na=1\r\nk=new\r\nb=2\r\n");
        QTest::newRow("conserva la grafia") << QByteArray("[OPC]\r\n  KeY = old \r\n") << "opc"
                                            << "key"
                                            << "v" << QByteArray("[OPC]\r\nKeY=v\r\n");
        QTest::newRow("reemplazo en linea LF") << QByteArray("[s]\nk=1\nz=2\n") << "s"
                                               << "k"
                                               << "3" << QByteArray("[s]\nk=3\r\nz=2\n");
        QTest::newRow("reemplazo en la ultima linea sin salto") << QByteArray("[s]\r\nk=1") << "s"
                                                                << "k"
                                                                << "2" << QByteArray("[s]\r\nk=2\r\n");
        QTest::newRow("clave nueva tras la ultima clave")
            << QByteArray("[s]\r\na=1\r\n; nota\r\n\r\n[t]\r\n") << "s"
            << "k"
            << "v" << QByteArray("[s]\r\na=1\r\nk=v\r\n; nota\r\n\r\n[t]\r\n");
        QTest::newRow("clave nueva en seccion sin claves")
            << QByteArray("[s]\r\n; nota\r\n[t]\r\n") << "s"
            << "k"
            << "v" << QByteArray("[s]\r\nk=v\r\n; nota\r\n[t]\r\n");
        QTest::newRow("clave nueva tras cabecera sin salto") << QByteArray("[s]") << "s"
                                                             << "k"
                                                             << "v" << QByteArray("[s]\r\nk=v\r\n");
        QTest::newRow("seccion nueva al final") << QByteArray("[a]\r\nx=1\r\n") << "b"
                                                << "k"
                                                << "v" << QByteArray("[a]\r\nx=1\r\n[b]\r\nk=v\r\n");
        QTest::newRow("seccion nueva tras linea sin salto")
            << QByteArray("[a]\r\nx=1") << "b"
            << "k"
            << "v" << QByteArray("[a]\r\nx=1\r\n[b]\r\nk=v\r\n");
        QTest::newRow("solo la primera seccion del nombre")
            << QByteArray("[s]\r\na=1\r\n[s]\r\nk=2\r\n") << "s"
            << "k"
            << "3" << QByteArray("[s]\r\na=1\r\nk=3\r\n[s]\r\nk=2\r\n");
        QTest::newRow("nombres recortados de espacios") << QByteArray() << "  s "
                                                        << " k "
                                                        << " v " << QByteArray("[s]\r\nk= v \r\n");
        QTest::newRow("valor tal cual") << QByteArray() << "s"
                                        << "k"
                                        << "\"a\";b" << QByteArray("[s]\r\nk=\"a\";b\r\n");
        QTest::newRow("bytes ajenos intactos")
            << QByteArray("basura\x81\x8d\r\n\t; c \n[s]\n  z  =  9  \n\xff\r\n") << "s"
            << "k"
            << "v" << QByteArray("basura\x81\x8d\r\n\t; c \n[s]\n  z  =  9  \nk=v\r\n\xff\r\n");
        QTest::newRow("clave comentario agrega una linea") << QByteArray("[s]\r\n;k=1\r\n") << "s"
                                                           << ";k"
                                                           << "2" << QByteArray("[s]\r\n;k=2\r\n;k=1\r\n");
        QTest::newRow("Windows-1252 se mantiene")
            << QByteArray("[s]\r\nk=\xf1\r\n") << "s"
            << "j" << QString::fromUtf8("€ñ") << QByteArray("[s]\r\nk=\xf1\r\nj=\x80\xf1\r\n");
        QTest::newRow("pasa a UTF-8 con marca")
            << QByteArray("[s]\r\nk=\xf1\n") << "s"
            << "j" << QString::fromUtf8("Пётр")
            << QByteArray("\xef\xbb\xbf[s]\r\nk=\xc3\xb1\nj=\xd0\x9f\xd1\x91\xd1\x82\xd1\x80\r\n");
        QTest::newRow("UTF-8 se mantiene")
            << QByteArray("\xef\xbb\xbf[s]\nk=\xff\n") << "s"
            << "j" << QString::fromUtf8("ж") << QByteArray("\xef\xbb\xbf[s]\nk=\xff\nj=\xd0\xb6\r\n");
        QTest::newRow("UTF-16LE se mantiene")
            << QByteArray("\xff\xfe[\0s\0]\0\n\0", 10) << "s"
            << "k"
            << "v" << QByteArray("\xff\xfe[\0s\0]\0\n\0k\0=\0v\0\r\0\n\0", 20);
        // A U+FEFF that begins a later line is a character, not a mark: that line is no section.
        QTest::newRow("marca a media linea UTF-16")
            << QByteArray("\xff\xfe[\0s\0]\0\n\0\xff\xfe[\0s\0]\0", 18) << "t"
            << "k"
            << "v"
            << QByteArray("\xff\xfe[\0s\0]\0\n\0\xff\xfe[\0s\0]\0\r\0\n\0[\0t\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0",
                          42);
        QTest::newRow("marca a media linea UTF-8")
            << QByteArray("\xef\xbb\xbf[a]\n\xef\xbb\xbf[s]\n") << "s"
            << "k"
            << "v" << QByteArray("\xef\xbb\xbf[a]\n\xef\xbb\xbf[s]\n[s]\r\nk=v\r\n");
        // Cut in the middle of a unit: the unit is completed with a zero byte, as it is read.
        QTest::newRow("UTF-16 con un byte suelto")
            << QByteArray("\xff\xfe[\0a", 5) << "a"
            << "k"
            << "v" << QByteArray("\xff\xfe[\0a\0\r\0\n\0k\0=\0v\0\r\0\n\0", 20);
        // A file that holds only its mark is not empty: the new section goes on a line of its own.
        QTest::newRow("solo marca UTF-16LE")
            << QByteArray("\xff\xfe") << "s"
            << "k"
            << "v" << QByteArray("\xff\xfe\r\0\n\0[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0", 26);
        QTest::newRow("solo marca UTF-16BE")
            << QByteArray("\xfe\xff") << "s"
            << "k"
            << "v" << QByteArray("\xfe\xff\0\r\0\n\0[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n", 26);
        QTest::newRow("solo marca UTF-8") << QByteArray("\xef\xbb\xbf") << "s"
                                          << "k"
                                          << "v" << QByteArray("\xef\xbb\xbf\r\n[s]\r\nk=v\r\n");
        QTest::newRow("marca y salto de linea") << QByteArray("\xef\xbb\xbf\n") << "s"
                                                << "k"
                                                << "v" << QByteArray("\xef\xbb\xbf\n[s]\r\nk=v\r\n");
        QTest::newRow("UTF-16BE se mantiene")
            << QByteArray("\xfe\xff\0[\0s\0]", 8) << "s"
            << "k"
            << "v" << QByteArray("\xfe\xff\0[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n", 22);
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

    // A key removed goes with its line and nothing else; a key or file that is not there stays so.
    void borrarClave()
    {
        const QList<std::pair<QByteArray, QByteArray>> casos{
            {"[Datos]\r\nFecha=01/02/2027\r\nAnual=Si\r\nAviso=1\r\n",
             "[Datos]\r\nFecha=01/02/2027\r\nAviso=1\r\n"},
            {"[Datos]\nanual = Si", "[Datos]\n"},
            {"[Datos]\r\nFecha=Ninguna\r\n[Otra]\r\nAnual=Si\r\n",
             "[Datos]\r\nFecha=Ninguna\r\n[Otra]\r\nAnual=Si\r\n"},
        };
        for (const auto &[antes, despues] : casos) {
            carpeta_.EscribirIni(antes);
            QVERIFY(EscribirPerfilLote(Ini(), {{"Datos", "Anual", {}, true}}));
            QCOMPARE(carpeta_.LeerIni(), despues);
        }
        QFile::remove(Ini());
        QVERIFY(EscribirPerfilLote(Ini(), {{"Datos", "Anual", {}, true}}));
        QVERIFY(!QFile::exists(Ini()));
    }

    // Names with letters beyond ASCII, written in another case, in every encoding: the read finds
    // the key, the write replaces it in place, the same write again leaves the file as it is.
    void nombresNoAscii_data()
    {
        QTest::addColumn<Codificacion>("codificacion");
        QTest::newRow("Windows-1252") << Codificacion::Windows1252;
        QTest::newRow("UTF-8") << Codificacion::Utf8;
        QTest::newRow("UTF-16LE") << Codificacion::Utf16LE;
        QTest::newRow("UTF-16BE") << Codificacion::Utf16BE;
    }
    void nombresNoAscii()
    {
        QFETCH(Codificacion, codificacion);
        const auto archivo = [&](const char *texto) {
            return MarcaDeOrden(codificacion) + Codificar(codificacion, QString::fromUtf8(texto)).value();
        };
        carpeta_.EscribirIni(archivo("[Sección]\r\nAño=1999\r\n[Otra]\r\nx=1\r\n"));
        QCOMPARE(LeerPerfil(Ini(), QString::fromUtf8("SECCIÓN"), QString::fromUtf8("aÑO"), "DEF"), "1999");
        // An accent is no letter case.
        QCOMPARE(LeerPerfil(Ini(), "Seccion", QString::fromUtf8("Año"), "DEF"), "DEF");
        QCOMPARE(LeerPerfil(Ini(), QString::fromUtf8("Sección"), "Ano", "DEF"), "DEF");

        QVERIFY(EscribirPerfil(Ini(), QString::fromUtf8("SECCIÓN"), QString::fromUtf8("AÑO"), "2024"));
        const QByteArray escrito = carpeta_.LeerIni();
        QCOMPARE(escrito, archivo("[Sección]\r\nAño=2024\r\n[Otra]\r\nx=1\r\n"));
        QVERIFY(EscribirPerfil(Ini(), QString::fromUtf8("sección"), QString::fromUtf8("año"), "2024"));
        QCOMPARE(carpeta_.LeerIni(), escrito);
    }

    void loteIgualQueSucesivas_data()
    {
        QTest::addColumn<QByteArray>("antes");
        QTest::addColumn<bool>("conCirilico");

        const QList<QPair<const char *, QByteArray>> archivos = {
            {"sin archivo", QByteArray()},
            {"vacio", QByteArray("")},
            {"simple", QByteArray("[a]\r\nb=1\r\n")},
            {"Windows-1252", QByteArray("; Espa\xf1ol \x80\r\n[a]\r\nb=\xf1\r\n[nueva]\r\nz=\x81\x8d\r\n")},
            {"secciones repetidas", QByteArray("[a]\r\nx=1\r\n[A]\r\nb=2\r\n[a]\r\nb=3\r\n")},
            {"claves repetidas", QByteArray("[a]\r\nb=1\r\nB=2\r\n")},
            {"sin la seccion", QByteArray("[otra]\r\nb=1\r\n")},
            {"solo CR", QByteArray("[a]\rb=1\rc=2\r[b]\r")},
            {"solo LF", QByteArray("[a]\nb=1\n\n[b]\nx=\n")},
            {"sin salto final", QByteArray("[a]\r\nb=1\r\n[b]\r\na=9")},
            {"cabecera sin salto", QByteArray("[a]")},
            {"claves sin seccion", QByteArray("b=1\r\nk=2\r\n")},
            {"comentarios y blancos", QByteArray("\t; c\r\n \r\n[a] x\r\n ;b=1\r\n\v b \t= 7 \r\n\r\n")},
            {"UTF-8 con marca", QByteArray("\xef\xbb\xbf[a]\r\nb=\xd0\x96\r\n")},
            {"UTF-8 mal formado", QByteArray("\xef\xbb\xbf[a]\r\nb=\xc3\n\xff\xfe\r\n\xe2\x82")},
            {"solo marca UTF-8", QByteArray("\xef\xbb\xbf")},
            {"solo marca UTF-16LE", QByteArray("\xff\xfe")},
            {"solo marca UTF-16BE", QByteArray("\xfe\xff")},
            {"UTF-16LE", QByteArray("\xff\xfe[\0a\0]\0\r\0\n\0b\0=\0\x16\x04\r\0\n\0", 22)},
            {"UTF-16BE sin salto final", QByteArray("\xfe\xff\0[\0a\0]\0\n\0b\0=\0"
                                                    "1",
                                                    17)},
            {"UTF-16 de largo impar", QByteArray("\xff\xfe[\0a\0]\0\n\0b", 11)},
            {"UTF-16 con sustituto suelto", QByteArray("\xff\xfe[\0a\0]\0\n\0b\0=\0\x00\xd8\n\0", 18)},
            {"marca a media linea", QByteArray("\xef\xbb\xbf[a]\n\xef\xbb\xbf[a]\nb=1\n")},
            {"NUL y basura", QByteArray("[a]\0\r\nb=\0\x1a\r\n\xff\xff\x7f", 14)},
        };
        for (const auto &[nombre, contenido] : archivos) {
            QTest::addRow("%s", nombre) << contenido << false;
            QTest::addRow("%s, pasa a UTF-8", nombre) << contenido << true;
        }
        // Every seed of the fuzzer, too.
        const QString semillas = QStringLiteral(DEXO_SEMILLAS);
        QVERIFY2(QFileInfo(semillas).isDir(), qPrintable(semillas));
        QDirIterator it(semillas, QDir::Files);
        while (it.hasNext()) {
            QFile semilla(it.next());
            QVERIFY(semilla.open(QIODevice::ReadOnly));
            const QByteArray contenido = semilla.readAll();
            QTest::addRow("semilla %s", qPrintable(it.fileName())) << contenido << false;
            QTest::addRow("semilla %s, pasa a UTF-8", qPrintable(it.fileName())) << contenido << true;
        }
    }
    void loteIgualQueSucesivas()
    {
        QFETCH(QByteArray, antes);
        QFETCH(bool, conCirilico);
        const auto [sucesivas, lote] = SucesivasYLote(antes, LoteDePrueba(conCirilico));
        QCOMPARE(lote, sucesivas);
    }

    void loteConUnaEscrituraRechazadaNoEscribeNada()
    {
        const QByteArray antes("[s]\r\nk=1\r\n");
        carpeta_.EscribirIni(antes);
        QString motivo;
        const QList<EscrituraPerfil> lote = {{"s", "k", "2"}, {"t", "j", "3"}, {"s", "x", "a\nb"}};
        QVERIFY(!EscribirPerfilLote(Ini(), lote, &motivo));
        QCOMPARE(motivo,
                 QString::fromUtf8("El valor de [s] x contiene un salto de línea.")); // names the field
        QCOMPARE(carpeta_.LeerIni(), antes);

        QFile::remove(Ini());
        QVERIFY(!EscribirPerfilLote(Ini(), {{"s", "k", "2"}, {"s\r", "k", "v"}}, &motivo));
        QCOMPARE(motivo, QString::fromUtf8("El nombre de la sección contiene un salto de línea."));
        QVERIFY(!QFile::exists(Ini()));
        QVERIFY(!EscribirPerfil(Ini(), "s", "k\n", "v", &motivo));
        QCOMPARE(motivo, QString::fromUtf8("El nombre de la clave contiene un salto de línea."));
        QVERIFY(EscribirPerfilLote(Ini(), {}));
        QVERIFY(!QFile::exists(Ini()));
    }

    void mismoValorNoTocaElArchivo()
    {
        const QByteArray antes("[s]\r\nk=1\r\nj= 2\r\n");
        carpeta_.EscribirIni(antes);
        {
            // An old date, so that a rewrite within the same second would still show.
            QFile archivo(Ini());
            QVERIFY(archivo.open(QIODevice::ReadWrite));
            QVERIFY(archivo.setFileTime(QDateTime::currentDateTimeUtc().addDays(-2),
                                        QFileDevice::FileModificationTime));
        }
        const Huella huella = HuellaDe(Ini());
        QVERIFY(EscribirPerfil(Ini(), "s", "k", "1"));
        // A batch that changes a value and changes it back gives the same bytes too.
        QVERIFY(EscribirPerfilLote(Ini(), {{"s", "k", "9"}, {"S", "K", "1"}}));
        QCOMPARE(HuellaDe(Ini()), huella);
        QCOMPARE(carpeta_.LeerIni(), antes);

        // A value that reads the same but is spelt otherwise is a real change.
        QVERIFY(EscribirPerfil(Ini(), "s", "j", "2"));
        QCOMPARE(carpeta_.LeerIni(), QByteArray("[s]\r\nk=1\r\nj=2\r\n"));
        QVERIFY(HuellaDe(Ini()) != huella);
    }

    void mismoValorEnCarpetaDeSoloLectura()
    {
        const QByteArray antes("[s]\r\nk=1\r\n");
        carpeta_.EscribirIni(antes);
        const Huella huella = HuellaDe(Ini());
        const QString carpeta = QFileInfo(Ini()).absolutePath();
        const auto permisos = QFile::permissions(carpeta);
        QVERIFY(QFile::setPermissions(Ini(), QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::ExeOwner));
        QString motivo;
        const bool igual = EscribirPerfil(Ini(), "s", "k", "1", &motivo);
        const Huella trasIgual = HuellaDe(Ini());
        const bool distinto = EscribirPerfil(Ini(), "s", "k", "2", &motivo);
        QVERIFY(QFile::setPermissions(carpeta, permisos));
        QVERIFY(QFile::setPermissions(Ini(), QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(igual);
        QCOMPARE(trasIgual, huella);
        if (EsRoot())
            QSKIP("root writes through read-only permissions; the unchanged file was checked above");
        QVERIFY(!distinto);
        QCOMPARE(motivo, QString::fromUtf8("El archivo es de solo lectura."));
        QCOMPARE(carpeta_.LeerIni(), antes);

        // A writable file in a read-only folder cannot be replaced either: the system says why.
        QVERIFY(QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::ExeOwner));
        const bool enCarpeta = EscribirPerfil(Ini(), "s", "k", "2", &motivo);
        QVERIFY(QFile::setPermissions(carpeta, permisos));
        QVERIFY(!enCarpeta);
        QCOMPARE(motivo,
                 QString::fromUtf8("No se pudo crear un archivo nuevo en su carpeta: permiso denegado."));
        QCOMPARE(carpeta_.LeerIni(), antes);
    }

    void motivosDelFallo()
    {
        QString motivo;
        // A folder in the file's place.
        QVERIFY(QDir().mkpath(carpeta_.Archivo("carpeta.ini")));
        QVERIFY(!EscribirPerfil(carpeta_.Archivo("carpeta.ini"), "s", "k", "v", &motivo));
        QCOMPARE(motivo, QString::fromUtf8("En el lugar del archivo hay una carpeta."));
        // A folder that does not exist.
        QVERIFY(!EscribirPerfil(carpeta_.Archivo("no/existe/Dexo.INI"), "s", "k", "v", &motivo));
        QVERIFY2(motivo.startsWith(QString::fromUtf8("No se pudo crear un archivo nuevo en su carpeta:")),
                 qPrintable(motivo));
#ifdef Q_OS_UNIX
        QCOMPARE(motivo, QString::fromUtf8("No se pudo crear un archivo nuevo en su carpeta: la carpeta o el "
                                           "archivo no existen."));
        // A file where a folder of the path should be.
        carpeta_.Escribir("archivo", "x");
        QVERIFY(!EscribirPerfil(carpeta_.Archivo("archivo/Dexo.INI"), "s", "k", "v", &motivo));
        QCOMPARE(motivo, QString::fromUtf8("No se pudo crear un archivo nuevo en su carpeta: una parte de la "
                                           "ruta no es una carpeta."));
#endif
    }

    void discoLlenoAMedioEscribirDejaElArchivo()
    {
#ifdef Q_OS_UNIX
        // The limit on file size stands in for a full disk: the write fails half-way.
        const QByteArray antes("[s]\r\nk=1\r\n");
        carpeta_.EscribirIni(antes);
        struct rlimit limite
        {
        };
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &limite) == 0);
        const struct rlimit anterior = limite;
        limite.rlim_cur = 4096;
        const auto senal = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limite) == 0);
        QString motivo;
        const bool escrito = EscribirPerfil(Ini(), "s", "k", QString(10000, u'x'), &motivo);
        ::setrlimit(RLIMIT_FSIZE, &anterior);
        std::signal(SIGXFSZ, senal);
        QVERIFY(!escrito);
        QVERIFY2(motivo.endsWith(QString::fromUtf8(": el archivo supera el tamaño que el sistema permite.")),
                 qPrintable(motivo));
        QCOMPARE(carpeta_.LeerIni(), antes);
        QCOMPARE(QDir(carpeta_.Ruta()).entryList({"Dexo.INI*"}, QDir::Files | QDir::Hidden),
                 QStringList{"Dexo.INI"});
#else
        QSKIP("file size limits are a Unix feature");
#endif
    }

    void soloArchivosNormales()
    {
#ifdef Q_OS_UNIX
        // A FIFO would block open() until a writer came; a device would read forever.
        const QString fifo = carpeta_.Archivo("fifo.ini");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString cero = carpeta_.Archivo("cero.ini");
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), cero));
        for (const QString &archivo : {fifo, cero}) {
            QCOMPARE(LeerPerfil(archivo, "s", "k", "d"), QString("d"));
            QCOMPARE(PerfilLeido(archivo).Leer("s", "k", "d"), QString("d"));
            QString motivo;
            QVERIFY(!EscribirPerfil(archivo, "s", "k", "v", &motivo));
            QCOMPARE(motivo,
                     QString::fromUtf8("No es un archivo normal, sino un dispositivo, una tubería o un "
                                       "socket."));
            QVERIFY(QFileInfo(archivo).isSymLink() || !QFileInfo(archivo).isFile());
        }
        // Even when a FIFO takes the file's place after it was looked at, opening it never waits.
        QFile abierto;
        QCOMPARE(AbrirArchivoNormal(fifo, abierto), Apertura::NoNormal);
        QCOMPARE(AbrirArchivoNormal(cero, abierto), Apertura::NoNormal);
        QVERIFY(!abierto.isOpen());

        // A link to a regular file is followed, and stays a link.
        carpeta_.Escribir("real.ini", "[s]\r\nk=1\r\n");
        const QString enlace = carpeta_.Archivo("enlace.ini");
        QVERIFY(QFile::link(carpeta_.Archivo("real.ini"), enlace));
        QCOMPARE(LeerPerfil(enlace, "s", "k", "d"), QString("1"));
        QVERIFY(EscribirPerfil(enlace, "s", "k", "2"));
        QVERIFY(QFileInfo(enlace).isSymLink());
        QCOMPARE(carpeta_.Leer("real.ini"), QByteArray("[s]\r\nk=2\r\n"));
#else
        QSKIP("FIFOs and /dev/zero are Unix things");
#endif
    }

    void archivoEnormeEsIlegible()
    {
        // Sparse: costs no disk. Above 256 MiB a file is not loaded at all.
        carpeta_.EscribirIni("[s]\r\nk=1\r\n");
        {
            QFile archivo(Ini());
            QVERIFY(archivo.resize(qint64{257} << 20));
        }
        QCOMPARE(LeerPerfil(Ini(), "s", "k", "d"), QString("d"));
        QString motivo;
        QVERIFY(!EscribirPerfil(Ini(), "s", "k", "2", &motivo));
        QCOMPARE(motivo, QString::fromUtf8("El archivo mide más de 256 MiB: no es un archivo de ajustes."));
        QCOMPARE(QFileInfo(Ini()).size(), qint64{257} << 20);
    }

    void conservaPropietario()
    {
#ifdef Q_OS_UNIX
        if (!EsRoot())
            QSKIP("only root can give a file to another user");
        carpeta_.EscribirIni("[s]\r\nk=1\r\n");
        QVERIFY(::chown(QFile::encodeName(Ini()).constData(), 65534, 65534) == 0);
        QVERIFY(EscribirPerfil(Ini(), "s", "k", "2"));
        QCOMPARE(carpeta_.LeerIni(), QByteArray("[s]\r\nk=2\r\n"));
        const QFileInfo info(Ini());
        QCOMPARE(info.ownerId(), 65534u);
        QCOMPARE(info.groupId(), 65534u);
#else
        QSKIP("owners are kept by the system here");
#endif
    }

    void archivosGrandesEnTiempoLineal_data()
    {
        QTest::addColumn<QByteArray>("linea");
        QTest::newRow("20 MB de lineas en blanco") << QByteArray("\r\n");
        QTest::newRow("20 MB de comentarios largos") << "; " + QByteArray(1000, 'c') + "\r\n";
    }
    void archivosGrandesEnTiempoLineal()
    {
        // Once a copy of each line cost 150 bytes of heap: a 5 MB file took 800 MB and seconds.
        QFETCH(QByteArray, linea);
        const QByteArray relleno = linea.repeated((20 << 20) / linea.size());
        carpeta_.EscribirIni("[s]\r\na=1\r\n" + relleno + "[t]\r\nb=2\r\n");
        QCOMPARE(PerfilLeido(Ini()).Leer("t", "b", "d"), QString("2"));
        QVERIFY(EscribirPerfilLote(Ini(), {{"s", "k", "v"}, {"u", "c", "4"}}));
        QCOMPARE(carpeta_.LeerIni(), "[s]\r\na=1\r\nk=v\r\n" + relleno + "[t]\r\nb=2\r\n[u]\r\nc=4\r\n");
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
        QCOMPARE(QDir(carpeta_.Ruta()).entryList({"Dexo.INI*"}, QDir::Files | QDir::Hidden),
                 QStringList{"Dexo.INI"});
    }

    void archivoIlegibleNoSeReemplaza()
    {
        carpeta_.EscribirIni("[s]\r\nk=1\r\n");
        QVERIFY(QFile::setPermissions(Ini(), QFile::WriteOwner));
        if (QFile prueba(Ini()); prueba.open(QIODevice::ReadOnly)) {
            QFile::setPermissions(Ini(), QFile::ReadOwner | QFile::WriteOwner);
            QSKIP("this user reads every file");
        }
        QString motivo;
        const bool escrito = EscribirPerfil(Ini(), "s", "j", "2", &motivo);
        QVERIFY(QFile::setPermissions(Ini(), QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(!escrito);
        QCOMPARE(motivo, QString::fromUtf8("No se pudo abrir el archivo: permiso denegado."));
        QCOMPARE(carpeta_.LeerIni(), QByteArray("[s]\r\nk=1\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestPerfil)
#include "test_perfil.moc"
