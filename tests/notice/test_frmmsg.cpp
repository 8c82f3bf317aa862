#include "carpeta_programa.h"
#include "claves.h"
#include "frmmain.h"
#include "frmmsg.h"
#include "modgral.h"
#include "plataforma_falsa.h"
#include "reloj_fijo.h"
#include "unidades.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

// A notice window over a temporary program folder; deleted at the end unless it unloaded itself.
struct Entorno
{
    Entorno() { gral.IniciarRutas(carpeta.Ruta()); }
    ~Entorno() { delete ventana.data(); }

    void Ajuste(const ClaveAjuste &clave, const QString &valor)
    {
        EscribirAjuste(gral.ArchivoIni, clave, valor);
    }
    FrmMsg &Abrir()
    {
        ventana = new FrmMsg(gral);
        ventana->Abrir();
        return *ventana;
    }
    // As when the standing window is brought to the front again.
    void Activar()
    {
        QEvent activar(QEvent::WindowActivate);
        QCoreApplication::sendEvent(ventana.data(), &activar);
    }
    int Opacidad() const { return qRound(ventana->windowOpacity() * 255); }
    QString Imagen(QSize tamano, QColor color) const
    {
        QImage imagen(tamano, QImage::Format_ARGB32);
        imagen.fill(color);
        imagen.save(carpeta.Archivo(QStringLiteral("propia.png")));
        return carpeta.Archivo(QStringLiteral("propia.png"));
    }

    CarpetaPrograma carpeta;
    PlataformaFalsa plataforma;
    RelojFijo reloj;
    ModGral gral{plataforma, reloj};
    QPointer<FrmMsg> ventana;
};

template <typename T> bool Borrada(const QPointer<T> &objeto)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return objeto.isNull();
}

QtMessageHandler manejadorPrevio = nullptr;

// The offscreen platform warns at every level given to it; the fade would bury the real output.
void FiltrarAvisos(QtMsgType tipo, const QMessageLogContext &contexto, const QString &mensaje)
{
    if (mensaje != u"This plugin does not support setting window opacity")
        manejadorPrevio(tipo, contexto, mensaje);
}

