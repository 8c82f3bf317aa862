#include "../countdown/fixture_principal.h"
#include "apariencia.h"
#include "botonimagen.h"
#include "fixture_opciones.h"
#include "menuprincipal.h"
#include "panelaviso.h"
#include "perfil.h"
#include "selectorfecha.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

// Saving, cancelling and closing the options dialog, from the mouse and from the keyboard.
class TestOpcGuardar : public QObject
{
    Q_OBJECT

    static void Elegir(QComboBox *lista, const QString &texto)
    {
        const int indice = lista->findText(texto);
        lista->setCurrentIndex(indice);
        emit lista->activated(indice);
    }

    // The same writes made one after the other, for the byte comparison with the one batch.
    static QByteArray UnaTrasOtra(const QByteArray &antes,
                                  const QList<std::array<const char *, 3>> &escrituras)
    {
        CarpetaPrograma otra;
        otra.EscribirIni(antes);
        if (antes.isNull())
            QFile::remove(otra.Ini());
        for (const auto &[seccion, clave, valor] : escrituras)
            EscribirPerfil(otra.Ini(), QString::fromUtf8(seccion), QString::fromUtf8(clave),
                           QString::fromUtf8(valor));
        return otra.LeerIni();
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void primerGuardado()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        d.show();
        d.CmdGuardar_Click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(!d.isVisible());
        QVERIFY(f.gral.Recargar);
        QVERIFY(!d.PicMuestra()->TmrMuestra->isActive());
        const QByteArray esperado =
            "[Datos]\r\nFecha=Ninguna\r\nAviso=0\r\nEvento=Ninguno\r\nSonido=Ninguno\r\n"
            "Archivo=Ninguno\r\nIcono=00\r\n"
            "[Opciones]\r\nIdioma=Espa\xf1ol\r\nTransp=10\r\nFColor=16777215\r\nSVisible=No\r\n"
            "Inicio=No\r\n"
            "[Fuente]\r\nNombre=MS Sans Serif\r\nTam=24\r\nNegrita=True\r\nCursiva=False\r\n"
            "Subrayada=False\r\nTachada=False\r\nColor=0\r\n";
        QCOMPARE(f.carpeta.LeerIni(), esperado);
        const QByteArray seguidas = UnaTrasOtra(QByteArray(), {{"Datos", "Fecha", "Ninguna"},
                                                               {"Opciones", "Idioma", "Español"},
                                                               {"Opciones", "Transp", "10"},
                                                               {"Opciones", "FColor", "16777215"},
                                                               {"Opciones", "SVisible", "No"},
                                                               {"Opciones", "Inicio", "No"},
                                                               {"Datos", "Aviso", "0"},
                                                               {"Datos", "Evento", "Ninguno"},
                                                               {"Datos", "Sonido", "Ninguno"},
                                                               {"Datos", "Archivo", "Ninguno"},
                                                               {"Datos", "Icono", "00"},
                                                               {"Fuente", "Nombre", "MS Sans Serif"},
                                                               {"Fuente", "Tam", "24"},
                                                               {"Fuente", "Negrita", "True"},
                                                               {"Fuente", "Cursiva", "False"},
                                                               {"Fuente", "Subrayada", "False"},
                                                               {"Fuente", "Tachada", "False"},
                                                               {"Fuente", "Color", "0"}});
        QCOMPARE(f.carpeta.LeerIni(), seguidas);
        QCOMPARE(f.plataforma.llamadas, QStringList{"borrar-inicio Dexo"});
    }

