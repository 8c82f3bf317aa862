#include "enpantalla.h"
#include "fixture_principal.h"
#include "frminfo.h"
#include "frmmsg.h"
#include "menuprincipal.h"
#include "perfil.h"

#include <QScreen>
#include <QTest>

// Dexo on a scaled screen; CTest runs this at the scale factors 1.25, 1.5 and 2 (QT_SCALE_FACTOR)
// on the offscreen platform's small screen.
class TestEscala : public QObject
{
    Q_OBJECT

private slots:
    void posicionEnPantalla_data()
    {
        QTest::addColumn<QRect>("ventana");
        QTest::addColumn<QPoint>("lugar");
        QTest::newRow("dentro") << QRect(150, 20, 100, 50) << QPoint(150, 20);
        QTest::newRow("sale por la derecha y abajo") << QRect(450, 280, 100, 50) << QPoint(400, 250);
        QTest::newRow("sale por la izquierda y arriba") << QRect(80, -10, 100, 50) << QPoint(100, 0);
        QTest::newRow("mayor que la pantalla") << QRect(300, 100, 640, 480) << QPoint(100, 0);
        QTest::newRow("mayor, con el pie dentro") << QRect(300, 100, 640, 480) << QPoint(-140, -180);
    }
    void posicionEnPantalla()
    {
        QFETCH(QRect, ventana);
        QFETCH(QPoint, lugar);
        const bool pie = QByteArray(QTest::currentDataTag()).contains("pie");
        const Qt::Alignment sobrante = pie ? Qt::AlignRight | Qt::AlignBottom : Qt::AlignLeft | Qt::AlignTop;
        QCOMPARE(PosicionEnPantalla(ventana, QRect(100, 0, 400, 300), sobrante), lugar); // a second screen
    }

    void twipsAlMismoLugarLogico()
    {
        // 1815, 2730 twips are 121, 182 logical pixels at every scale, and come back unchanged:
        // start after start, the window must not creep.
        const qreal escala = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), escala);
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Posicion]\r\nIzda=1815\r\nSup=2730\r\n[Opciones]\r\nSVisible=No\r\n");
        FrmMain &w = f.Iniciar();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.pos(), QPoint(121, 182));
        w.Menu()->mnuCerrar->trigger();
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Posicion", "Izda", "?"), QStringLiteral("1815"));
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Posicion", "Sup", "?"), QStringLiteral("2730"));
    }

    void ventanasSobreLaPantalla()
    {
        // The notice of the chosen day and the about window, each larger next to a scaled screen.
        FixturePrincipal f;
        f.carpeta.EscribirIni("[Opciones]\r\nSVisible=No\r\n[Datos]\r\nFecha=07/12/2026\r\nAviso=1\r\n");
        FrmMain &w = f.Iniciar();
        w.show();
        w.mnuInfo_Click();
        const QRect zona = QGuiApplication::primaryScreen()->availableGeometry();
        for (QWidget *ventana :
             {static_cast<QWidget *>(w.VentanaMensaje()), static_cast<QWidget *>(w.VentanaInfo())}) {
            QVERIFY(ventana && ventana->isVisible());
            const QRect marco = ventana->frameGeometry();
            // Along each side: wholly on the screen where it fits, from the screen's edge where not.
            const QString nombre = ventana->objectName();
            if (marco.width() <= zona.width())
                QVERIFY2(marco.left() >= zona.left() && marco.right() <= zona.right(), qPrintable(nombre));
            else
                QCOMPARE(marco.left(), zona.left());
            if (marco.height() <= zona.height())
                QVERIFY2(marco.top() >= zona.top() && marco.bottom() <= zona.bottom(), qPrintable(nombre));
            else // the about window keeps its arrow and check box, at its foot, on the screen
                QCOMPARE(marco.bottom(), zona.bottom());
        }
        // Escape leaves the about window as its arrow does, wherever the arrow lies.
        QTest::keyClick(w.VentanaInfo(), Qt::Key_Escape);
        QTRY_VERIFY(!w.VentanaInfo());
    }
};

QTEST_MAIN(TestEscala)
#include "test_escala.moc"
