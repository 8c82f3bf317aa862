#include "fixture_principal.h"
#include "frmmsg.h"
#include "imagensvg.h"
#include "menuprincipal.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

// One line per item: "-" for a separator, otherwise the caption, then [x] or [ ] for a checkable
// item and "(off)" for a disabled one; a submenu's items follow it indented. Hidden items are left out.
QStringList Estructura(const QMenu *menu, const QString &sangria = QString())
{
    QStringList lineas;
    for (const QAction *accion : menu->actions()) {
        if (!accion->isVisible())
            continue;
        if (accion->isSeparator()) {
            lineas << sangria + QStringLiteral("-");
            continue;
        }
        QString linea = sangria + accion->text();
        if (accion->isCheckable())
            linea += accion->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
        if (!accion->isEnabled())
            linea += QStringLiteral(" (off)");
        lineas << linea;
        if (accion->menu())
            lineas << Estructura(accion->menu(), sangria + QStringLiteral("  "));
    }
    return lineas;
}

// Counts the events of one type that reach a widget.
class ContadorDeEventos : public QObject
{
public:
    ContadorDeEventos(QObject *objeto, QEvent::Type tipo, int &cuenta) : tipo_(tipo), cuenta_(cuenta)
    {
        objeto->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() == tipo_)
            ++cuenta_;
        return false;
    }

private:
    QEvent::Type tipo_;
    int &cuenta_;
};

} // namespace