    void guardarConFechaMesDia()
    {
        // A locale whose short date reads month first still saves day first.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FixtureOpciones f;
        const QByteArray antes = "[Posicion]\r\nIzda=1875\r\nSup=-300\r\n[Datos]\r\nFecha=20/12/2026\r\n";
        f.carpeta.EscribirIni(antes);
        FrmOpc &d = f.Abrir();
        SelectorFecha &fecha = *d.FraFecha();
        QCOMPARE(fecha.OptDia[19]->isChecked(), true);
        Elegir(fecha.CmbAnno, QStringLiteral("2027"));
        Elegir(fecha.CmbMes, QStringLiteral("Febrero"));
        fecha.OptDia[8]->click();
        d.PicTr_Click(3);
        QFont fuente(QStringLiteral("DejaVu Serif"));
        fuente.setPointSizeF(10.5);
        fuente.setItalic(true);
        fuente.setUnderline(true);
        f.plataforma.fuentesYColores << std::pair(fuente, QColor(0, 0, 255));
        d.CmdFuente_Click();
        f.plataforma.colores << QColor(1, 2, 3);
        d.CmdFColor_Click();
        d.ImgSvisible()->click();
        d.ImgInicio()->click();
        d.PicAviso()->TxtEvento->setText(QStringLiteral("Viaje a Oporto"));
        d.PicAviso()->ImgIcono_Click(4);
        d.CmdGuardar_Click();
        const QString programa = f.carpeta.Ruta() + QStringLiteral("Dexo");
        QCOMPARE(f.plataforma.Llamadas("grabar-inicio"), QStringList{"grabar-inicio Dexo " + programa});
        const QByteArray esperado =
            antes.chopped(2).replace("20/12/2026", "09/02/2027") +
            "\r\nAviso=0\r\nEvento=Viaje a Oporto\r\nSonido=Ninguno\r\nArchivo=Ninguno\r\n"
            "Icono=04\r\n"
            "[Opciones]\r\nIdioma=Espa\xf1ol\r\nTransp=3\r\nFColor=197121\r\nSVisible=Si\r\n"
            "Inicio=Si\r\n"
            "[Fuente]\r\nNombre=DejaVu Serif\r\nTam=10.5\r\nNegrita=False\r\nCursiva=True\r\n"
            "Subrayada=True\r\nTachada=False\r\nColor=16711680\r\n";
        QCOMPARE(f.carpeta.LeerIni(), esperado);

        // Opened again, the same day, month and year come back.
        FrmOpc &otra = f.Abrir();
        QCOMPARE(otra.FraFecha()->CmbAnno->currentText(), QStringLiteral("2027"));
        QCOMPARE(otra.FraFecha()->CmbMes->currentText(), QStringLiteral("Febrero"));
        QVERIFY(otra.FraFecha()->OptDia[8]->isChecked());
        QCOMPARE(otra.PicMuestra()->LblDiasAux->font().pointSizeF(), 10.5);
    }

    void anualSeEscribeYSeQuita()
    {
        // A file that never used Anual: saved again, not one byte changes.
        FixtureOpciones f;
        f.Abrir().CmdGuardar_Click();
        const QByteArray nunca = f.carpeta.LeerIni();
        QVERIFY(!nunca.contains("Anual"));
        f.Abrir().CmdGuardar_Click();
        QCOMPARE(f.carpeta.LeerIni(), nunca);
        // Ticked, a day already past this year can be chosen, and is kept as chosen.
        SelectorFecha &fecha = *f.Abrir().FraFecha();
        Elegir(fecha.CmbMes, QStringLiteral("Marzo"));
        QTest::keyClick(fecha.ChkAnual, Qt::Key_Space);
        QVERIFY(fecha.OptDia[14]->isEnabled());
        fecha.OptDia[14]->click();
        f.dialogo->CmdGuardar_Click();
        QByteArray anual = nunca;
        anual.replace("Fecha=Ninguna", "Fecha=15/03/2026")
            .replace("Icono=00\r\n", "Icono=00\r\nAnual=Si\r\n");
        QCOMPARE(f.carpeta.LeerIni(), anual);
        // Unticked, the key goes and the file is as it was but for the date.
        QVERIFY(f.Abrir().FraFecha()->ChkAnual->isChecked());
        f.dialogo->FraFecha()->ChkAnual->click();
        f.dialogo->CmdGuardar_Click();
        QCOMPARE(f.carpeta.LeerIni(), QByteArray(nunca).replace("Fecha=Ninguna", "Fecha=15/03/2026"));
    }

