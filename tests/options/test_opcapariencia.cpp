#include "apariencia.h"
#include "botonimagen.h"
#include "fixture_opciones.h"
#include "panelaviso.h"
#include "selectorfecha.h"
#include "unidades.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>

// The look of the count (bars, colours, font, preview) and the language of the dialog.
class TestOpcApariencia : public QObject
{
    Q_OBJECT

    static int Opacidad(const QWidget &ventana) { return qRound(ventana.windowOpacity() * 255); }

    static QByteArray Dxl(const QByteArray &cuerpo) { return "[Opciones]\r\n" + cuerpo; }

    // Every interface a screen reader reaches from the window down, with the widget it stands for.
    static void Recorrer(QAccessibleInterface *interfaz, QList<QAccessibleInterface *> &todas)
    {
        todas << interfaz;
        for (int i = 0; i < interfaz->childCount(); ++i) {
            if (QAccessibleInterface *hija = interfaz->child(i))
                Recorrer(hija, todas);
        }
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void escalera()
    {
        FixtureOpciones f;
        BarrasTransparencia &barras = *f.Abrir().Barras();
        const int fondo = barras.PicTr[0]->geometry().bottom();
        for (int k = 1; k <= 10; ++k) {
            const QAbstractButton *barra = barras.PicTr[static_cast<size_t>(k - 1)];
            QCOMPARE(barra->height(), TwipsAPixeles(255 + qMax(0, k - 3) * 120));
            QCOMPARE(barra->width(), TwipsAPixeles(255));
            QCOMPARE(barra->geometry().bottom(), fondo);
            QCOMPARE(barra->x(), TwipsAPixeles((k - 1) * 360));
        }
    }

    void barraCuatroYCancelar()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        QCOMPARE(Opacidad(f.principal), 255);
        d.Barras()->PicTr[3]->click();
        QCOMPARE(d.Barras()->Nivel(), 4);
        QCOMPARE(d.LblTitulo(30)->text(), QStringLiteral("40 %"));
        QCOMPARE(Opacidad(f.principal), 102);
        QVERIFY(!f.carpeta.Existe(QStringLiteral("Dexo.INI")));
        d.CmdCancelar_Click();
        QCOMPARE(d.Barras()->Nivel(), 10);
        QCOMPARE(d.LblTitulo(30)->text(), QStringLiteral("100 %"));
        QCOMPARE(Opacidad(f.principal), 255);
    }

    void cerrarDeshaceLaVistaPrevia()
    {
        FixtureOpciones f;
        f.carpeta.EscribirIni("[Opciones]\r\nTransp=7\r\n");
        FrmOpc &d = f.Abrir();
        QCOMPARE(Opacidad(f.principal), 178);
        d.show();
        d.PicTr_Click(2);
        QCOMPARE(Opacidad(f.principal), 51);
        d.close();
        QCOMPARE(Opacidad(f.principal), 178);
    }

    void nivelFueraDeRango_data()
    {
        QTest::addColumn<QByteArray>("valor");
        QTest::addColumn<int>("nivel");
        QTest::newRow("0") << QByteArray("0") << 1;
        QTest::newRow("-3") << QByteArray("-3") << 1;
        QTest::newRow("15") << QByteArray("15") << 10;
        QTest::newRow("texto") << QByteArray("mucho") << 10;
        QTest::newRow("3") << QByteArray("3") << 3;
    }
    void nivelFueraDeRango()
    {
        QFETCH(QByteArray, valor);
        QFETCH(int, nivel);
        FixtureOpciones f;
        f.carpeta.EscribirIni("[Opciones]\r\nTransp=" + valor + "\r\n");
        FrmOpc &d = f.Abrir();
        QCOMPARE(d.Barras()->Nivel(), nivel);
        QCOMPARE(d.LblTitulo(30)->text(), QStringLiteral("%1 %").arg(nivel * 10));
        QVERIFY(Opacidad(f.principal) >= 26);
    }

    void coloresDecimalYHex_data()
    {
        QTest::addColumn<QByteArray>("valor");
        QTest::newRow("decimal") << QByteArray("16777215");
        QTest::newRow("&H") << QByteArray("&HFFFFFF");
        QTest::newRow("&H con &") << QByteArray("&HFFFFFF&");
        QTest::newRow("sin clave") << QByteArray();
    }
    void coloresDecimalYHex()
    {
        QFETCH(QByteArray, valor);
        FixtureOpciones f;
        f.carpeta.EscribirIni(valor.isNull() ? QByteArray("[Opciones]\r\n")
                                             : "[Opciones]\r\nFColor=" + valor + "\r\n");
        FrmOpc &d = f.Abrir();
        QCOMPARE(d.PicMuestra()->ColorFondo(), QColor(Qt::white));
    }

