#include "carpeta_programa.h"
#include "lectorajustes.h"

#include <QFile>
#include <QTest>

namespace {

// Bytes this process has read through read(2) so far; -1 where the system does not say.
qint64 BytesLeidos()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &linea : io.readAll().split('\n')) {
        if (linea.startsWith("rchar:"))
            return linea.mid(6).trimmed().toLongLong();
    }
    return -1;
}

} // namespace

// The one reader of the settings: what the main window applies and the options dialog loads.
class TestLectorAjustes : public QObject
{
    Q_OBJECT

private slots:
    void unArchivoGrandeSeLeeUnaVez()
    {
        // An ordinary large file (long comment lines, a few keys at its end) is read once for all
        // the keys, not once per key.
        if (BytesLeidos() < 0)
            QSKIP("the system does not count the bytes read");
        CarpetaPrograma carpeta;
        QByteArray contenido;
        const QByteArray comentario = "; " + QByteArray(4000, 'x') + "\r\n";
        while (contenido.size() < 4 * 1024 * 1024)
            contenido += comentario;
        contenido += "[Opciones]\r\nIdioma=English\r\n[Fuente]\r\nNombre=DejaVu Sans\r\nTam=30\r\n";
        carpeta.EscribirIni(contenido);
        const qint64 antes = BytesLeidos();
        const AjustesLeidos leidos = LeerAjustes(carpeta.Ini());
        const qint64 leidosBytes = BytesLeidos() - antes;
        QCOMPARE(leidos.idioma, QStringLiteral("English"));
        QCOMPARE(leidos.fuente.tam, 30.0);
        QVERIFY2(
            leidosBytes < 2 * contenido.size(),
            qPrintable(
                QStringLiteral("%1 bytes read for a file of %2").arg(leidosBytes).arg(contenido.size())));
    }

    void archivoAusenteDaLosValoresPorDefecto()
    {
        CarpetaPrograma carpeta;
        const AjustesLeidos a = LeerAjustes(carpeta.Ini());
        QCOMPARE(a.izda, 200);
        QCOMPARE(a.sup, 200);
        QCOMPARE(a.idioma, QStringLiteral("Español"));
        QCOMPARE(a.nivelTransp, std::optional<qint16>(10));
        QCOMPARE(a.fondo, 0xFFFFFFu);
        QCOMPARE(a.sVisible, QStringLiteral("No"));
        QCOMPARE(a.inicio, QStringLiteral("No"));
        QCOMPARE(a.fecha, QStringLiteral("Ninguna"));
        QCOMPARE(a.aviso, qint16(0));
        QCOMPARE(a.evento, QStringLiteral("Ninguno"));
        QCOMPARE(a.sonido, QStringLiteral("Ninguno"));
        QCOMPARE(a.archivo, QStringLiteral("Ninguno"));
        QCOMPARE(a.icono, QStringLiteral("0"));
        QVERIFY(!a.FuenteDefinida());
    }

    void valoresGuardadosSeLeenYSeInterpretan()
    {
        CarpetaPrograma carpeta;
        carpeta.EscribirIni("[Posicion]\r\nIzda=-4500\r\nSup=70000\r\n"
                            "[Opciones]\r\nIdioma=English\r\nTransp=4\r\nFColor=&H00C0FFFF&\r\n"
                            "SVisible=Si\r\nInicio=Si\r\n"
                            "[Datos]\r\nFecha=25/12/2026\r\nAviso=5\r\nEvento=Navidad\r\n"
                            "Sonido=/tmp/a.wav\r\nArchivo=/tmp/b.txt\r\nIcono=12/tmp/c.png\r\n"
                            "[Fuente]\r\nNombre=DejaVu Serif\r\nTam=10,5\r\nNegrita=True\r\nCursiva=False\r\n"
                            "Subrayada=True\r\nTachada=True\r\nColor=255\r\n");
        const AjustesLeidos a = LeerAjustes(carpeta.Ini());
        QCOMPARE(a.izda, -4500);
        QCOMPARE(a.sup, 70000); // 32-bit, not cut to 16
        QCOMPARE(a.idioma, QStringLiteral("English"));
        QCOMPARE(a.nivelTransp, std::optional<qint16>(4));
        QCOMPARE(a.fondo, 0xC0FFFFu);
        QCOMPARE(a.sVisible, QStringLiteral("Si"));
        QCOMPARE(a.inicio, QStringLiteral("Si"));
        QCOMPARE(a.fecha, QStringLiteral("25/12/2026"));
        QCOMPARE(a.aviso, qint16(5));
        QCOMPARE(a.evento, QStringLiteral("Navidad"));
        QCOMPARE(a.icono, QStringLiteral("12/tmp/c.png"));
        QVERIFY(a.FuenteDefinida());
        QCOMPARE(a.fuente.nombre, QStringLiteral("DejaVu Serif"));
        QCOMPARE(a.fuente.tam, 10.5);
        QVERIFY(a.fuente.negrita && !a.fuente.cursiva && a.fuente.subrayada && a.fuente.tachada);
        QCOMPARE(a.fuente.color, 255u);
    }

    // A hand-edited file with garbage in every key: each value falls back to a sound one.
    void basuraEnCadaClaveDaValoresSensatos()
    {
        CarpetaPrograma carpeta;
        carpeta.EscribirIni("[Posicion]\r\nIzda=abc\r\nSup=99999999999\r\n"
                            "[Opciones]\r\nTransp=x\r\nFColor=&HZZ\r\nSVisible=si\r\n"
                            "[Datos]\r\nAviso=7.5\r\nFecha=hoy\r\n"
                            "[Fuente]\r\nNombre=Arial\r\nTam=0\r\nNegrita=true\r\nColor=rojo\r\n");
        const AjustesLeidos a = LeerAjustes(carpeta.Ini());
        QCOMPARE(a.izda, 200);
        QCOMPARE(a.sup, 200);
        QCOMPARE(a.nivelTransp, std::nullopt);
        QCOMPARE(a.fondo, 0xFFFFFFu);
        QCOMPARE(a.sVisible, QStringLiteral("si")); // compared exactly by the callers: not "Si"
        QCOMPARE(a.aviso, qint16(0));
        QCOMPARE(a.fecha, QStringLiteral("hoy"));
        QCOMPARE(a.fuente.tam, 24.0);
        QVERIFY(!a.fuente.negrita); // "true" is not "True"
        QCOMPARE(a.fuente.color, 0u);
    }

    // Without a font name the other font keys are not the label's: they are not taken.
    void sinNombreDeFuenteLasDemasClavesNoCuentan()
    {
        CarpetaPrograma carpeta;
        carpeta.EscribirIni("[Fuente]\r\nNombre=Ninguno\r\nTam=60\r\nNegrita=True\r\nColor=255\r\n");
        const AjustesLeidos a = LeerAjustes(carpeta.Ini());
        QVERIFY(!a.FuenteDefinida());
        QCOMPARE(a.fuente.tam, 24.0);
        QVERIFY(!a.fuente.negrita);
        QCOMPARE(a.fuente.color, 0u);
    }
};

QTEST_GUILESS_MAIN(TestLectorAjustes)
#include "test_lectorajustes.moc"
