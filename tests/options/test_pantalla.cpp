// Every window on a 1280 x 800 screen at the scale factors 1, 1.25, 1.5 and 2 (CTest runs this
// once for each): wholly on the screen's area; Tab walks the options dialog in reading order and
// brings each control into sight.
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
        FrmInfo info(f.gral, &f.principal);
        info.Mostrar();
        FrmMsg mensaje(f.gral);
        mensaje.Abrir();
        FrmOpc &opciones = f.Abrir();
        opciones.show();
        FixtureTradel tradel;
        tradel.Iniciar().show();
        for (QWidget *ventana :
             std::initializer_list<QWidget *>{&opciones, &info, &mensaje, tradel.ventana.get()}) {
            QVERIFY(QTest::qWaitForWindowExposed(ventana));
            QVERIFY2(zona.contains(ventana->frameGeometry()), qPrintable(ventana->objectName()));
        }
        // The about window is drawn smaller, never cut, and the count shows through outside it.
        QVERIFY(info.rect().contains(info.Zona(0)->geometry()) &&
                info.rect().contains(info.Casilla()->geometry()));
        const auto cubre = [&] {
            return info.mask().translated(info.pos()).intersects(f.principal.geometry());
        };
        QVERIFY(!cubre());
        // Over the designed place, the count is covered only when no side of it has room.
        info.hide();
        f.principal.move(400, 250);
        info.Mostrar();
        const QRect n = f.principal.geometry().marginsAdded(QMargins(8, 8, 8, 8));
        const QSize t = info.size();
        QCOMPARE(cubre(), n.left() - zona.left() < t.width() && zona.right() - n.right() < t.width() &&
                              n.top() - zona.top() < t.height() && zona.bottom() - n.bottom() < t.height());
    }

    // Tab in reading order, each control once: the date column, the look column, then the buttons;
    // the day grid is one stop, at the chosen day (the arrows move inside it).
    void ordenDeTab_data()
    {
        QTest::addColumn<bool>("aviso");
        QTest::addColumn<QString>("orden");
        QTest::newRow("panel principal")
            << false
            << "CmbAnno CmbMes OptDia19 ChkAnual CmdAviso ImgIdioma0 ImgIdioma1 ImgIdioma2 ImgIdioma3 "
               "ImgIdioma4 "
               "ImgIdioma5 PicTr1 PicTr2 PicTr3 PicTr4 PicTr5 PicTr6 PicTr7 PicTr8 PicTr9 PicTr10 "
               "CmdFColor CmdFuente ImgSvisible ImgInicio CmdGuardar CmdCancelar CmbAnno";
        QTest::newRow("panel de aviso")
            << true
            << "ImgAviso0 ImgIcono10 ImgIcono11 ImgIcono12 ImgSelec0 ImgIcono0 ImgIcono1 ImgIcono2 ImgIcono3 "
               "ImgIcono4 ImgIcono5 ImgIcono6 ImgIcono7 ImgIcono8 ImgIcono9 TxtEvento ImgAviso1 ImgSelec1 "
               "ImgAviso2 ImgSelec2 CmdAvisoOk ImgAviso0";
    }
    void ordenDeTab()
    {
        QFETCH(bool, aviso);
        QFETCH(QString, orden);
        FixtureOpciones f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=20/05/2027\r\n");
        FrmOpc &d = f.Abrir();
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        if (aviso) { // opened from the foot of the main panel, scrolled down by Tab
            d.findChild<QWidget *>("CmdGuardar")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            d.CmdAviso_Click();
        }
        const QStringList esperado = orden.split(u' ');
        d.findChild<QWidget *>(esperado.front())->setFocus();
        QStringList recorrido;
        while (recorrido.size() < esperado.size()) {
            QWidget *foco = QApplication::focusWidget();
            recorrido << foco->objectName();
            // The control with the focus has scrolled into sight: it is what lies under the mouse.
            QCOMPARE(d.childAt(foco->mapTo(&d, foco->rect().center())), foco);
            QTest::keyClick(foco, Qt::Key_Tab);
        }
        QCOMPARE(recorrido, esperado);
    }
};

QTEST_MAIN(TestPantalla)
#include "test_pantalla.moc"