class TestFrmMsg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        manejadorPrevio = qInstallMessageHandler(FiltrarAvisos);
    }

    void ventana()
    {
        Entorno e;
        FrmMsg &w = e.Abrir();
        QCOMPARE(w.size(), QSize(400, 300));
        QVERIFY(!w.windowFlags().testFlag(Qt::Tool)); // keeps its taskbar button
        QVERIFY(qAbs(w.geometry().center().x() - w.screen()->geometry().center().x()) <= 1);
        QVERIFY(qAbs(w.geometry().center().y() - w.screen()->geometry().center().y()) <= 1);
        QCOMPARE(w.ImgIcono(14)->geometry(), QRect(371, 12, 16, 16)); // 5560, 180 twips
        // The lines at their twips places, in their colours.
        const QImage dibujo = w.grab().toImage();
        QCOMPARE(dibujo.pixelColor(200, 104), QColor(Qt::black));
        QCOMPARE(dibujo.pixelColor(375, 140), QColor(Qt::black));
        QCOMPARE(dibujo.pixelColor(150, 184), QColor(0xFF, 0xFF, 0xC0));
        QVERIFY(dibujo.pixelColor(150, 185) != QColor(0xFF, 0xFF, 0xC0));
        QCOMPARE(dibujo.pixelColor(100, 264), QGuiApplication::palette().color(QPalette::WindowText));
    }

    // cierreTras: ticks of the fade-in before the close request; -1 for none.
    void fundido_data()
    {
        QTest::addColumn<int>("cierreTras");
        // clang-format off
        QTest::newRow("entrada completa") << -1;
        QTest::newRow("cierre ya opaco") << 51;
        QTest::newRow("cierre durante la entrada") << 10;
        QTest::newRow("cierre antes del primer paso") << 0;
        // clang-format on
    }
    void fundido()
    {
        QFETCH(int, cierreTras);
        Entorno e;
        FrmMsg &w = e.Abrir();
        QCOMPARE(e.Opacidad(), 0);
        const int entrada = cierreTras < 0 ? 51 : cierreTras;
        for (int paso = 1; paso <= entrada; ++paso) {
            w.TmrTrans_Timer();
            QCOMPARE(e.Opacidad(), 5 * paso);
        }
        QCOMPARE(w.TmrTrans()->isActive(), entrada < 51);
        if (cierreTras < 0)
            return;

        w.PedirCierre();
        QVERIFY(w.Cerrando() && w.TmrTrans()->isActive());
        QCOMPARE(e.Opacidad(), 5 * entrada); // 255 is not applied by the request itself
        for (int paso = 1; paso <= 25; ++paso) {
            QVERIFY(w.isVisible());
            w.TmrTrans_Timer();
            QCOMPARE(e.Opacidad(), 255 - 10 * paso);
        }
        QVERIFY(!w.isVisible());
        QVERIFY(Borrada(e.ventana));
    }

    void abrirYDescargar()
    {
        Entorno e;
        FrmMain principal(e.gral);
        principal.mnuEvento_Click();
        QPointer<FrmMsg> mensaje = principal.VentanaMensaje();
        QVERIFY(mensaje && mensaje->isVisible());
        for (int paso = 0; paso < 3; ++paso)
            mensaje->TmrTrans_Timer();
        principal.mnuEvento_Click(); // visible: nothing happens, the fade goes on
        QCOMPARE(principal.VentanaMensaje(), mensaje.data());
        QCOMPARE(mensaje->NivelTrans(), qint16(15));

        mensaje->Descargar(); // at once, no fade
        QVERIFY(!mensaje->isVisible());
        QVERIFY(!mensaje->TmrTrans()->isActive());
        // Opened again before the pending deletion ran: a fresh fade, and the window survives.
        principal.mnuEvento_Click();
        QCOMPARE(mensaje->NivelTrans(), qint16(0));
        QVERIFY(!Borrada(mensaje));
        QVERIFY(mensaje->isVisible());
    }

    void textos_data()
    {
        QTest::addColumn<QString>("evento"); // null: no key in the file
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("textoEvento");
        QTest::addColumn<QString>("textoFecha");
        const QString navidad = QLocale().toString(QDate(2025, 12, 24), QLocale::LongFormat);
        // clang-format off
        QTest::newRow("evento y fecha") << "Cumpleaños de Ana" << "24/12/2025" << "Cumpleaños de Ana" << navidad;
        QTest::newRow("sin clave Evento") << QString() << "Ninguna" << "Ninguno" << "Ninguna";
        QTest::newRow("fecha imposible") << "<b>x</b>" << "31/02/2025" << "<b>x</b>" << "31/02/2025";
        // clang-format on
    }
    void textos()
    {
        QFETCH(QString, evento);
        QFETCH(QString, fecha);
        QFETCH(QString, textoEvento);
        QFETCH(QString, textoFecha);
        QVERIFY(QLocale().toString(QDate(2025, 12, 24), QLocale::LongFormat).contains(u"diciembre"));
        Entorno e;
        if (!evento.isNull())
            e.Ajuste(Ajustes::Evento, evento);
        e.gral.FechaEvento = fecha;
        FrmMsg &w = e.Abrir();
        for (int i = 0; i < 4; ++i) {
            QLabel *etiqueta = w.LblMsg(i);
            QCOMPARE(etiqueta->text(), i < 2 ? textoEvento : textoFecha);
            // Plain text: as wide as its characters, markup included.
            QVERIFY(qAbs(etiqueta->width() - etiqueta->fontMetrics().horizontalAdvance(etiqueta->text())) <=
                    2);
        }
        // The event centred in twips, in single precision, 1725 twips down; the date at 360, 3360;
        // the shadows 20 twips right and below.
        const float izda = (6000.0f - static_cast<float>(PixelesATwips(w.LblMsg(0)->width()))) / 2.0f;
        QCOMPARE(w.LblMsg(0)->pos(), QPoint(TwipsAPixeles(izda), 115));
        QCOMPARE(w.LblMsg(2)->pos(), QPoint(24, 224));
        QCOMPARE(w.LblMsg(1)->pos(), w.LblMsg(0)->pos() + QPoint(1, 1));
        QCOMPARE(w.LblMsg(3)->pos(), w.LblMsg(2)->pos() + QPoint(1, 1));
    }

    // Events of up to 50 characters are shown whole, on one line or two, in a window no wider
    // than the screen; a longer one widens the window first.
    void eventoQueCabe_data()
    {
        QTest::addColumn<QString>("evento");
        QTest::addColumn<int>("lineas");
        QTest::addColumn<bool>("ensancha");
        QTest::newRow("50 W") << QString(50, u'W') << 2 << false;
        QTest::newRow("frase de 50 en mayúsculas")
            << "CUMPLEAÑOS DE LA ABUELA MAXIMILIANA EN EL PUEBLO!!" << 2 << false;
        QTest::newRow("120 W") << QString(120, u'W') << 2 << true;
    }
    void eventoQueCabe()
    {
        QFETCH(QString, evento);
        QFETCH(int, lineas);
        QFETCH(bool, ensancha);
        Entorno e;
        e.Ajuste(Ajustes::Evento, evento);
        FrmMsg &w = e.Abrir();
        const QString mostrado = w.LblMsg(0)->text();
        QCOMPARE(mostrado.count(u'\n') + 1, lineas);
        // Every character, broken at a blank where there is one.
        QCOMPARE(QString(mostrado).remove(u'\n').remove(u' '), QString(evento).remove(u' '));
        QCOMPARE(w.LblMsg(1)->text(), mostrado);
        // The shadows only decorate: a screen reader reads the event and the date once.
        for (int sombra : {1, 3})
            QVERIFY(QAccessible::queryAccessibleInterface(w.LblMsg(sombra))->state().invisible);
        QCOMPARE(w.width() > 400, ensancha);
        QVERIFY(w.screen()->availableGeometry().contains(w.geometry()));
        // Between the framing lines' ends, centred; the close button in the top right corner.
        const QRect texto = w.LblMsg(0)->geometry();
        QVERIFY(texto.left() >= 23 && texto.right() < w.width() - 23);
        QVERIFY(qAbs(texto.left() - (w.width() - 1 - texto.right())) <= 2);
        QCOMPARE(w.ImgIcono(14)->geometry(), QRect(w.width() - 29, 12, 16, 16));
        if (lineas == 2) // centred between the framing lines, at 104 and 140
            QVERIFY(qAbs(texto.center().y() - 122) <= 1);

        e.Ajuste(Ajustes::Evento, QStringLiteral("Ana")); // back to its size
        e.Activar();
        QCOMPARE(w.width(), 400);
    }

    void eventoEnorme()
    {
        // A hand-edited event of 100 KB: the label and the title show a bounded part of it.
        Entorno e;
        QString enorme;
        for (int i = 0; enorme.size() < 100000; ++i)
            enorme += QStringLiteral("Cumpleaños %1 ").arg(i);
        enorme.chop(1);
        e.Ajuste(Ajustes::Evento, enorme);
        FrmMsg &w = e.Abrir();
        for (int i = 0; i < 2; ++i) {
            // Two lines as wide as the screen, the second cut.
            const QString mostrado = w.LblMsg(i)->text();
            QVERIFY(mostrado.size() < 1000);
            QVERIFY(mostrado.endsWith(QChar(0x2026)));
            QCOMPARE(mostrado.count(u'\n'), 1);
            QVERIFY(enorme.startsWith(QString(mostrado).replace(u'\n', u' ').chopped(1)));
            QVERIFY(w.width() <= w.screen()->availableGeometry().width());
        }
        QCOMPARE(w.windowTitle().size(), 100);
        QVERIFY(w.windowTitle().endsWith(QChar(0x2026)));
        QVERIFY(enorme.startsWith(w.windowTitle().chopped(1)));
        // Centred, within the window.
        QVERIFY(w.LblMsg(0)->x() >= 0 && w.LblMsg(0)->geometry().right() < w.width());
        QCOMPARE(LeerAjuste(e.gral.ArchivoIni, Ajustes::Evento), enorme);

        // A title cut never keeps half a character.
        QString tarta = QString(98, u'a');
        for (int i = 0; i < 10; ++i)
            tarta += QStringView(u"\U0001F382");
        e.Ajuste(Ajustes::Evento, tarta);
        e.Activar();
        QCOMPARE(w.windowTitle(), QString(98, u'a') + QChar(0x2026));
    }

    // In iconoAviso, {propia} is a 70 x 30 PNG, {texto} a text file named .png, {falta} nothing.
    void icono_data()
    {
        QTest::addColumn<QString>("icono"); // null: no key in the file
        QTest::addColumn<QString>("iconoAviso");
        QTest::addColumn<QString>("muestra"); // a resource, "propia", or "" for the empty slot
        const QString cinco = QStringLiteral(":/iconos/aviso05.svg");
        // clang-format off
        QTest::newRow("05 integrado") << "05" << "05" << cinco;
        QTest::newRow("sin clave Icono") << QString() << "0" << ":/iconos/aviso00.svg";
        QTest::newRow("12 sin ruta: el marcador") << "12" << "0" << ":/iconos/aviso12.svg";
        QTest::newRow("12 con su imagen") << "12" << "12{propia}" << "propia";
        QTest::newRow("05 con ruta guardada") << "05" << "05{propia}" << cinco;
        QTest::newRow("el número sale del archivo") << "12" << "05{propia}" << "propia";
        QTest::newRow("imagen que falta") << "12" << "12{falta}" << "";
        QTest::newRow("no es una imagen") << "12" << "12{texto}" << "";
        QTest::newRow("05 con imagen que falta") << "05" << "05{falta}" << cinco;
        QTest::newRow("xx") << "xx" << "0" << "";
        QTest::newRow("13") << "13" << "0" << "";
        // clang-format on
    }
    void icono()
    {
        QFETCH(QString, icono);
        QFETCH(QString, iconoAviso);
        QFETCH(QString, muestra);
        Entorno e;
        e.carpeta.Escribir(QStringLiteral("texto.png"), "esto no es una imagen\n");
        iconoAviso.replace(QStringLiteral("{propia}"), e.Imagen(QSize(70, 30), Qt::red))
            .replace(QStringLiteral("{texto}"), e.carpeta.Archivo(QStringLiteral("texto.png")))
            .replace(QStringLiteral("{falta}"), e.carpeta.Archivo(QStringLiteral("falta.png")));
        if (!icono.isNull())
            e.Ajuste(Ajustes::Icono, icono);
        e.gral.IconoAviso = iconoAviso;
        e.Ajuste(Ajustes::Evento, QStringLiteral("Aviso"));
        FrmMsg &w = e.Abrir();

        ImagenMsg *slot = w.ImgIcono(13);
        QCOMPARE(slot->pos(), QPoint(24, 24)); // 360, 360 twips
        if (muestra == u"propia") {
            QCOMPARE(slot->size(), QSize(70, 30)); // its own size, not 48 x 48
            QCOMPARE(slot->grab().toImage().pixelColor(35, 15), QColor(Qt::red));
        } else {
            QCOMPARE(slot->size(), QSize(48, 48));
            QCOMPARE(slot->Actual().svg, muestra);
            QCOMPARE(slot->Actual().Vacio(), muestra.isEmpty());
        }
        QCOMPARE(w.LblMsg(0)->text(), QStringLiteral("Aviso")); // nothing else changes
    }

    void componerEnCadaActivacion()
    {
        Entorno e;
        const QString propia = e.Imagen(QSize(20, 64), Qt::blue);
        e.Ajuste(Ajustes::Evento, QStringLiteral("Primero"));
        e.Ajuste(Ajustes::Icono, QStringLiteral("05"));
        e.gral.IconoAviso = QStringLiteral("05") + propia; // loads slot 12, shows icon 5
        FrmMsg &w = e.Abrir();
        QCOMPARE(w.ImgIcono(13)->Actual().svg, QStringLiteral(":/iconos/aviso05.svg"));

        // Edited by hand while the window stands; IconoAviso now too short to name a picture.
        e.Ajuste(Ajustes::Evento, QStringLiteral("Segundo"));
        e.Ajuste(Ajustes::Icono, QStringLiteral("12"));
        e.gral.IconoAviso = QStringLiteral("12");
        e.gral.FechaEvento = QStringLiteral("01/03/2027");
        e.Activar();
        QCOMPARE(w.LblMsg(1)->text(), QStringLiteral("Segundo"));
        QCOMPARE(w.LblMsg(3)->text(), QLocale().toString(QDate(2027, 3, 1), QLocale::LongFormat));
        QCOMPARE(w.ImgIcono(13)->size(), QSize(20, 64)); // slot 12 kept the first picture

        // A picture that vanished empties the slot.
        QFile::remove(propia);
        e.gral.IconoAviso = QStringLiteral("12") + propia;
        e.Activar();
        QVERIFY(w.ImgIcono(13)->Actual().Vacio());
    }

    void raton_data()
    {
        QTest::addColumn<QString>("donde"); // object name, or "" for the background
        QTest::addColumn<bool>("doble");
        QTest::addColumn<int>("boton");
        QTest::addColumn<bool>("cierra");
        // clang-format off
        QTest::newRow("doble clic en el fondo") << "" << true << int(Qt::LeftButton) << true;
        QTest::newRow("clic en el fondo") << "" << false << int(Qt::LeftButton) << false;
        QTest::newRow("clic en cerrar") << "ImgIcono14" << false << int(Qt::LeftButton) << true;
        QTest::newRow("clic derecho en cerrar") << "ImgIcono14" << false << int(Qt::RightButton) << false;
        QTest::newRow("clic en el icono") << "ImgIcono13" << false << int(Qt::LeftButton) << false;
        QTest::newRow("doble clic en el evento") << "LblMsg0" << true << int(Qt::LeftButton) << false;
        // clang-format on
    }
    void raton()
    {
        QFETCH(QString, donde);
        QFETCH(bool, doble);
        QFETCH(int, boton);
        QFETCH(bool, cierra);
        Entorno e;
        FrmMsg &w = e.Abrir();
        QWidget *destino = donde.isEmpty() ? &w : w.findChild<QWidget *>(donde);
        const QPoint punto = donde.isEmpty() ? QPoint(200, 60) : destino->rect().center();
        if (doble)
            QTest::mouseDClick(destino, Qt::MouseButton(boton), {}, punto);
        else
            QTest::mouseClick(destino, Qt::MouseButton(boton), {}, punto);
        QCOMPARE(w.Cerrando(), cierra);
    }

    void mover()
    {
        Entorno e;
        FrmMsg &w = e.Abrir();
        const QPoint inicio = w.pos();
        auto enviar = [](QWidget *a, QEvent::Type tipo, QPoint local, QPoint desplazado) {
            QMouseEvent evento(tipo, local, a->mapToGlobal(local) + desplazado, Qt::RightButton,
                               tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::RightButton, {});
            QApplication::sendEvent(a, &evento);
        };
        // Pressed on a label: the window stays.
        enviar(w.LblMsg(2), QEvent::MouseButtonPress, QPoint(2, 2), {});
        enviar(&w, QEvent::MouseMove, QPoint(80, 260), QPoint(30, 20));
        QCOMPARE(w.pos(), inicio);
        enviar(&w, QEvent::MouseButtonRelease, QPoint(80, 260), {});
        // Pressed on the background, with any button: it follows the mouse.
        enviar(&w, QEvent::MouseButtonPress, QPoint(200, 60), {});
        enviar(&w, QEvent::MouseMove, QPoint(200, 60), QPoint(30, 20));
        QTRY_COMPARE(w.pos(), inicio + QPoint(30, 20));
    }
};

QTEST_MAIN(TestFrmMsg)
#include "test_frmmsg.moc"