    void colorElegidoOCancelado()
    {
        FixtureOpciones f;
        f.carpeta.EscribirIni("[Opciones]\r\nFColor=255\r\n");
        FrmOpc &d = f.Abrir();
        QCOMPARE(d.PicMuestra()->ColorFondo(), QColor(255, 0, 0)); // &H000000FF is red
        d.CmdFColor_Click();                                       // cancelled
        QCOMPARE(d.PicMuestra()->ColorFondo(), QColor(255, 0, 0));
        f.plataforma.colores << QColor(0, 128, 255);
        d.CmdFColor_Click();
        QCOMPARE(d.PicMuestra()->ColorFondo(), QColor(0, 128, 255));
    }

    void fuentePorDefectoYGuardada()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        QLabel *muestra = d.PicMuestra()->LblDiasAux;
        QCOMPARE(muestra->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(muestra->font().pointSizeF(), 24.0);
        QVERIFY(muestra->font().bold());
        QCOMPARE(d.PicMuestra()->ColorTexto(), QColor(Qt::black));

        f.carpeta.EscribirIni(
            "[Fuente]\r\nNombre=DejaVu Serif\r\nTam=12,5\r\nCursiva=True\r\nNegrita=true\r\n"
            "Color=&HFF0000\r\n");
        d.CmdCancelar_Click();
        QCOMPARE(muestra->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(muestra->font().pointSizeF(), 12.5);
        QVERIFY(muestra->font().italic());
        QVERIFY(!muestra->font().bold()); // only "True" is true
        QCOMPARE(d.PicMuestra()->ColorTexto(), QColor(0, 0, 255));
    }

    void fuenteNuevaSeCentra()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        VistaMuestra &vista = *d.PicMuestra();
        QFont grande(QStringLiteral("DejaVu Sans"));
        grande.setPointSizeF(40);
        f.plataforma.fuentesYColores << std::pair(grande, QColor(10, 20, 30));
        const QSize antes = vista.LblDiasAux->size();
        d.CmdFuente_Click();
        QCOMPARE(f.plataforma.llamadas, QStringList{"dialogo-fuente-color"});
        QVERIFY(vista.LblDiasAux->height() > antes.height());
        QCOMPARE(vista.LblDiasAux->font().pointSizeF(), 40.0);
        QCOMPARE(vista.ColorTexto(), QColor(10, 20, 30));
        const QPoint centro = vista.LblDiasAux->geometry().center();
        QVERIFY(qAbs(centro.x() - vista.rect().center().x()) <= 1);
        QVERIFY(qAbs(centro.y() - vista.rect().center().y()) <= 1);
        d.CmdFuente_Click(); // cancelled: unchanged
        QCOMPARE(vista.LblDiasAux->font().pointSizeF(), 40.0);
    }

