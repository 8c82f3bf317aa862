#include "fixture_principal.h"
#include "frmmsg.h"
#include "lineaordenes.h"
#include "menuprincipal.h"
#include "valores.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

// The countdown window: start-up, the settings it applies, the count and the notice.
class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void primerInicioSinArchivo()
    {
        FixturePrincipal f;
        FrmMain &w = f.Iniciar();
        QCOMPARE(w.pos(), QPoint(13, 13)); // 200 twips
        QCOMPARE(w.windowOpacity(), 1.0);
        QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!w.Menu()->mnuInicio->isChecked());
        QCOMPARE(f.gral.NombreIdioma, QStringLiteral("Español"));
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00.000"));
        QCOMPARE(w.Menu()->mnuFecha->text(), QStringLiteral(".: --- --- --- :."));
        QVERIFY(!w.Menu()->mnuEvento->isEnabled());
        QCOMPARE(f.gral.TipoAviso, qint16(0));
        QCOMPARE(f.gral.ArchivoSonido, QStringLiteral("Ninguno"));
        QCOMPARE(f.gral.ArchivoAbrir, QStringLiteral("Ninguno"));
        QCOMPARE(f.gral.IconoAviso, QStringLiteral("0"));
        QVERIFY(w.Etiqueta()->font().bold());
        QCOMPARE(w.Etiqueta()->font().pointSizeF(), 24.0);
        QCOMPARE(f.carpeta.LeerIni(), QByteArray("[Opciones]\r\nSVisible=No\r\n"));
        QVERIFY(f.plataforma.llamadas.isEmpty());
        // No date shows zero with the separator of any other count; a bad colour is no colour.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        f.carpeta.EscribirIni("[Fuente]\r\nNombre=DejaVu Sans\r\nColor=-1\r\n");
        w.AplicarOpciones();
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00,000"));
        QCOMPARE(w.Etiqueta()->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void cuenta_data()
    {
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("aviso");
        QTest::newRow("hoy") << "07/12/2026"
                             << "00.000" << true;
        QTest::newRow("mañana") << "08/12/2026"
                                << "00.001" << false;
        QTest::newRow("ayer") << "06/12/2026"
                              << "00.000" << false;
        QTest::newRow("ninguna") << "Ninguna"
                                 << "00.000" << false;
        QTest::newRow("100 días") << "17/03/2027"
                                  << "00.100" << false;
        QTest::newRow("1000 días") << "02/09/2029"
                                   << "01.000" << false;
        QTest::newRow("muy lejos") << "31/12/9999"
                                   << "2.912.102" << false;
        QTest::newRow("Ninguno no es el centinela") << "Ninguno"
                                                    << "00.000" << false;
        QTest::newRow("fecha imposible") << "31/02/2027"
                                         << "00.000" << false;
        QTest::newRow("fecha corta") << "1/1/27"
                                     << "00.000" << false;
        QTest::newRow("texto tras la fecha") << "07/12/2026XYZ"
                                             << "00.000" << true;
        QTest::newRow("texto tras mañana") << "08/12/2026 (día de fiesta)"
                                           << "00.001" << false;
    }
    void cuenta()
    {
        QFETCH(QString, fecha);
        QFETCH(QString, texto);
        QFETCH(bool, aviso);
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=" + fecha.toLatin1() + "\r\nAviso=2\r\nSonido=a.wav\r\n");
        FrmMain &w = f.Iniciar();
        QCOMPARE(w.Etiqueta()->text(), texto);
        QCOMPARE(f.plataforma.Llamadas("sonido").size(), aviso ? 1 : 0);
        QCOMPARE(w.Menu()->mnuEvento->isEnabled(), Valores::Fecha(fecha).has_value());
    }

    void textoDelMenuDeLaFecha()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=07/12/2026\r\n");
        FrmMain &w = f.Iniciar();
        QCOMPARE(w.Menu()->mnuFecha->text(), QStringLiteral(".: lun :: 07/12/2026 :."));
        QVERIFY(w.Menu()->mnuEvento->isEnabled());
        QVERIFY(!w.Menu()->mnuFecha->isEnabled());
    }

    // A yearly date: the count, the notice and the day it shows, the menu's date, --days and the
    // goodbye sound all follow its next return on or after today.
    void fechaAnual_data()
    {
        QTest::addColumn<QDate>("hoy");
        QTest::addColumn<QString>("datos");
        QTest::addColumn<QDate>("cuenta");
        const QDate hoy(2026, 12, 7);
        const QString si = QStringLiteral("\r\nAnual=Si");
        QTest::newRow("antes del día") << hoy << "24/12/2026" + si << QDate(2026, 12, 24);
        QTest::newRow("pasado este año") << hoy << "01/03/2026" + si << QDate(2027, 3, 1);
        QTest::newRow("año pasado, el día") << hoy << "07/12/2019" + si << hoy;
        QTest::newRow("año futuro") << hoy << "10/01/2030" + si << QDate(2027, 1, 10);
        QTest::newRow("29/2 bisiesto") << QDate(2028, 2, 20) << "29/02/2024" + si << QDate(2028, 2, 29);
        QTest::newRow("29/2 común: el 28") << QDate(2027, 2, 28) << "29/02/2028" + si << QDate(2027, 2, 28);
        QTest::newRow("29/2 común, pasado") << QDate(2027, 3, 1) << "29/02/2024" + si << QDate(2028, 2, 29);
        QTest::newRow("Anual=si no lo es") << hoy << "01/03/2026\r\nAnual=si" << QDate(2026, 3, 1);
    }
    void fechaAnual()
    {
        QFETCH(QDate, hoy);
        QFETCH(QString, datos);
        QFETCH(QDate, cuenta);
        FixturePrincipal f(hoy);
        f.carpeta.EscribirIni("[Datos]\r\nFecha=" + datos.toLatin1() + "\r\nAviso=1\r\n");
        QCOMPARE(Valores::FechaEfectiva(Valores::Fecha(datos), datos.endsWith(u"=Si"), hoy), cuenta);
        FrmMain &w = f.Iniciar();
        const QString texto = TextoCuenta(cuenta, hoy);
        QCOMPARE(w.Etiqueta()->text(), texto);
        QVERIFY(w.Menu()->mnuFecha->text().endsWith(" :: " + Valores::TextoFecha(cuenta) + " :."));
        const bool elDia = cuenta == hoy;
        QCOMPARE(f.plataforma.Llamadas("mensaje").size(), elDia ? 1 : 0);
        if (elDia)
            QCOMPARE(w.VentanaMensaje()->LblMsg(2)->text(), QLocale().toString(cuenta, QLocale::LongFormat));
        std::FILE *salida = std::tmpfile();
        ResponderLinea({Orden::Dias, {}}, f.reloj, f.carpeta.Ruta(), salida, stderr);
        char linea[32] = {};
        std::rewind(salida);
        QCOMPARE(QString::fromLocal8Bit(std::fgets(linea, sizeof linea, salida)), texto + u'\n');
        std::fclose(salida);
        w.close();
        QCOMPARE(f.plataforma.Llamadas("sonido").size(), elDia ? 1 : 0); // end.wav
    }

    void nocheviejaConFechaAnual()
    {
        FixturePrincipal f(QDate(2026, 12, 31));
        f.carpeta.EscribirIni("[Datos]\r\nFecha=01/01/2026\r\nAnual=Si\r\nAviso=1\r\n");
        FrmMain &w = f.Iniciar();
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00.001"));
        f.reloj.Avanzar(1);
        w.TmrGetDay_Timer();
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00.000"));
        QCOMPARE(f.plataforma.llamadas, QStringList{"mensaje"});
        QCOMPARE(w.Menu()->mnuFecha->text(), QStringLiteral(".: vie :: 01/01/2027 :."));
    }

    void medianocheYRelojAtras()
    {
        FixturePrincipal f(QDate(2026, 12, 7));
        f.carpeta.EscribirIni("[Datos]\r\nFecha=08/12/2026\r\nAviso=1\r\n");
        FrmMain &w = f.Iniciar();
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00.001"));
        w.TmrGetDay_Timer(); // same day: nothing
        QVERIFY(f.plataforma.llamadas.isEmpty());

        f.reloj.Avanzar(1);
        w.TmrGetDay_Timer();
        QCOMPARE(w.FechaHoy(), QDate(2026, 12, 8));
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00.000"));
        QCOMPARE(f.plataforma.llamadas, QStringList{"mensaje"});
        w.TmrGetDay_Timer();
        QCOMPARE(f.plataforma.llamadas, QStringList{"mensaje"}); // once per change of day

        f.reloj.Avanzar(-2); // the user sets the clock back
        w.TmrGetDay_Timer();
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00.002"));
    }

    // A day clicked in the options dialog and not saved, late in the evening; midnight passes with
    // the dialog open, then Escape. The count and the menu stay on the saved date throughout, and
    // the day that has just become past is greyed in the dialog.
    void diaSinGuardarYMedianoche()
    {
        FixturePrincipal f(QDate(2026, 12, 7));
        f.carpeta.EscribirIni("[Datos]\r\nFecha=18/12/2026\r\n");
        FrmMain &w = f.Iniciar();
        QStringList visto;
        QTimer::singleShot(0, &w, [&] {
            QWidget *dialogo = QApplication::activeModalWidget();
            dialogo->findChild<QRadioButton *>(QStringLiteral("OptDia19"))->click(); // the 20th
            f.reloj.Avanzar(1);
            w.TmrGetDay_Timer();
            visto << w.Etiqueta()->text();
            for (const char *dia : {"OptDia6", "OptDia7"})
                visto << (dialogo->findChild<QRadioButton *>(QLatin1String(dia))->isEnabled() ? "sí" : "no");
            QTest::keyClick(dialogo, Qt::Key_Escape);
        });
        w.Menu()->mnuOpciones->trigger();
        visto << w.Etiqueta()->text() << w.Menu()->mnuFecha->text();
        QCOMPARE(visto, QStringList({"00.010", "no", "sí", "00.010", ".: vie :: 18/12/2026 :."}));
    }

    void vigilanciaDelDia()
    {
        // The day watch runs by itself, once a second, from the window's creation on.
        FixturePrincipal f(QDate(2026, 12, 7));
        f.carpeta.EscribirIni("[Datos]\r\nFecha=08/12/2026\r\nAviso=1\r\n");
        FrmMain &w = f.Iniciar();
        QVERIFY(w.Temporizador()->isActive());
        QCOMPARE(w.Temporizador()->interval(), 1000);
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00.001"));
        f.reloj.Avanzar(1);
        QTRY_COMPARE_WITH_TIMEOUT(w.Etiqueta()->text(), QStringLiteral("00.000"), 5000);
        QCOMPARE(f.plataforma.llamadas, QStringList{"mensaje"});
    }

    void ordenDelAviso_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("sonido");
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QStringList>("llamadas");
        const QString wav = QStringLiteral("/m/a.wav");
        const QString txt = QStringLiteral("/m/b.txt");
        const QStringList todo = {"sonido /m/a.wav", "abrir /m/b.txt", "mensaje"};
        QTest::newRow("0") << 0 << wav << txt << QStringList{};
        QTest::newRow("1") << 1 << wav << txt << QStringList{"mensaje"};
        QTest::newRow("2") << 2 << wav << txt << QStringList{todo[0]};
        QTest::newRow("3") << 3 << wav << txt << QStringList{todo[1]};
        QTest::newRow("4 sonido y mensaje") << 4 << wav << txt << QStringList{todo[0], todo[2]};
        QTest::newRow("5 archivo y mensaje") << 5 << wav << txt << QStringList{todo[1], todo[2]};
        QTest::newRow("6 sin sonido") << 6 << "Ninguno" << txt << QStringList{todo[1]};
        QTest::newRow("6 sin archivo") << 6 << wav << "Ninguno" << QStringList{todo[0]};
        QTest::newRow("7") << 7 << wav << txt << todo;
        QTest::newRow("7 sin nada que abrir") << 7 << "Ninguno"
                                              << "Ninguno" << QStringList{"mensaje"};
        QTest::newRow("8") << 8 << wav << txt << QStringList{};
        QTest::newRow("-1") << -1 << wav << txt << QStringList{};
    }
    void ordenDelAviso()
    {
        QFETCH(int, codigo);
        QFETCH(QString, sonido);
        QFETCH(QString, archivo);
        QFETCH(QStringList, llamadas);
        FixturePrincipal f;
        f.carpeta.EscribirIni(
            QStringLiteral("[Datos]\r\nFecha=07/12/2026\r\nAviso=%1\r\nSonido=%2\r\nArchivo=%3\r\n")
                .arg(codigo)
                .arg(sonido, archivo)
                .toLatin1());
        f.Iniciar();
        QCOMPARE(f.plataforma.llamadas, llamadas);
    }

    void separadoresDeMiles()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=02/09/2029\r\n");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(f.Iniciar().Etiqueta()->text(), QStringLiteral("01,000"));
        const QLocale frances(QLocale::French, QLocale::France);
        QLocale::setDefault(frances);
        f.ventana->AplicarOpciones();
        QCOMPARE(f.ventana->Etiqueta()->text(),
                 QStringLiteral("01") + frances.groupSeparator() + QStringLiteral("000"));
    }

    void transparencia_data()
    {
        QTest::addColumn<QString>("nivel");
        QTest::addColumn<int>("opacidad");
        // Level 0 would leave nothing to see or click: the main window stops at level 1.
        QTest::newRow("0") << "0" << 26;
        QTest::newRow("1") << "1" << 26;
        QTest::newRow("3") << "3" << 76;
        QTest::newRow("5") << "5" << 128;
        QTest::newRow("10") << "10" << 255;
        // Out of range, or no number: the window stays as it is, opaque at start.
        QTest::newRow("-1") << "-1" << 255;
        QTest::newRow("negativo") << "-5" << 255;
        QTest::newRow("11") << "11" << 255;
        QTest::newRow("enorme") << "99" << 255;
        QTest::newRow("letras") << "abc" << 255;
    }
    void transparencia()
    {
        QFETCH(QString, nivel);
        QFETCH(int, opacidad);
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Opciones]\r\nTransp=" + nivel.toLatin1() + "\r\n");
        FrmMain &w = f.Iniciar();
        QCOMPARE(qRound(w.windowOpacity() * 255), opacidad);
    }

    void transparenciaFueraDeRangoNoCambia()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Opciones]\r\nTransp=3\r\n");
        FrmMain &w = f.Iniciar();
        QCOMPARE(qRound(w.windowOpacity() * 255), 76);
        for (const QByteArray nivel : {"-1", "11", "x"}) {
            f.carpeta.EscribirIni("[Opciones]\r\nTransp=" + nivel + "\r\n");
            w.AplicarOpciones();
            QCOMPARE(qRound(w.windowOpacity() * 255), 76);
        }
        f.carpeta.EscribirIni("[Opciones]\r\nTransp=0\r\n");
        w.AplicarOpciones();
        QCOMPARE(qRound(w.windowOpacity() * 255), 26);
    }

    void aplicarTransparenciaResultados()
    {
        FixturePrincipal f;
        QWidget ventana;
        QCOMPARE(f.gral.AplicarTransparencia(&ventana, 256), 1);
        QCOMPARE(f.gral.AplicarTransparencia(&ventana, -1), 1);
        QCOMPARE(ventana.windowOpacity(), 1.0);
        QCOMPARE(f.gral.AplicarTransparencia(&ventana, 0), 0);
        QCOMPARE(ventana.windowOpacity(), 0.0);
        QCOMPARE(f.gral.AplicarTransparencia(&ventana, 255), 0);
        QCOMPARE(f.gral.AplicarTransparencia(nullptr, 10), 2);
    }

    void fuente()
    {
        for (const QByteArray tam : {"12.5", "12,5"}) {
            FixturePrincipal f;
            f.carpeta.EscribirIni(
                "[Fuente]\r\nNombre=DejaVu Serif\r\nTam=" + tam +
                "\r\nNegrita=False\r\nCursiva=True\r\nSubrayada=True\r\nTachada=true\r\nColor=255\r\n");
            QLabel *etiqueta = f.Iniciar().Etiqueta();
            QCOMPARE(etiqueta->font().family(), QStringLiteral("DejaVu Serif"));
            QCOMPARE(etiqueta->font().pointSizeF(), 12.5);
            QVERIFY(!etiqueta->font().bold());
            QVERIFY(etiqueta->font().italic());
            QVERIFY(etiqueta->font().underline());
            QVERIFY(!etiqueta->font().strikeOut()); // only the exact "True"
            QCOMPARE(etiqueta->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        }
    }

    void fuenteNingunoNoLeeNadaMas()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Fuente]\r\nNombre=Ninguno\r\nTam=60\r\nCursiva=True\r\nColor=255\r\n");
        QLabel *etiqueta = f.Iniciar().Etiqueta();
        QCOMPARE(etiqueta->font().pointSizeF(), 24.0);
        QVERIFY(etiqueta->font().bold());
        QVERIFY(!etiqueta->font().italic());
        QCOMPARE(etiqueta->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void disposicionEnTwips()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Fuente]\r\nNombre=DejaVu Sans\r\nTam=40\r\n");
        FrmMain &grande = f.Iniciar();
        const QLabel *etiqueta = grande.Etiqueta();
        const Disposicion d = grande.DisposicionActual();
        QVERIFY(etiqueta->height() * 15 > 240);
        QCOMPARE(d.alto, etiqueta->height() * 15 + 30.0);
        QCOMPARE(d.ancho, etiqueta->width() * 15 + 300.0);
        QCOMPARE(d.menuIzquierda, etiqueta->width() * 15 + 30.0);
        QCOMPARE(grande.size(), QSize(qRound(d.ancho / 15), qRound(d.alto / 15)));

        FixturePrincipal g;
        g.carpeta.EscribirIni("[Fuente]\r\nNombre=DejaVu Sans\r\nTam=5\r\n");
        FrmMain &pequena = g.Iniciar();
        QVERIFY(pequena.Etiqueta()->height() * 15 < 240);
        QCOMPARE(pequena.DisposicionActual().alto, 340.0);
        QCOMPARE(pequena.DisposicionActual().menuArriba, 50.0);
    }

    void valoresBasura()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Posicion]\r\nIzda=abc\r\nSup=99999999999\r\n"
                              "[Opciones]\r\nFColor=&HZZ\r\nSVisible=no\r\nIdioma=\r\n"
                              "[Datos]\r\nFecha=07/12/2026\r\nAviso=x\r\nIcono=\r\n"
                              "[Fuente]\r\nNombre=Fuente que no existe\r\nTam=x\r\nColor=rojo\r\n");
        FrmMain &w = f.Iniciar();
        QCOMPARE(w.pos(), QPoint(13, 13));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint)); // only "No" means not on top
        QCOMPARE(f.gral.TipoAviso, qint16(0));
        QCOMPARE(w.Etiqueta()->font().pointSizeF(), 24.0);
        QCOMPARE(w.Etiqueta()->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(f.plataforma.llamadas.isEmpty());
    }

    void posicionFueraDePantalla()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Posicion]\r\nIzda=-90000\r\nSup=150000\r\n");
        FrmMain &w = f.Iniciar();
        const QRect pantalla = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(pantalla.contains(QRect(w.pos(), w.size())));
        QCOMPARE(w.pos().x(), pantalla.left());
        QCOMPARE(w.pos().y(), pantalla.bottom() + 1 - w.height());
    }

    void releerTrasGuardarLasOpciones()
    {
        FixturePrincipal f;
        FrmMain &w = f.Iniciar();
        f.carpeta.EscribirIni("[Datos]\r\nFecha=08/12/2026\r\n");
        QEvent activar(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activar);
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00.000")); // Recargar not set: no re-read
        f.gral.Recargar = true;
        QApplication::sendEvent(&w, &activar);
        QCOMPARE(w.Etiqueta()->text(), QStringLiteral("00.001"));
        QVERIFY(!f.gral.Recargar);
    }

    void cuentaLeidaEnPalabras()
    {
        const QList<std::pair<const char *, QString>> casos{
            {"19/12/2026", "12 días"}, {"08/12/2026", "1 día"}, {"Ninguna", "0 días"}};
        for (const auto &[fecha, descripcion] : casos) {
            FixturePrincipal f;
            f.carpeta.EscribirIni(QByteArray("[Datos]\r\nFecha=") + fecha + "\r\n");
            QCOMPARE(f.Iniciar().Etiqueta()->accessibleDescription(), descripcion);
        }
        // A language chosen in the menu gives its words at once.
        FixturePrincipal f;
        f.PonerIdioma(QStringLiteral("English"));
        f.carpeta.EscribirIni("[Datos]\r\nFecha=19/12/2026\r\n");
        FrmMain &w = f.Iniciar();
        w.Menu()->mnuIdioma[2]->trigger();
        QTRY_COMPARE(w.Etiqueta()->accessibleDescription(), QStringLiteral("12 days"));
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frmmain.moc"