    void tamanoConElSeparadorDelSistema_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::addColumn<double>("tam");
        QTest::addColumn<QString>("escrito");
        const QLocale espanol(QLocale::Spanish, QLocale::Spain);
        const QLocale ingles(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("coma") << espanol << 10.5 << "10,5";
        QTest::newRow("punto") << ingles << 10.5 << "10.5";
        QTest::newRow("dos decimales") << espanol << 8.25 << "8,25";
        QTest::newRow("entero") << espanol << 24.0 << "24";
        // A separator the readers do not know is never written.
        QTest::newRow("árabe") << QLocale(QLocale::Arabic, QLocale::Egypt) << 10.5 << "10.5";
    }
    void tamanoConElSeparadorDelSistema()
    {
        QFETCH(QLocale, local);
        QFETCH(double, tam);
        QFETCH(QString, escrito);
        QLocale::setDefault(local);
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        QFont fuente(QStringLiteral("DejaVu Sans"));
        fuente.setPointSizeF(tam);
        f.plataforma.fuentesYColores << std::pair(fuente, QColor(Qt::black));
        d.CmdFuente_Click();
        d.CmdGuardar_Click();
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Fuente", "Tam", "?"), escrito);
        // Read back as the same size.
        FrmOpc &otra = f.Abrir();
        QCOMPARE(otra.PicMuestra()->LblDiasAux->font().pointSizeF(), tam);
    }

    void guardarSinDiaDevuelveLaFechaCargada()
    {
        FixtureOpciones f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=25/12/2026\r\n");
        FrmOpc &d = f.Abrir();
        Elegir(d.FraFecha()->CmbMes, QStringLiteral("Enero")); // no day clicked after it
        d.CmdGuardar_Click();
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Datos", "Fecha", "?"), QStringLiteral("25/12/2026"));
    }

    void cerrarSinGuardarDejaLoGuardado()
    {
        // Every choice made and then closed without saving: the program goes on as the file says.
        FixtureOpciones f;
        f.carpeta.Escribir(QStringLiteral("English.dxl"), "[Opciones]\r\nT0=Options\r\n");
        const QByteArray contenido =
            "[Opciones]\r\nIdioma=Espa\xf1ol\r\n[Datos]\r\nFecha=24/12/2026\r\nAviso=1\r\n"
            "Sonido=/a.wav\r\nArchivo=/b.txt\r\nIcono=03\r\n";
        f.carpeta.EscribirIni(contenido);
        FrmOpc &d = f.Abrir();
        d.show();
        d.FraFecha()->OptDia[27]->click();
        d.CmdAviso_Click();
        d.PicAviso()->ImgAviso_Click(0);
        d.PicAviso()->ImgIcono_Click(7);
        f.plataforma.archivos << "/otro.wav"
                              << "/otro.txt";
        d.PicAviso()->ImgSelec_Click(1);
        d.PicAviso()->ImgSelec_Click(2);
        d.CmdAvisoOk_Click();
        d.ImgIdioma_Click(2);
        QCOMPARE(f.dialogo->Edicion().NombreIdioma, QStringLiteral("English"));
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        // What the program holds never took the edits: it is what the main window last applied.
        QCOMPARE(QStringList({f.gral.NombreIdioma, f.gral.FechaEvento, QString::number(f.gral.TipoAviso),
                              f.gral.ArchivoSonido, f.gral.ArchivoAbrir, f.gral.IconoAviso}),
                 QStringList({QString::fromUtf8("Español"), "Ninguna", "0", "Ninguno", "Ninguno", "0"}));
        // Opened again, the stored date; saved, the stored date too.
        FrmOpc &otra = f.Abrir();
        QVERIFY(otra.FraFecha()->OptDia[23]->isChecked());
        otra.CmdGuardar_Click();
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Datos", "Fecha", "?"), QStringLiteral("24/12/2026"));
    }

    void textosComoSeEscribieron_data()
    {
        QTest::addColumn<QString>("pegado");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("blancos") << "  Boda  "
                                 << "  Boda  ";
        QTest::newRow("comillas") << "\"Boda\""
                                  << "\"Boda\"";
        QTest::newRow("apóstrofos") << "'Boda'"
                                    << "'Boda'";
        QTest::newRow("otras escrituras")
            << QString::fromUtf8("Свадьба Γάμος 婚礼 🎉") << QString::fromUtf8("Свадьба Γάμος 婚礼 🎉");
        QTest::newRow("salto pegado") << "Boda\r\nen\nOporto"
                                      << "Boda en Oporto";
    }
    void textosComoSeEscribieron()
    {
        // Pasted, saved through the dialog, and back from the file and in the dialog unchanged.
        QFETCH(QString, pegado);
        QFETCH(QString, guardado);
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        QGuiApplication::clipboard()->setText(pegado);
        d.PicAviso()->TxtEvento->selectAll();
        d.PicAviso()->TxtEvento->paste();
        QCOMPARE(d.PicAviso()->TxtEvento->text(), guardado);
        f.plataforma.archivos << QStringLiteral("/ruta con blanco ");
        d.PicAviso()->ImgSelec_Click(1);
        d.CmdGuardar_Click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Datos", "Evento", "?"), guardado);
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Datos", "Sonido", "?"), QStringLiteral("/ruta con blanco "));
        QCOMPARE(f.Abrir().PicAviso()->TxtEvento->text(), guardado);
    }

