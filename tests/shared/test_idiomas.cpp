#include "carpeta_programa.h"
#include "claves_idioma.h"
#include "idiomas.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The language files shipped with the program, and the helpers that choose and read them.
class TestIdiomas : public QObject
{
    Q_OBJECT

private:
    static QByteArray LeerTodo(const QString &ruta)
    {
        QFile archivo(ruta);
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    }

private slots:
    void archivosDistribuidos_data()
    {
        QTest::addColumn<QString>("nombre");
        for (const char16_t *idioma : Idioma::kIdiomas)
            QTest::newRow(QString::fromUtf16(idioma).toUtf8().constData()) << QString::fromUtf16(idioma);
    }
    void archivosDistribuidos()
    {
        QFETCH(QString, nombre);
        const QString fuente = QStringLiteral(DEXO_IDIOMAS_FUENTE "/") + nombre + QStringLiteral(".dxl");
        const QByteArray bytes = LeerTodo(fuente);
        QVERIFY2(!bytes.isEmpty(), qPrintable(fuente));

        // The build lays the file into the program folder under the same name, accents included.
        const QString copia = QStringLiteral(DEXO_CARPETA_PROGRAMA "/") + nombre + QStringLiteral(".dxl");
        QCOMPARE(LeerTodo(copia), bytes);

        // Windows-1252 without a mark, CRLF line ends, no byte the code page leaves undefined.
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF") && !bytes.startsWith("\xFF\xFE") &&
                !bytes.startsWith("\xFE\xFF"));
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            QVERIFY2(byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D,
                     qPrintable(QStringLiteral("byte %1").arg(i)));
            QVERIFY(byte >= 0x20 || byte == '\r' || byte == '\n');
            if (byte == '\r')
                QVERIFY(i + 1 < bytes.size() && bytes[i + 1] == '\n');
            if (byte == '\n')
                QVERIFY(i > 0 && bytes[i - 1] == '\r');
        }
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(!bytes.contains('?'));

        // The 35 keys in the order of the table, [Menu] then [Opciones], nothing else.
        QStringList esperadas;
        QString seccion;
        for (const ClaveIdioma &clave : Idioma::kClaves) {
            if (clave.Seccion() != seccion) {
                seccion = clave.Seccion();
                esperadas << u'[' + seccion + u']';
            }
            esperadas << clave.Clave();
        }
        QStringList lineas;
        for (const QByteArray &linea : bytes.chopped(2).split('\n')) {
            const QByteArray sinFin = linea.chopped(1);
            lineas << QString::fromLatin1(sinFin.startsWith('[') ? sinFin : sinFin.left(sinFin.indexOf('=')));
        }
        QCOMPARE(lineas, esperadas);

        // Through the profile layer: every text present; Español holds the built-in texts.
        for (const ClaveIdioma &clave : Idioma::kClaves) {
            const QString texto = Idioma::LeerTexto(fuente, clave);
            QVERIFY2(!texto.isEmpty() && texto != QStringLiteral("?"), qPrintable(clave.Clave()));
            if (nombre == QString::fromUtf16(Idioma::kEspanol))
                QCOMPARE(texto, clave.TextoPropio());
            else if (nombre != QStringLiteral("Português")) // shares words like "Idioma" with Spanish
                QVERIFY2(texto != clave.TextoPropio(), qPrintable(clave.Clave())); // translated, not copied
        }
    }

    void nombresQueNoSonIdiomas_data()
    {
        // One rule for both programs: a name whose file Windows and Linux both keep as it is.
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("motivo"); // a word of the reason; "" for a language
        const QList<std::pair<QString, QStringList>> casos = {
            {"",
             {"Español", "Español v.2", "Castellano 1.1", " Français", "Con leche", "COM10",
              QString(251, u'a')}},
            {"oculto", {"", ".Italiano", "..", "../../x"}},
            {"blanco", {"   "}},
            {"caracteres",
             {"sub/English", "sub\\English", "/etc/passwd", "C:English", "Español: tú", "¿Qué?", "a*b", "a|b",
              "<b>", "\"x\"", "a\tb"}},
            {"(..)", {"v1..2"}},
            {"acabar", {"Italiano.", "Italiano "}},
            {"dispositivo", {"CON", "nul", "Aux.v2", "PRN .x", "com1", "LPT9", "COM\u00B9"}},
            {"largo", {QString(252, u'a'), QString(126, u'é')}}, // 256 bytes with ".dxl"
        };
        for (const auto &[motivo, nombres] : casos) {
            for (const QString &nombre : nombres)
                QTest::newRow(qPrintable(motivo + u':' + nombre)) << nombre << motivo;
        }
    }
    void nombresQueNoSonIdiomas()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, motivo);
        const QString dado = Idioma::MotivoNombre(nombre);
        QVERIFY2(motivo.isEmpty() ? dado.isEmpty() : dado.contains(motivo), qPrintable(dado));
        QCOMPARE(Idioma::EsNombreValido(nombre), motivo.isEmpty());
        const QString ruta = Idioma::RutaArchivo(QStringLiteral("/programa/"), nombre);
        QCOMPARE(ruta.isEmpty(), !motivo.isEmpty());
        if (motivo.isEmpty())
            QCOMPARE(ruta, QStringLiteral("/programa/") + nombre + QStringLiteral(".dxl"));
    }

    void nombreDelArchivoElegido_data()
    {
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<QString>("nombre"); // "<nada>": the choice is ignored
        QTest::newRow("otra carpeta") << QStringLiteral("/home/ana/Deutsch.dxl") << QStringLiteral("Deutsch");
        QTest::newRow("barra invertida")
            << QStringLiteral("C:\\Idiomas\\Deutsch.dxl") << QStringLiteral("Deutsch");
        QTest::newRow("otra extensión") << QStringLiteral("/tmp/Notas.txt") << QStringLiteral("Notas");
        QTest::newRow("sin carpeta") << QStringLiteral("Català.dxl") << QStringLiteral("Català");
        QTest::newRow("cuatro caracteres") << QStringLiteral("/tmp/.dxl") << QString();
        QTest::newRow("tres caracteres") << QStringLiteral("/tmp/dxl") << QStringLiteral("<nada>");
        QTest::newRow("carpeta sola") << QStringLiteral("/tmp/") << QStringLiteral("<nada>");
    }
    void nombreDelArchivoElegido()
    {
        QFETCH(QString, ruta);
        QFETCH(QString, nombre);
        const std::optional<QString> elegido = Idioma::NombreDeArchivoElegido(ruta);
        QCOMPARE(elegido.value_or(QStringLiteral("<nada>")), nombre);
    }

    void lecturaEnteraYPorDefecto()
    {
        CarpetaPrograma carpeta;
        const QString largo(250, u'x');
        carpeta.Escribir(QStringLiteral("Largo.dxl"),
                         "[menu]\r\n0=" + largo.toLatin1() + "\r\n[Opciones]\r\ntip0=\r\n");
        const QString archivo = Idioma::RutaArchivo(carpeta.Ruta(), QStringLiteral("Largo"));
        QVERIFY(Idioma::Existe(carpeta.Ruta(), QStringLiteral("Largo")));
        QCOMPARE(Idioma::LeerTexto(archivo, Idioma::kClaves[0]), largo); // no cut at 199
        QCOMPARE(Idioma::LeerTexto(archivo, Idioma::kClaves[Idioma::kTip0]), QString());
        QCOMPARE(Idioma::LeerTexto(archivo, Idioma::kClaves[1]), QStringLiteral("?"));
        QCOMPARE(
            Idioma::LeerTexto(archivo, Idioma::kClaves[Idioma::kMC], QStringLiteral("Opciones del programa")),
            QStringLiteral("Opciones del programa"));
        QCOMPARE(Idioma::LeerTexto(QString(), Idioma::kClaves[0]), QStringLiteral("?"));

        // A folder named like a language is no language file.
        QDir(carpeta.Archivo(QString())).mkdir(QStringLiteral("Carpeta.dxl"));
        QVERIFY(!Idioma::Existe(carpeta.Ruta(), QStringLiteral("Carpeta")));
        QVERIFY(!Idioma::Existe(carpeta.Ruta(), QStringLiteral("Ninguno")));
    }

    void tablaDeClaves()
    {
        // Slot s of the editor is entry s of the table.
        QCOMPARE(Idioma::kClaves[10].Clave(), QStringLiteral("10"));
        QCOMPARE(Idioma::kClaves[Idioma::kT0 + 14].Clave(), QStringLiteral("T14"));
        QCOMPARE(Idioma::kClaves[Idioma::kMC].Clave(), QStringLiteral("MC"));
        QCOMPARE(Idioma::kClaves[Idioma::kFC].Clave(), QStringLiteral("FC"));
        QCOMPARE(Idioma::kClaves[Idioma::kTip0 + 6].Clave(), QStringLiteral("Tip6"));
        for (int s = 0; s < Idioma::kNumClaves; ++s)
            QCOMPARE(Idioma::kClaves[s].Seccion(),
                     s < Idioma::kNumClavesMenu ? QStringLiteral("Menu") : QStringLiteral("Opciones"));
    }
};

QTEST_GUILESS_MAIN(TestIdiomas)
#include "test_idiomas.moc"
