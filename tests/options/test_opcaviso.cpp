#include "botonimagen.h"
#include "fixture_opciones.h"
#include "panelaviso.h"
#include "unidades.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QTest>

// The notice panel: the three checks and their code, the icons and the own picture, the paths.
class TestOpcAviso : public QObject
{
    Q_OBJECT

private slots:
    void codigos_data()
    {
        QTest::addColumn<bool>("mensaje");
        QTest::addColumn<bool>("sonido");
        QTest::addColumn<bool>("archivo");
        QTest::addColumn<int>("codigo");
        QTest::newRow("nada") << false << false << false << 0;
        QTest::newRow("mensaje") << true << false << false << 1;
        QTest::newRow("sonido") << false << true << false << 2;
        QTest::newRow("archivo") << false << false << true << 3;
        QTest::newRow("mensaje y sonido") << true << true << false << 4;
        QTest::newRow("mensaje y archivo") << true << false << true << 5;
        QTest::newRow("sonido y archivo") << false << true << true << 6;
        QTest::newRow("todo") << true << true << true << 7;
    }
    void codigos()
    {
        QFETCH(bool, mensaje);
        QFETCH(bool, sonido);
        QFETCH(bool, archivo);
        QFETCH(int, codigo);
        FixtureOpciones f;
        f.carpeta.EscribirIni("[Datos]\r\nSonido=/tmp/a.wav\r\nArchivo=/tmp/b.txt\r\nAviso=7\r\n");
        FrmOpc &d = f.Abrir();
        PanelAviso &aviso = *d.PicAviso();
        QCOMPARE(f.dialogo->Edicion().TipoAviso, qint16(7));
        d.CmdAviso_Click();
        QVERIFY(!aviso.isHidden());
        const bool quiero[3] = {mensaje, sonido, archivo};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(aviso.ImgAviso[static_cast<size_t>(i)]->isChecked());
            if (!quiero[i])
                aviso.ImgAviso_Click(i);
        }
        // The code follows the checks only when the panel closes.
        QCOMPARE(f.dialogo->Edicion().TipoAviso, qint16(7));
        d.CmdAvisoOk_Click();
        QVERIFY(aviso.isHidden());
        QCOMPARE(f.dialogo->Edicion().TipoAviso, qint16(codigo));