    void digitoDeMuestra()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        VistaMuestra &vista = *d.PicMuestra();
        QVERIFY(vista.TmrMuestra->isActive());
        QCOMPARE(vista.TmrMuestra->interval(), 500);
        QStringList vistos{vista.LblDiasAux->text()};
        for (int i = 0; i < 10; ++i) {
            vista.TmrMuestra_Timer();
            vistos << vista.LblDiasAux->text();
        }
        QCOMPARE(vistos.join(QString()), QStringLiteral("01234567890"));
        d.show();
        d.reject();
        QVERIFY(!vista.TmrMuestra->isActive());
    }

    void textosPorDefectoYSombras()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        QCOMPARE(d.windowTitle(), QStringLiteral(".:: Configuración de las opciones del programa ::."));
        const QStringList esperados{".: OPCIONES :.",
                                    "Transparencia:",
                                    "Idioma:",
                                    "Color del fondo:",
                                    "Fuente de letra, tamaño y color:",
                                    "Siempre visible:",
                                    "Abrir al inicio de güindous:",
                                    "Marbeo:",
                                    "Configurar aviso:",
                                    "Muestra:",
                                    "Mostrar mensaje.",
                                    "Icono a mostrar en el mensaje:",
                                    "Descripción del evento :: faltan x días para...:",
                                    "Reproducir un sonido.",
                                    "Abrir (ejecutar) un archivo o programa."};
        for (int i = 0; i <= 14; ++i) {
            QCOMPARE(d.LblTitulo(i)->text(), esperados.at(i));
            QCOMPARE(d.LblSombra(i)->text(), esperados.at(i));
            const int desplazamiento = TwipsAPixeles(i == 0 ? 30 : 20);
            QCOMPARE(d.LblSombra(i)->pos(), d.LblTitulo(i)->pos() + QPoint(desplazamiento, desplazamiento));
            QCOMPARE(d.LblSombra(i)->parentWidget(), d.LblTitulo(i)->parentWidget());
        }
        QCOMPARE(d.ImgIdioma(0)->toolTip(), QStringLiteral("Seleccionar..."));
        // The three pickers share a tip but are named apart, after their captions.
        QCOMPARE(d.findChild<QWidget *>("CmdFColor")->toolTip(), QStringLiteral("Seleccionar..."));
        QCOMPARE(d.findChild<QWidget *>("CmdFuente")->toolTip(), QStringLiteral("Seleccionar..."));
        QCOMPARE(d.findChild<QWidget *>("CmdFColor")->accessibleName(), QStringLiteral("Color del fondo:"));
        QCOMPARE(d.findChild<QWidget *>("CmdFuente")->accessibleName(),
                 QStringLiteral("Fuente de letra, tamaño y color:"));
        QCOMPARE(d.ImgIdioma(0)->accessibleName(), QStringLiteral("Idioma: Seleccionar..."));
        QCOMPARE(d.PicAviso()->ImgSelec[1]->toolTip(), QStringLiteral("Seleccionar sonido..."));
        QCOMPARE(d.PicAviso()->CmdAvisoOk->toolTip(), QStringLiteral("Volver..."));
        const QStringList idiomas{"Español", "English", "Italiano", "Français", "Português"};
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(d.ImgIdioma(i)->toolTip(), idiomas.at(i - 1));
    }

    void idiomaAplicado()
    {
        FixtureOpciones f;
        // A missing MC and FC take "Opciones del programa"; a missing tip shows "?".
        f.carpeta.Escribir(QStringLiteral("Deutsch.dxl"),
                           Dxl("T0=Optionen\r\nT1=Transparenz:\r\nT5=\r\nTip0=W\xe4hlen\r\nTip1=Speichern\r\n"
                               "t14=Datei \xf6"
                               "ffnen.\r\n"));
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=Deutsch\r\n");
        FrmOpc &d = f.Abrir();
        QCOMPARE(d.LblTitulo(15)->text(), QStringLiteral("Deutsch"));
        QCOMPARE(d.LblTitulo(0)->text(), QStringLiteral(".: OPTIONEN :."));
        QCOMPARE(d.LblSombra(0)->text(), QStringLiteral(".: OPTIONEN :."));
        QCOMPARE(d.LblTitulo(1)->text(), QStringLiteral("Transparenz:"));
        QCOMPARE(d.LblTitulo(2)->text(), QStringLiteral("?"));
        QCOMPARE(d.LblTitulo(5)->text(), QString());
        QCOMPARE(d.LblTitulo(14)->text(), QStringLiteral("Datei öffnen."));
        QCOMPARE(d.windowTitle(), QStringLiteral(".:: Opciones del programa ::."));
        QCOMPARE(d.FraFecha()->LblDexo->text(), QStringLiteral("Opciones del programa"));
        QCOMPARE(d.ImgIdioma(0)->toolTip(), QStringLiteral("Wählen..."));
        QCOMPARE(d.findChild<QWidget *>("CmdFColor")->toolTip(), QStringLiteral("Wählen..."));
        QCOMPARE(d.findChild<QWidget *>("CmdFuente")->toolTip(), QStringLiteral("Wählen..."));
        QCOMPARE(d.findChild<QWidget *>("CmdGuardar")->toolTip(), QStringLiteral("Speichern"));
        QCOMPARE(d.findChild<QWidget *>("CmdCancelar")->toolTip(), QStringLiteral("?"));
        QCOMPARE(d.PicAviso()->ImgSelec[0]->toolTip(), QStringLiteral("?..."));
        // The flags are never translated.
        QCOMPARE(d.ImgIdioma(4)->toolTip(), QStringLiteral("Français"));

        // Español from its flag; nothing is written before the save.
        f.carpeta.Escribir(QStringLiteral("Español.dxl"),
                           Dxl("T0=Opciones\r\nMC=Mis opciones\r\nFC=Elija\r\n"));
        d.ImgIdioma(1)->click();
        QCOMPARE(d.LblTitulo(15)->text(), QStringLiteral("Español"));
        QCOMPARE(f.dialogo->Edicion().NombreIdioma, QStringLiteral("Español"));
        QCOMPARE(d.windowTitle(), QStringLiteral(".:: Mis opciones ::."));
        QCOMPARE(d.FraFecha()->LblDexo->text(), QStringLiteral("Elija"));
        QCOMPARE(f.carpeta.LeerIni(), QByteArray("[Opciones]\r\nIdioma=Deutsch\r\n"));
    }

    void idiomaQueFalta_data()
    {
        QTest::addColumn<int>("bandera");
        QTest::addColumn<QString>("archivo");
        QTest::newRow("English sin archivo") << 2 << QString();
        QTest::newRow("archivo de otra carpeta") << 0 << QStringLiteral("/otra/Klingon.dxl");
        QTest::newRow("nombre corto") << 0 << QStringLiteral("/otra/abc");
        QTest::newRow("cancelado") << 0 << QString();
    }
    void idiomaQueFalta()
    {
        QFETCH(int, bandera);
        QFETCH(QString, archivo);
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        if (!archivo.isEmpty())
            f.plataforma.archivos << archivo;
        d.ImgIdioma_Click(bandera);
        QCOMPARE(d.LblTitulo(15)->text(), QStringLiteral("Español"));
        QCOMPARE(f.dialogo->Edicion().NombreIdioma, QStringLiteral("Español"));
        QCOMPARE(d.LblTitulo(0)->text(), QStringLiteral(".: OPCIONES :."));
        QVERIFY(!f.carpeta.Existe(QStringLiteral("Dexo.INI")));
        QCOMPARE(f.plataforma.Llamadas("aviso").size(), archivo.isEmpty() ? 0 : 1); // says why
        if (bandera == 0)
            QCOMPARE(f.plataforma.Llamadas("dialogo-abrir"), QStringList{"dialogo-abrir Seleccionar..."});
    }

    void archivoElegidoEnLaCarpeta()
    {
        // Chosen in another folder: copied into the settings folder, where the name finds it.
        FixtureOpciones f;
        const QByteArray klingon = "[Menu]\r\n0=x\r\n" + Dxl("T0=nIvbogh\r\n");
        QVERIFY(QDir(f.carpeta.Ruta()).mkdir(QStringLiteral("otra")));
        f.carpeta.Escribir(QStringLiteral("otra/Klingon.dxl"), klingon);
        FrmOpc &d = f.Abrir();
        f.plataforma.archivos << f.carpeta.Archivo(QStringLiteral("otra/Klingon.dxl"));
        d.ImgIdioma_Click(0);
        QCOMPARE(d.LblTitulo(15)->text(), QStringLiteral("Klingon"));
        QCOMPARE(d.LblTitulo(0)->text(), QStringLiteral(".: NIVBOGH :."));
        QCOMPARE(f.carpeta.Leer(QStringLiteral("Klingon.dxl")), klingon);
    }

    void respaldoSinBucle()
    {
        FixtureOpciones f;
        // Both files lack T0: the dialog falls back once and keeps its built-in texts.
        f.carpeta.Escribir(QStringLiteral("English.dxl"), Dxl("T1=Transparency:\r\n"));
        f.carpeta.Escribir(QStringLiteral("Español.dxl"), Dxl("T1=Nada:\r\n"));
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=English\r\n");
        FrmOpc &d = f.Abrir();
        QCOMPARE(d.LblTitulo(15)->text(), QStringLiteral("Español"));
        QCOMPARE(f.dialogo->Edicion().NombreIdioma, QStringLiteral("Español"));
        QCOMPARE(d.LblTitulo(1)->text(), QStringLiteral("Transparencia:"));
        QCOMPARE(d.LblTitulo(0)->text(), QStringLiteral(".: OPCIONES :."));
    }

    void nombreQueNoEsIdioma_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::newRow("subir") << QStringLiteral("../fuera");
        QTest::newRow("barra") << QStringLiteral("sub/Deutsch");
        QTest::newRow("contrabarra") << QStringLiteral("sub\\Deutsch");
        QTest::newRow("unidad") << QStringLiteral("C:Deutsch");
    }
    void nombreQueNoEsIdioma()
    {
        QFETCH(QString, nombre);
        FixtureOpciones f;
        QVERIFY(QDir().mkpath(f.carpeta.Archivo(QStringLiteral("sub"))));
        f.carpeta.Escribir(QStringLiteral("sub/Deutsch.dxl"), Dxl("T0=Optionen\r\n"));
        QVERIFY(f.carpeta.Existe(QStringLiteral("sub/Deutsch.dxl")));
        f.carpeta.EscribirIni(("[Opciones]\r\nIdioma=" + nombre + "\r\n").toUtf8());
        FrmOpc &d = f.Abrir();
        QCOMPARE(d.LblTitulo(15)->text(), QStringLiteral("Español"));
        QCOMPARE(f.dialogo->Edicion().NombreIdioma, QStringLiteral("Español"));
        QCOMPARE(d.LblTitulo(0)->text(), QStringLiteral(".: OPCIONES :."));
    }

    void idiomasIncluidosCaben_data()
    {
        QTest::addColumn<QString>("idioma");
        for (const char *idioma : {"Español", "English", "Italiano", "Français", "Português"})
            QTest::newRow(idioma) << QString::fromUtf8(idioma);
    }
    void idiomasIncluidosCaben()
    {
        QFETCH(QString, idioma);
        FixtureOpciones f;
        QFile archivo(QStringLiteral(DEXO_IDIOMAS_FUENTE "/") + idioma + QStringLiteral(".dxl"));
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        f.carpeta.Escribir(idioma + QStringLiteral(".dxl"), archivo.readAll());
        f.carpeta.EscribirIni(("[Opciones]\r\nIdioma=" + idioma + "\r\n").toLatin1());
        FrmOpc &d = f.Abrir();
        QCOMPARE(d.LblTitulo(15)->text(), idioma);
        QVERIFY(d.LblTitulo(1)->text() != QStringLiteral("?"));
        // Every caption fits its box, wrapped where it must be.
        for (int i = 0; i <= 14; ++i) {
            QLabel *etiqueta = d.LblTitulo(i);
            QVERIFY2(etiqueta->heightForWidth(etiqueta->width()) <= etiqueta->height(),
                     qPrintable(etiqueta->text()));
        }
    }

    void valoresEnterosYTextosLargos()
    {
        FixtureOpciones f;
        const QByteArray largo = QByteArray(199, 'x') + "<b>y</b>";
        const QByteArray frances = "Police de caract\xe8res, taille et couleur du compte \xe0 rebours :";
        f.carpeta.Escribir(QStringLiteral("Français.dxl"),
                           Dxl("T0=Options\r\nTip1=<b>Enregistrer</b>\r\nT4=" + frances + "\r\nT12=" + largo +
                               "\r\nT6=Ouvrir au d\xe9marrage de "
                               "Windows avec la session :\r\n"));
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=Fran\xe7"
                              "ais\r\n");
        FrmOpc &d = f.Abrir();
        // Dexo uses the first 199 characters of a language text; a tip is never rich text.
        QCOMPARE(d.LblTitulo(12)->text(), QString::fromLatin1(largo.left(199)));
        QVERIFY(d.findChild<QWidget *>("CmdGuardar")->toolTip().contains("&lt;b&gt;Enregistrer&lt;/b&gt;"));
        // Long captions wrap inside their box instead of running out of it.
        for (int i : {4, 6}) {
            QLabel *etiqueta = d.LblTitulo(i);
            QVERIFY(etiqueta->wordWrap());
            QVERIFY2(etiqueta->heightForWidth(etiqueta->width()) <= etiqueta->height(),
                     qPrintable(etiqueta->text()));
        }
    }

    void sombrasOcultasALaAccesibilidad()
    {
        // Each caption is read once: its shadow is invisible and nameless to assistive technology.
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        d.show();
        QList<QAccessibleInterface *> todas;
        Recorrer(QAccessible::queryAccessibleInterface(&d), todas);
        QStringList leidos;
        int sombras = 0;
        for (QAccessibleInterface *interfaz : std::as_const(todas)) {
            const QString nombre = interfaz->object() ? interfaz->object()->objectName() : QString();
            if (nombre.startsWith(u"LblSombra")) {
                ++sombras;
                QVERIFY2(interfaz->state().invisible, qPrintable(nombre));
                QVERIFY2(interfaz->text(QAccessible::Name).isEmpty(), qPrintable(nombre));
            } else if (interfaz->role() == QAccessible::StaticText) {
                leidos << interfaz->text(QAccessible::Name);
            }
        }
        QCOMPARE(sombras, 15); // ten on the main panel, five on the notice panel
        QCOMPARE(leidos.count(QStringLiteral("Transparencia:")), 1);
        QCOMPARE(leidos.count(QStringLiteral("Reproducir un sonido.")), 1);
    }
};

QTEST_MAIN(TestOpcApariencia)
#include "test_opcapariencia.moc"