// The popup menu and the window services: on top, start with the system, help, web, closing.
class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void estructura()
    {
        FixturePrincipal f;
        FrmMain &w = f.Iniciar();
        const QStringList sinFecha = {
            "Configurar opciones...",
            "Nueva cuenta atrás...",
            "-",
            "Siempre Visible [ ]",
            "Abrir al inicio de güindous [ ]",
            "Idioma",
            "  Español [x]",
            "  English [ ]",
            "  Italiano [ ]",
            "  Français [ ]",
            "  Português [ ]",
            "  -",
            "  Abrir idioma...",
            "  Editar idioma...",
            "  -",
            "  .: Español :. (off)",
            "-",
            "Mostrar evento... (off)",
            ".: --- --- --- :. (off)",
            "-",
            ModGral::HostWeb(0),
            ModGral::HostWeb(1),
            "-",
            "Mostrar ayuda...",
            "Acerca de...",
            "Cerrar el programa...", // Español.dxl adds the "..." the design lacks
        };
        QCOMPARE(Estructura(w.Menu()), sinFecha);

        f.carpeta.EscribirIni("[Opciones]\r\nSVisible=Si\r\nInicio=Si\r\n[Datos]\r\nFecha=25/12/2026\r\n");
        w.AplicarOpciones();
        QStringList conFecha = sinFecha;
        conFecha[3] = "Siempre Visible [x]";
        conFecha[4] = "Abrir al inicio de güindous [x]";
        conFecha[17] = "Mostrar evento...";
        conFecha[18] = ".: vie :: 25/12/2026 :. (off)";
        QCOMPARE(Estructura(w.Menu()), conFecha);
        QCOMPARE(w.ImagenMenu()->toolTip(), QStringLiteral("Mostrar opciones..."));
    }

    void siempreVisible()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Opciones]\r\nSVisible=Si\r\n");
        FrmMain &w = f.Iniciar();
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(f.carpeta.LeerIni(), QByteArray("[Opciones]\r\nSVisible=Si\r\n"));

        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // The flag changes on the native window that exists: it is not destroyed and made anew,
        // so the window does not flicker.
        QPointer<QWindow> nativa = w.windowHandle();
        int ocultada = 0;
        ContadorDeEventos contador(&w, QEvent::Hide, ocultada);
        w.Menu()->mnuVisible->trigger();
        QVERIFY(!w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w.isVisible());
        QVERIFY(nativa);
        QCOMPARE(w.windowHandle(), nativa.data());
        QVERIFY(!nativa->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(ocultada, 0);
        QCOMPARE(f.carpeta.LeerIni(), QByteArray("[Opciones]\r\nSVisible=No\r\n"));
        w.Menu()->mnuVisible->trigger();
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(nativa->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(ocultada, 0);
        w.Menu()->mnuVisible->trigger();
        QVERIFY(!w.Menu()->mnuVisible->isChecked());
        QCOMPARE(f.carpeta.LeerIni(), QByteArray("[Opciones]\r\nSVisible=No\r\n"));
    }

    void inicioConElSistema()
    {
        FixturePrincipal f;
        FrmMain &w = f.Iniciar();
        w.Menu()->mnuInicio->trigger();
        QVERIFY(w.Menu()->mnuInicio->isChecked());
        QCOMPARE(f.plataforma.Llamadas("grabar-inicio"),
                 QStringList{"grabar-inicio Dexo " + f.gral.RutaPrograma + "Dexo"});
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Opciones", "Inicio", "?"), QStringLiteral("Si"));

        w.Menu()->mnuInicio->trigger();
        QVERIFY(!w.Menu()->mnuInicio->isChecked());
        QCOMPARE(f.plataforma.Llamadas("borrar-inicio"), QStringList{"borrar-inicio Dexo"});
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Opciones", "Inicio", "?"), QStringLiteral("No"));
        QVERIFY(f.plataforma.Llamadas("aviso").isEmpty());
    }

    void inicioRechazadoAvisaUnaVez()
    {
        FixturePrincipal f;
        f.plataforma.inicioPermitido = false;
        FrmMain &w = f.Iniciar();
        for (int vez = 0; vez < 2; ++vez) {
            w.Menu()->mnuInicio->setChecked(false);
            w.Menu()->mnuInicio->trigger();
            QVERIFY(w.Menu()->mnuInicio->isChecked());
            QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Opciones", "Inicio", "?"), QStringLiteral("Si"));
        }
        QCOMPARE(f.plataforma.Llamadas("aviso").size(), 1);
        QVERIFY(f.plataforma.Llamadas("aviso").front().contains("sin permiso"));
    }

    void cierre_data()
    {
        QTest::addColumn<QByteArray>("fecha");
        QTest::addColumn<bool>("suena");
        QTest::newRow("el día elegido") << QByteArray("07/12/2026") << true;
        QTest::newRow("otro día") << QByteArray("08/12/2026") << false;
        QTest::newRow("sin fecha") << QByteArray("Ninguna") << false;
    }
    void cierre()
    {
        QFETCH(QByteArray, fecha);
        QFETCH(bool, suena);
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=" + fecha + "\r\n");
        FrmMain &w = f.Iniciar();
        QSignalSpy terminado(&w, &FrmMain::programaTerminado);
        QTest::mousePress(&w, Qt::LeftButton); // the user drags it
        w.move(200, 100);
        f.plataforma.llamadas.clear();
        w.Menu()->mnuCerrar->trigger();
        QCOMPARE(terminado.size(), 1);
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Posicion", "Izda", "?"), QStringLiteral("3000"));
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Posicion", "Sup", "?"), QStringLiteral("1500"));
        const QStringList esperadas =
            suena ? QStringList{"sonido " + f.gral.RutaPrograma + "end.wav"} : QStringList{};
        QCOMPARE(f.plataforma.llamadas, esperadas);
        w.close(); // a second close runs nothing again
        QCOMPARE(terminado.size(), 1);
    }

    // What the close writes, by how far the windowing system tells the window's place: the user
    // drags the number 40, 30 pixels (or only clicks it), then the window manager may move it.
    void cierreSegunLoQueSeSabeDelLugar_data()
    {
        using Lugar = Plataforma::LugarVentanas;
        QTest::addColumn<Lugar>("lugar");
        QTest::addColumn<QString>("gesto"); // "arrastre", "clic" or ""
        QTest::addColumn<bool>("gestor");   // the window manager then puts it at 200, 100
        QTest::addColumn<QByteArray>("guardada");
        QTest::addColumn<QString>("esperado"); // "Izda,Sup"; empty: the file stays as it was
        const QByteArray guardada("[Posicion]\r\nIzda=4500\r\nSup=2250\r\n");
        QTest::newRow("X11 arrastrada") << Lugar::Conocido << "arrastre" << false << guardada << "5100,2700";
        QTest::newRow("X11 movida por el gestor") << Lugar::Conocido << "" << true << guardada << "3000,1500";
        QTest::newRow("Xwayland arrastrada")
            << Lugar::SoloArrastre << "arrastre" << false << guardada << "5100,2700";
        QTest::newRow("Xwayland colocada por el gestor")
            << Lugar::SoloArrastre << "" << true << guardada << "";
        QTest::newRow("Xwayland, un clic y el gestor")
            << Lugar::SoloArrastre << "clic" << true << guardada << "";
        QTest::newRow("Wayland arrastrada") << Lugar::Desconocido << "arrastre" << false << guardada << "";
        QTest::newRow("Wayland sin guardar")
            << Lugar::Desconocido << "arrastre" << false << QByteArray() << "";
    }
    void cierreSegunLoQueSeSabeDelLugar()
    {
        QFETCH(Plataforma::LugarVentanas, lugar);
        QFETCH(QString, gesto);
        QFETCH(bool, gestor);
        QFETCH(QByteArray, guardada);
        QFETCH(QString, esperado);
        FixturePrincipal f;
        f.plataforma.lugarVentanas = lugar;
        f.carpeta.EscribirIni(guardada + "[Opciones]\r\nSVisible=No\r\n");
        FrmMain &w = f.Iniciar();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (!gesto.isEmpty()) {
            const QPoint hasta = QPoint(5, 5) + (gesto == u"arrastre" ? QPoint(40, 30) : QPoint());
            QTest::mousePress(w.Etiqueta(), Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseMove(w.Etiqueta(), hasta);
            QTest::mouseRelease(w.Etiqueta(), Qt::LeftButton, {}, hasta);
        }
        if (gestor)
            w.move(200, 100);
        const QByteArray antes = f.carpeta.LeerIni();
        w.Menu()->mnuCerrar->trigger();
        if (esperado.isEmpty()) {
            QCOMPARE(f.carpeta.LeerIni(), antes);
            return;
        }
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Posicion", "Izda", "?") + u',' +
                     LeerPerfil(f.carpeta.Ini(), "Posicion", "Sup", "?"),
                 esperado);
    }

    void cierreEsperaLaDespedida()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=07/12/2026\r\nAviso=1\r\n");
        FrmMain &w = f.Iniciar();
        w.show();
        QPointer<FrmMsg> mensaje = w.VentanaMensaje();
        QVERIFY(mensaje && mensaje->isVisible());
        QSignalSpy terminado(&w, &FrmMain::programaTerminado);
        f.plataforma.sonando = true;
        w.Menu()->mnuCerrar->trigger();
        // Saved and gone from the screen at once; the goodbye is still heard.
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Posicion", "Izda", "?"), QString::number(w.x() * 15));
        QVERIFY(!w.isVisible());
        QVERIFY(!mensaje || !mensaje->isVisible());
        QCOMPARE(f.plataforma.Llamadas("sonido"), QStringList{"sonido " + f.gral.RutaPrograma + "end.wav"});
        QCOMPARE(terminado.size(), 0);
        QVERIFY(w.TemporizadorDespedida()->isActive());
        f.plataforma.sonando = false;
        QTRY_COMPARE(terminado.size(), 1);
        QVERIFY(!w.TemporizadorDespedida()->isActive());
    }

    void despedidaQueNoAcaba()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=07/12/2026\r\n");
        FrmMain &w = f.Iniciar();
        QSignalSpy terminado(&w, &FrmMain::programaTerminado);
        f.plataforma.sonando = true; // a device that never drains
        w.Menu()->mnuCerrar->trigger();
        QCOMPARE(terminado.size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(terminado.size(), 1, 10000); // 3 seconds at most
    }

    void senalSinEsperar()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=07/12/2026\r\n");
        FrmMain &w = f.Iniciar();
        QSignalSpy terminado(&w, &FrmMain::programaTerminado);
        f.plataforma.sonando = true;
        // A signal or the end of the session: the close sequence, with no wait.
        w.Terminar();
        QCOMPARE(terminado.size(), 1);
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Posicion", "Sup", "?"), QString::number(w.y() * 15));

        // A signal during the wait of a close from the menu ends it at once.
        FixturePrincipal g;
        g.carpeta.EscribirIni("[Datos]\r\nFecha=07/12/2026\r\n");
        FrmMain &v = g.Iniciar();
        QSignalSpy terminadoV(&v, &FrmMain::programaTerminado);
        g.plataforma.sonando = true;
        v.Menu()->mnuCerrar->trigger();
        QCOMPARE(terminadoV.size(), 0);
        v.Terminar();
        QCOMPARE(terminadoV.size(), 1);
        v.Terminar();
        QCOMPARE(terminadoV.size(), 1);
    }

    void cierreEnCarpetaDeSoloLecturaNoPregunta()
    {
        FixturePrincipal f;
        FrmMain &w = f.Iniciar();
        f.gral.IniciarRutas(f.carpeta.Archivo("no-existe"));
        w.close();
        QVERIFY(f.plataforma.Llamadas("aviso").isEmpty());
    }

    void escrituraFallidaAvisaUnaVez()
    {
        FixturePrincipal f;
        f.gral.IniciarRutas(f.carpeta.Archivo("no-existe"));
        FrmMain &w = f.Iniciar();
        w.Menu()->mnuVisible->trigger();
        w.Menu()->mnuVisible->trigger();
        const QStringList avisos = f.plataforma.Llamadas("aviso");
        QCOMPARE(avisos.size(), 1);
        QVERIFY(avisos.front().contains(QDir::toNativeSeparators(f.gral.ArchivoIni)));
    }

    void ayudaYWeb()
    {
        FixturePrincipal f;
        FrmMain &w = f.Iniciar();
        w.Menu()->mnuAyuda->trigger();
        f.carpeta.Escribir("Ayuda.chm", "x");
        w.Menu()->mnuAyuda->trigger();
        w.Menu()->mnuweb[0]->trigger();
        w.Menu()->mnuweb[1]->trigger();
        const QStringList esperadas = {
            "abrir " + f.gral.RutaPrograma + "Ayuda" + QDir::separator() + "Ayuda.htm",
            "abrir " + f.gral.RutaPrograma + "Ayuda.chm",
            "url https://" + ModGral::HostWeb(0),
            "url https://" + ModGral::HostWeb(1),
        };
        QCOMPARE(f.plataforma.llamadas, esperadas);
    }

    void eventoYOpciones()
    {
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=08/12/2026\r\n");
        FrmMain &w = f.Iniciar();
        w.Menu()->mnuEvento->trigger();
        QPointer<FrmMsg> mensaje = w.VentanaMensaje();
        QVERIFY(mensaje && mensaje->isVisible());
        w.Menu()->mnuEvento->trigger(); // already visible: nothing happens
        QCOMPARE(f.plataforma.Llamadas("mensaje").size(), 1);
        QCOMPARE(w.VentanaMensaje(), mensaje.data());

        // The options dialog runs modal: close it as soon as its loop runs.
        QTimer::singleShot(0, &w, [] {
            if (QWidget *dialogo = QApplication::activeModalWidget())
                dialogo->close();
        });
        w.Menu()->mnuOpciones->trigger(); // closes the message at once
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!mensaje);
    }

    void arrastrarMueveLaVentana()
    {
        FixturePrincipal f;
        FrmMain &w = f.Iniciar();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint inicio = w.pos();
        // Pressed on the number, with the left button: the window follows the mouse.
        QTest::mousePress(w.Etiqueta(), Qt::LeftButton, {}, QPoint(5, 5));
        const QPointF destino = w.Etiqueta()->mapToGlobal(QPointF(45, 35));
        QMouseEvent mover(QEvent::MouseMove, QPointF(5, 5), destino, Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&w, &mover);
        QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(45, 35));
        QCOMPARE(w.pos(), inicio + QPoint(40, 30));
        // Nothing is written until the window closes.
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Posicion", "Izda", "?"), QStringLiteral("?"));
    }

    // Pressed and moved on the widget under the pointer, as the system delivers a real drag: the
    // moves go to the widget that took the press, which on the number also takes the focus.
    void arrastrarDesdeElWidgetPulsado_data()
    {
        QTest::addColumn<bool>("numero");
        QTest::newRow("el número") << true;
        QTest::newRow("el fondo") << false;
    }
    void arrastrarDesdeElWidgetPulsado()
    {
        QFETCH(bool, numero);
        FixturePrincipal f;
        FrmMain &w = f.Iniciar();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget *pulsado = numero ? static_cast<QWidget *>(w.Etiqueta()) : &w;
        const QPoint desde = numero ? QPoint(5, 5) : QPoint(5, 0);
        const QPoint inicio = w.pos();
        QTest::mousePress(pulsado, Qt::LeftButton, {}, desde);
        QTest::mouseMove(pulsado, desde + QPoint(40, 30));
        QTest::mouseRelease(pulsado, Qt::LeftButton, {}, desde + QPoint(40, 30));
        QCOMPARE(w.pos(), inicio + QPoint(40, 30));
    }

    // How the user asks for the menu on the count; where it opens (null: it does not open from the
    // window, the picture opens it on its own press).
    void menuDesdeLaCuenta_data()
    {
        QTest::addColumn<QString>("gesto");
        QTest::addColumn<bool>("abre");
        QTest::newRow("botón derecho en el número") << "derecho" << true;
        QTest::newRow("tecla de menú") << "menu" << true;
        QTest::newRow("Mayús+F10") << "f10" << true;
        QTest::newRow("botón derecho en la imagen") << "imagen" << false;
    }
    void menuDesdeLaCuenta()
    {
        QFETCH(QString, gesto);
        QFETCH(bool, abre);
        FixturePrincipal f;
        FrmMain &w = f.Iniciar();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        int abierto = 0;
        ContadorDeEventos contador(w.Menu(), QEvent::Show, abierto);
        QPoint donde;
        QTimer::singleShot(0, &w, [&] {
            if (QWidget *menu = QApplication::activePopupWidget()) {
                donde = menu->pos();
                menu->close();
            }
        });
        if (gesto == u"derecho" || gesto == u"imagen") {
            QWidget *sobre = gesto == u"derecho" ? static_cast<QWidget *>(w.Etiqueta()) : w.ImagenMenu();
            const QPoint local = gesto == u"derecho" ? QPoint(10, 12) : QPoint(4, 4);
            QContextMenuEvent menu(QContextMenuEvent::Mouse, local, sobre->mapToGlobal(local));
            QApplication::sendEvent(sobre, &menu);
        } else {
            const auto tecla = gesto == u"menu" ? Qt::Key_Menu : Qt::Key_F10;
            QTest::keyClick(w.Etiqueta(), tecla, gesto == u"f10" ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QCoreApplication::processEvents();
        QCOMPARE(abierto, abre ? 1 : 0);
        // At the pointer for the mouse; below the number for the keyboard.
        if (abre)
            QCOMPARE(donde, w.Etiqueta()->mapToGlobal(
                                gesto == u"derecho" ? QPoint(10, 12) : QPoint(0, w.Etiqueta()->height())));
        // The right button no longer drags: the window stays where it is.
        const QPoint antes = w.pos();
        QTest::mousePress(w.Etiqueta(), Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseMove(&w, QPoint(45, 35));
        QTest::mouseRelease(w.Etiqueta(), Qt::RightButton, {}, QPoint(45, 35));
        QCOMPARE(w.pos(), antes);
    }
};

QTEST_MAIN(TestMenu)
#include "test_menu.moc"