    void guardadoRechazadoNombraElCampo()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        f.plataforma.archivos << QStringLiteral("/tmp/a\nb.wav"); // a file name may hold one
        d.PicAviso()->ImgSelec_Click(1);
        d.CmdGuardar_Click();
        const QStringList avisos = f.plataforma.Llamadas("aviso");
        QCOMPARE(avisos.size(), 1);
        QVERIFY2(avisos.front().contains(QStringLiteral("[Datos] Sonido")), qPrintable(avisos.front()));
    }

    void idiomaSinArchivoSeConserva()
    {
        FixtureOpciones f;
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=Klingon\r\n");
        FrmOpc &d = f.Abrir();
        QCOMPARE(d.LblTitulo(15)->text(), QStringLiteral("Klingon"));
        QCOMPARE(d.LblTitulo(0)->text(), QStringLiteral(".: OPCIONES :."));
        d.CmdGuardar_Click();
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Opciones", "Idioma", "?"), QStringLiteral("Klingon"));
    }

    void inicioSinPermiso()
    {
        FixtureOpciones f;
        f.plataforma.inicioPermitido = false;
        FrmOpc &d = f.Abrir();
        d.show();
        d.ImgInicio()->click();
        d.CmdGuardar_Click();
        // The user is told; the file still records the choice.
        QCOMPARE(f.plataforma.Llamadas("aviso").size(), 1);
        QVERIFY(f.plataforma.Llamadas("aviso").first().contains(QStringLiteral("sin permiso")));
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Opciones", "Inicio", "?"), QStringLiteral("Si"));
    }

    void guardadoFallido()
    {
        FixtureOpciones f;
        f.gral.ArchivoIni = f.carpeta.Archivo(QStringLiteral("no-existe/Dexo.INI"));
        FrmOpc &d = f.Abrir();
        d.show();
        d.PicAviso()->TxtEvento->setText(QStringLiteral("Boda"));
        d.PicTr_Click(5);
        d.CmdGuardar_Click();
        const QStringList avisos = f.plataforma.Llamadas("aviso");
        QCOMPARE(avisos.size(), 1);
        QVERIFY2(avisos.first().contains(QDir::toNativeSeparators(f.gral.ArchivoIni)),
                 qPrintable(avisos.first()));
        // The reason comes with the name of the file.
        QString motivo;
        QVERIFY(!EscribirPerfilLote(f.gral.ArchivoIni, {{"Datos", "Fecha", "Ninguna"}}, &motivo));
        QVERIFY(!motivo.isEmpty());
        QVERIFY2(avisos.first().contains(motivo), qPrintable(avisos.first()));
        QVERIFY(d.isVisible());
        QVERIFY(!f.gral.Recargar);
        QCOMPARE(d.PicAviso()->TxtEvento->text(), QStringLiteral("Boda"));
        QCOMPARE(d.Barras()->Nivel(), 5);
        // Nothing else happened: no start-with-the-system step for a save that did not land.
        QVERIFY(f.plataforma.Llamadas("borrar-inicio").isEmpty());
        QVERIFY(d.PicMuestra()->TmrMuestra->isActive());
    }

    void cancelarRecargaSinEscribir()
    {
        FixtureOpciones f;
        const QByteArray contenido =
            "[Opciones]\r\nSVisible=No\r\n[Datos]\r\nEvento=Boda\r\nFecha=24/12/2026\r\n";
        f.carpeta.EscribirIni(contenido);
        FrmOpc &d = f.Abrir();
        d.ImgSvisible()->click();
        d.PicAviso()->TxtEvento->setText(QStringLiteral("Otra cosa"));
        d.FraFecha()->OptDia[27]->click();
        QVERIFY(d.ImgSvisible()->isChecked());
        d.CmdCancelar_Click();
        QVERIFY(!d.ImgSvisible()->isChecked());
        QCOMPARE(d.PicAviso()->TxtEvento->text(), QStringLiteral("Boda"));
        QVERIFY(d.FraFecha()->OptDia[23]->isChecked());
        QCOMPARE(f.dialogo->Edicion().FechaEvento, QStringLiteral("24/12/2026"));
        QCOMPARE(f.carpeta.LeerIni(), contenido);
    }

    void teclado()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));

        // Space and Enter work the picture controls.
        QTest::keyClick(d.ImgSvisible(), Qt::Key_Space);
        QVERIFY(d.ImgSvisible()->isChecked());
        QTest::keyClick(d.Barras()->PicTr[3], Qt::Key_Return);
        QCOMPARE(d.Barras()->Nivel(), 4);
        QTest::keyClick(d.findChild<QWidget *>("CmdAviso"), Qt::Key_Return);
        QVERIFY(d.PicAviso()->isVisible());
        QTest::keyClick(d.PicAviso()->ImgAviso[0], Qt::Key_Space);
        QVERIFY(d.PicAviso()->ImgAviso[0]->isChecked());
        QTest::keyClick(d.PicAviso()->ImgIcono[7], Qt::Key_Enter);
        QCOMPARE(f.dialogo->Edicion().IconoAviso, QStringLiteral("07"));

        // Escape on the notice panel returns to the main panel.
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        QVERIFY(d.PicAviso()->isHidden());
        QCOMPARE(f.dialogo->Edicion().TipoAviso, qint16(1));

        // Every picture control takes the focus and carries a name.
        QList<QWidget *> controles{d.ImgSvisible(),
                                   d.ImgInicio(),
                                   d.findChild<QWidget *>("CmdGuardar"),
                                   d.findChild<QWidget *>("CmdCancelar"),
                                   d.findChild<QWidget *>("CmdFColor"),
                                   d.findChild<QWidget *>("CmdFuente"),
                                   d.findChild<QWidget *>("CmdAviso")};
        for (int i = 0; i <= 5; ++i)
            controles << d.ImgIdioma(i);
        for (QAbstractButton *barra : d.Barras()->PicTr)
            controles << barra;
        PanelAviso &aviso = *d.PicAviso();
        for (QWidget *control : std::initializer_list<QWidget *>{
                 aviso.ImgAviso[0], aviso.ImgAviso[1], aviso.ImgAviso[2], aviso.ImgSelec[0],
                 aviso.ImgSelec[1], aviso.ImgSelec[2], aviso.CmdAvisoOk})
            controles << control;
        for (BotonImagen *icono : aviso.ImgIcono)
            controles << icono;
        for (QWidget *control : controles) {
            QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(control->objectName()));
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
        // Tab walks the main panel from the year list to the save and cancel buttons.
        QList<QWidget *> recorrido;
        QWidget *actual = d.FraFecha()->CmbAnno;
        for (int i = 0; i < 200 && !recorrido.contains(actual); ++i) {
            recorrido << actual;
            actual = actual->nextInFocusChain();
        }
        for (QWidget *control :
             {static_cast<QWidget *>(d.ImgSvisible()), d.findChild<QWidget *>("CmdGuardar"),
              d.findChild<QWidget *>("CmdCancelar"), static_cast<QWidget *>(d.Barras()->PicTr[9])})
            QVERIFY(recorrido.contains(control));

        // Escape on the main panel closes without writing.
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(!f.carpeta.Existe(QStringLiteral("Dexo.INI")));
        QVERIFY(!d.PicMuestra()->TmrMuestra->isActive());
        QCOMPARE(qRound(f.principal.windowOpacity() * 255), 255);
    }

    void tabRecorreCadaPanel()
    {
        // Tab itself, not only the focus chain: every enabled control of the panel shown is met.
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto recorrer = [&d](QWidget *desde) {
            desde->setFocus();
            QSet<QWidget *> vistos;
            for (int i = 0; i < 120; ++i) {
                vistos.insert(QApplication::focusWidget());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            return vistos;
        };
        QSet<QWidget *> vistos = recorrer(d.FraFecha()->CmbAnno);
        for (QWidget *control : d.PicOpciones()->findChildren<QWidget *>()) {
            if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(&d) && control->isEnabled())
                QVERIFY2(vistos.contains(control), qPrintable(control->objectName()));
        }
        d.CmdAviso_Click();
        vistos = recorrer(d.PicAviso()->ImgAviso[0]);
        for (QWidget *control : d.PicAviso()->findChildren<QWidget *>()) {
            if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(&d) && control->isEnabled())
                QVERIFY2(vistos.contains(control), qPrintable(control->objectName()));
        }
        // Hidden panels are never reached.
        for (QWidget *control : vistos)
            QVERIFY2(!d.PicOpciones()->isAncestorOf(control), qPrintable(control->objectName()));
    }

    // Save, cancel and return show the focus and answer Space and Enter.
    void tecladoEnLosBotones_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<int>("tecla");
        QTest::newRow("guardar, intro") << "CmdGuardar" << int(Qt::Key_Return);
        QTest::newRow("cancelar, espacio") << "CmdCancelar" << int(Qt::Key_Space);
        QTest::newRow("volver, intro del teclado numérico") << "CmdAvisoOk" << int(Qt::Key_Enter);
    }
    void tecladoEnLosBotones()
    {
        QFETCH(QString, boton);
        QFETCH(int, tecla);
        FixtureOpciones f;
        const QByteArray ini = "[Opciones]\r\nSVisible=No\r\n";
        f.carpeta.EscribirIni(ini);
        FrmOpc &d = f.Abrir();
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.ImgSvisible()->click();
        if (boton == QLatin1String("CmdAvisoOk"))
            d.CmdAviso_Click();
        auto *control = d.findChild<QWidget *>(boton);
        const QImage sinFoco = control->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        QVERIFY(control->grab().toImage() != sinFoco);
        QTest::keyClick(control, Qt::Key(tecla));
        const bool guardar = boton == QLatin1String("CmdGuardar");
        QCOMPARE(d.isVisible(), !guardar);
        QVERIFY(d.PicAviso()->isHidden());
        QCOMPARE(d.ImgSvisible()->isChecked(), boton != QLatin1String("CmdCancelar"));
        if (guardar)
            QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Opciones", "SVisible", "?"), QStringLiteral("Si"));
        else
            QCOMPARE(f.carpeta.LeerIni(), ini); // byte for byte
    }

    void ctrlSEnElPanelDeAviso()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.CmdAviso_Click();
        d.PicAviso()->ImgAviso_Click(0);
        QTest::keySequence(&d, QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Datos", "Aviso", "?"), QStringLiteral("1"));
    }

    void desdeElMenuPrincipal()
    {
        FixturePrincipal f;
        FrmMain &w = f.Iniciar();
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00.000"));
        QFont fuente(QStringLiteral("DejaVu Sans"));
        fuente.setPointSizeF(30);
        f.plataforma.fuentesYColores << std::pair(fuente, QColor(0, 128, 0));
        bool visto = false;
        QTimer::singleShot(0, &w, [&visto] {
            auto *d = qobject_cast<FrmOpc *>(QApplication::activeModalWidget());
            if (!d)
                return;
            visto = true;
            d->FraFecha()->OptDia[9]->click(); // 10/12/2026, three days ahead
            d->CmdAviso_Click();
            d->PicAviso()->ImgAviso_Click(0);
            d->PicAviso()->TxtEvento->setText(QStringLiteral("Cena"));
            d->PicAviso()->ImgIcono_Click(6);
            d->CmdAvisoOk_Click();
            d->CmdFuente_Click();
            d->CmdGuardar_Click();
        });
        w.Menu()->mnuOpciones->trigger();
        QVERIFY(visto);
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00.003"));
        QCOMPARE(w.Etiqueta()->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(w.Etiqueta()->font().pointSizeF(), 30.0);
        QCOMPARE(f.gral.TipoAviso, qint16(1));
        QCOMPARE(f.gral.IconoAviso, QStringLiteral("06"));
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Datos", "Evento", "?"), QStringLiteral("Cena"));
        QVERIFY(!f.gral.Recargar);
    }
};

QTEST_MAIN(TestOpcGuardar)
#include "test_opcguardar.moc"