        // Loading the code ticks the same checks.
        f.carpeta.EscribirIni("[Datos]\r\nSonido=/tmp/a.wav\r\nArchivo=/tmp/b.txt\r\nAviso=" +
                              QByteArray::number(codigo) + "\r\n");
        d.CmdCancelar_Click();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(aviso.ImgAviso[static_cast<size_t>(i)]->isChecked(), quiero[i]);
    }

    void codigoFueraDeTablaNoCambiaMarcas()
    {
        FixtureOpciones f;
        f.carpeta.EscribirIni("[Datos]\r\nAviso=9\r\n");
        FrmOpc &d = f.Abrir();
        for (CasillaImagen *casilla : d.PicAviso()->ImgAviso)
            QVERIFY(!casilla->isChecked());
    }

    void sonidoYArchivoSoloConRuta()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        PanelAviso &aviso = *d.PicAviso();
        aviso.ImgAviso_Click(1);
        aviso.ImgAviso_Click(2);
        QVERIFY(!aviso.ImgAviso[1]->isChecked());
        QVERIFY(!aviso.ImgAviso[2]->isChecked());
        aviso.ImgAviso_Click(0); // the message needs nothing
        QVERIFY(aviso.ImgAviso[0]->isChecked());

        f.plataforma.archivos << QStringLiteral("/home/ana/campana.wav");
        aviso.ImgSelec_Click(1);
        QCOMPARE(f.dialogo->Edicion().ArchivoSonido, QStringLiteral("/home/ana/campana.wav"));
        QVERIFY(!aviso.ImgAviso[1]->isChecked()); // choosing does not tick
        aviso.ImgAviso_Click(1);
        QVERIFY(aviso.ImgAviso[1]->isChecked());
        aviso.ImgAviso_Click(1);
        QVERIFY(!aviso.ImgAviso[1]->isChecked());

        // A cancelled picker changes nothing.
        aviso.ImgSelec_Click(2);
        QCOMPARE(f.dialogo->Edicion().ArchivoAbrir, QStringLiteral("Ninguno"));
        QCOMPARE(
            f.plataforma.Llamadas("dialogo-abrir"),
            (QStringList{"dialogo-abrir Seleccionar sonido...", "dialogo-abrir Seleccionar archivo..."}));
    }

    void posicionesDeIconos()
    {
        FixtureOpciones f;
        PanelAviso &aviso = *f.Abrir().PicAviso();
        const int izda[13] = {360, 1200, 2040, 2880, 3720, 4680, 5640, 6660, 7560, 8400, 4200, 5160, 6120};
        for (int i = 0; i < 13; ++i) {
            BotonImagen *icono = aviso.ImgIcono[static_cast<size_t>(i)];
            QCOMPARE(icono->pos(), QPoint(TwipsAPixeles(izda[i]), TwipsAPixeles(i <= 9 ? 1920 : 600)));
            QCOMPARE(icono->size(), QSize(TwipsAPixeles(720), TwipsAPixeles(720)));
            QVERIFY(!icono->accessibleName().isEmpty());
        }
        QVERIFY(aviso.ImgIcono[12]->Vacio());
        QVERIFY(!aviso.ImgIcono[3]->Vacio());
    }

    void iconoYImagenPropia()
    {
        FixtureOpciones f;
        const QString foto = f.carpeta.Archivo(QStringLiteral("foto.jpg"));
        QImage imagen(20, 10, QImage::Format_RGB32);
        imagen.fill(Qt::red);
        QVERIFY(imagen.save(foto, "JPG"));
        FrmOpc &d = f.Abrir();
        PanelAviso &aviso = *d.PicAviso();

        auto marcador = [&aviso](int i) {
            const BotonImagen *icono = aviso.ImgIcono[static_cast<size_t>(i)];
            return QPoint(icono->x() + TwipsAPixeles(180), TwipsAPixeles(i <= 9 ? 2760 : 1360));
        };
        aviso.ImgIcono_Click(3);
        QCOMPARE(f.dialogo->Edicion().IconoAviso, QStringLiteral("03"));
        QCOMPARE(aviso.ImgSelected->pos(), marcador(3));
        QVERIFY(aviso.Line19->isHidden());

        f.plataforma.archivos << foto;
        aviso.ImgSelec_Click(0);
        QCOMPARE(f.dialogo->Edicion().IconoAviso, QStringLiteral("12") + foto);
        QCOMPARE(aviso.ImgSelected->pos(), marcador(12));
        QVERIFY(!aviso.Line19->isHidden());
        QVERIFY(!aviso.ImgIcono[12]->Vacio());

        aviso.ImgIcono_Click(5);
        QCOMPARE(f.dialogo->Edicion().IconoAviso, QStringLiteral("05") + foto);
        QCOMPARE(aviso.ImgSelected->pos(), marcador(5));
        aviso.ImgIcono_Click(12);
        QCOMPARE(f.dialogo->Edicion().IconoAviso, QStringLiteral("12") + foto);

        // Loaded from the file: icon 3 with the picture kept for later.
        f.carpeta.EscribirIni(("[Datos]\r\nIcono=03" + foto + "\r\n").toUtf8());
        d.CmdCancelar_Click();
        QCOMPARE(f.dialogo->Edicion().IconoAviso, QStringLiteral("03") + foto);
        QVERIFY(!aviso.ImgIcono[12]->Vacio());
        QCOMPARE(aviso.ImgSelected->pos(), marcador(3));
        QVERIFY(f.plataforma.Llamadas("error").isEmpty());
    }

    void imagenQueNoSeCarga()
    {
        FixtureOpciones f;
        const QString falsa = f.carpeta.Archivo(QStringLiteral("falsa.jpg"));
        f.carpeta.Escribir(QStringLiteral("falsa.jpg"), "no soy una imagen");
        f.carpeta.EscribirIni(("[Datos]\r\nIcono=12" + falsa + "\r\n").toUtf8());
        FrmOpc &d = f.Abrir();
        PanelAviso &aviso = *d.PicAviso();
        // At load: slot 12 empty, no message.
        QVERIFY(aviso.ImgIcono[12]->Vacio());
        QCOMPARE(f.dialogo->Edicion().IconoAviso, QStringLiteral("12") + falsa);
        QVERIFY(f.plataforma.llamadas.isEmpty());

        aviso.ImgIcono_Click(2);
        f.plataforma.archivos << falsa;
        aviso.ImgSelec_Click(0);
        const QStringList mensajes = f.plataforma.Llamadas("error");
        QCOMPARE(mensajes.size(), 1);
        QVERIFY2(mensajes.first().startsWith(QStringLiteral("error .: Marbeo :. :: 481 - ")),
                 qPrintable(mensajes.first()));
        // What was set before the failing step stays.
        QCOMPARE(f.dialogo->Edicion().IconoAviso, QStringLiteral("12") + falsa);
        QVERIFY(!aviso.Line19->isHidden());
        QVERIFY(aviso.ImgIcono[12]->Vacio());
    }

    void rutasLargas_data()
    {
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<QString>("mostrada");
        // 45 characters: shown whole.
        const QString r45 = QStringLiteral("C:\\Documentos\\Sonidos\\Fiestas\\campana1234.wav");
        QTest::newRow("45") << r45 << r45;
        QTest::newRow("46") << QStringLiteral("C:\\Documentos\\Sonidos\\Fiestas\\campana12345.wav")
                            << QStringLiteral("C:\\...campana12345.wav");
        QTest::newRow("46 con barras") << QStringLiteral("/home/ana/Documentos/Sonidos/Fiestas/camp1.wav")
                                       << QStringLiteral("/ho...camp1.wav");
        QTest::newRow("sin separador")
            << QString(50, QLatin1Char('a')) << QStringLiteral("aaa...") + QString(50, QLatin1Char('a'));
    }
    void rutasLargas()
    {
        QFETCH(QString, ruta);
        QFETCH(QString, mostrada);
        if (QTest::currentDataTag() == QByteArray("45") || QTest::currentDataTag() == QByteArray("46"))
            QCOMPARE(QByteArray::number(ruta.size()), QByteArray(QTest::currentDataTag()));
        FixtureOpciones f;
        f.carpeta.EscribirIni(("[Datos]\r\nArchivo=" + ruta + "\r\n").toUtf8());
        FrmOpc &d = f.Abrir();
        QLabel *etiqueta = d.LblTitulo(17);
        QCOMPARE(etiqueta->text(), mostrada);
        const bool corta = mostrada == ruta;
        QCOMPARE(etiqueta->toolTip(), corta ? QString() : ruta);
        QCOMPARE(etiqueta->cursor().shape(), corta ? Qt::ArrowCursor : Qt::WhatsThisCursor);
        QCOMPARE(f.dialogo->Edicion().ArchivoAbrir, ruta);

        // Picking a short path afterwards clears the tooltip and the pointer.
        f.plataforma.archivos << QStringLiteral("/tmp/x.txt");
        d.PicAviso()->ImgSelec_Click(2);
        QCOMPARE(etiqueta->text(), QStringLiteral("/tmp/x.txt"));
        QVERIFY(etiqueta->toolTip().isEmpty());
        QCOMPARE(etiqueta->cursor().shape(), Qt::ArrowCursor);
    }

    void cerrarEnElPanelSoloVuelve()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        d.show();
        d.CmdAviso_Click();
        d.PicAviso()->ImgAviso_Click(0);
        QVERIFY(!d.close());
        QVERIFY(d.isVisible());
        QVERIFY(d.PicAviso()->isHidden());
        QVERIFY(!d.PicOpciones()->isHidden());
        QCOMPARE(f.dialogo->Edicion().TipoAviso, qint16(1));
        QVERIFY(d.close());
        QVERIFY(!d.isVisible());
        QVERIFY(!f.carpeta.Existe(QStringLiteral("Dexo.INI")));
    }
};

QTEST_MAIN(TestOpcAviso)
#include "test_opcaviso.moc"
