// Every window on a 1280 x 800 screen at the scale factors 1, 1.25, 1.5 and 2 (CTest runs this
// once for each): wholly on the screen's area, and every control of the options dialog in reach.
#include "fixture_opciones.h"
#include "fixture_tradel.h"
#include "frminfo.h"
#include "frmmsg.h"
#include "panelaviso.h"
#include "zonaactiva.h"

#include <QCheckBox>
#include <QScreen>
#include <QTest>

class TestPantalla : public QObject
{
    Q_OBJECT

private slots:
    void ventanasEnLaPantalla()
    {
        const QScreen *pantalla = QGuiApplication::primaryScreen();
        QCOMPARE(qRound(pantalla->geometry().width() * pantalla->devicePixelRatio()), 1280);
        const QRect zona = pantalla->availableGeometry();
        FixtureOpciones f;
        f.principal.setGeometry(13, 13, 144, 40); // the count at its first place
        f.principal.show();
        FrmOpc &opciones = f.Abrir();
        opciones.show();
        FrmInfo info(f.gral, &f.principal);
        info.Mostrar();
        FrmMsg mensaje(f.gral);
        mensaje.Abrir();
        FixtureTradel t;
        FrmMain &tradel = t.Iniciar();
        tradel.show();
        for (QWidget *ventana : std::initializer_list<QWidget *>{&opciones, &info, &mensaje, &tradel}) {
            QVERIFY(QTest::qWaitForWindowExposed(ventana));
            QVERIFY2(zona.contains(ventana->frameGeometry()), qPrintable(ventana->objectName()));
        }
        // The count shows through, outside the about window's outline.
        const auto cubre = [&] {
            return info.mask().translated(info.pos()).intersects(f.principal.geometry());
        };
        QVERIFY(!cubre());
        // Drawn smaller where it must be, never cut: the arrow and the check box stay inside it.
        QVERIFY(info.rect().contains(info.Zona(0)->geometry()) &&
                info.rect().contains(info.Casilla()->geometry()));
        // Under the designed place, the count is covered only when no side of it leaves room.
        info.hide();
        f.principal.move(400, 250);
        info.Mostrar();
        const QRect n = f.principal.geometry().marginsAdded(QMargins(8, 8, 8, 8));
        const bool sitio =
            n.left() - zona.left() >= info.width() || zona.right() - n.right() >= info.width() ||
            n.top() - zona.top() >= info.height() || zona.bottom() - n.bottom() >= info.height();
        QCOMPARE(cubre(), !sitio);
        QVERIFY(zona.contains(info.frameGeometry()));

        // Each control of both panels, given the focus as Tab gives it, is what lies under the mouse.
        opciones.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&opciones));
        for (QWidget *panel : std::initializer_list<QWidget *>{opciones.PicOpciones(), opciones.PicAviso()}) {
            if (panel == opciones.PicAviso())
                opciones.CmdAviso_Click();
            for (QWidget *control : panel->findChildren<QWidget *>()) {
                if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisible())
                    continue;
                control->setFocus(Qt::TabFocusReason);
                const QPoint centro = control->mapTo(&opciones, control->rect().center());
                QVERIFY2(opciones.childAt(centro) == control, qPrintable(control->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestPantalla)
#include "test_pantalla.moc"
