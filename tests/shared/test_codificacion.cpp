#include "codificacion.h"

#include <QTest>

class TestCodificacion : public QObject
{
    Q_OBJECT

private slots:
    void windows1252IdaYVuelta()
    {
        QByteArray todos;
        for (int b = 0; b < 256; ++b)
            todos.append(static_cast<char>(b));
        const QString texto = DecodificarWindows1252(todos.constData(), todos.size());
        QCOMPARE(texto.size(), 256);
        QCOMPARE(texto[0x80], QChar(0x20AC));
        QCOMPARE(texto[0xF1], QChar(u'ñ'));
        QCOMPARE(texto[0x81], QChar(0x81)); // undefined byte kept as its C1 character
        QCOMPARE(CodificarWindows1252(texto).value_or(QByteArray()), todos);
    }

    void windows1252NoCabe()
    {
        QVERIFY(!CodificarWindows1252(u"Ж").has_value());
        QVERIFY(!CodificarWindows1252(u"\u0080").has_value()); // a C1 control the code page has no byte for
        QCOMPARE(CodificarWindows1252(u"Français").value_or(QByteArray()), QByteArray("Fran\xe7"
                                                                                      "ais"));
    }

    void marcas_data()
    {
        QTest::addColumn<QByteArray>("inicio");
        QTest::addColumn<int>("codificacion");
        QTest::addColumn<int>("largo");
        QTest::newRow("sin marca") << QByteArray("[a]") << int(Codificacion::Windows1252) << 0;
        QTest::newRow("vacio") << QByteArray() << int(Codificacion::Windows1252) << 0;
        QTest::newRow("UTF-8") << QByteArray("\xef\xbb\xbf[") << int(Codificacion::Utf8) << 3;
        QTest::newRow("UTF-16LE") << QByteArray("\xff\xfe[\0", 4) << int(Codificacion::Utf16LE) << 2;
        QTest::newRow("UTF-16BE") << QByteArray("\xfe\xff\0[", 4) << int(Codificacion::Utf16BE) << 2;
        QTest::newRow("marca incompleta") << QByteArray("\xef\xbb") << int(Codificacion::Windows1252) << 0;
    }
    void marcas()
    {
        QFETCH(QByteArray, inicio);
        QFETCH(int, codificacion);
        QFETCH(int, largo);
        const CodificacionDetectada detectada = DetectarCodificacion(inicio);
        QCOMPARE(int(detectada.codificacion), codificacion);
        QCOMPARE(int(detectada.largoMarca), largo);
    }

    void decodificadorReutilizableComoDecodificar()
    {
        // Pieces of every length, malformed ones included, one after the other through one buffer:
        // a longer piece first, so that a shorter one would show a stale tail.
        const QList<QByteArray> piezas = {
            QByteArray("largo: \xc3\xb1\xe2\x82\xac \xd0\x96 \x80\x81 fin"),
            QByteArray("\xef\xbb\xbf[s]"),
            QByteArray("\xc3"),
            QByteArray("\xff\xfe\x00\xd8", 4),
            QByteArray(),
            QByteArray("a\0b", 3),
        };
        for (const Codificacion codificacion :
             {Codificacion::Windows1252, Codificacion::Utf8, Codificacion::Utf16LE, Codificacion::Utf16BE}) {
            DecodificadorReutilizable decodificador(codificacion);
            for (const QByteArray &pieza : piezas) {
                const QString esperado = Decodificar(codificacion, pieza.constData(), pieza.size());
                QCOMPARE(decodificador.Decodificar(pieza.constData(), pieza.size()).toString(), esperado);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCodificacion)
#include "test_codificacion.moc"
