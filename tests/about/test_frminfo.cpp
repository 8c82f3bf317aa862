#include "carpeta_programa.h"
#include "contorno.h"
#include "crearregion.h"
#include "frminfo.h"
#include "imagensvg.h"
#include "modgral.h"
#include "perfil.h"
#include "plataforma_falsa.h"
#include "reloj_fijo.h"
#include "zonaactiva.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

// The about window: its outline, the start-up flag, the highlights and the buttons.
class TestFrmInfo : public QObject
{
    Q_OBJECT

private:
    CarpetaPrograma carpeta_;
    PlataformaFalsa plataforma_;
    RelojFijo reloj_;
    ModGral gral_{plataforma_, reloj_};

    QString Bandera() const
    {
        return LeerPerfil(ArchivoMostrarInfo(gral_.carpetas), "Acerca", "Inicio", "?");
    }

private slots:
    void initTestCase() { gral_.IniciarRutas(carpeta_.Ruta()); }
    void init()
    {
        QFile::remove(ArchivoMostrarInfo(gral_.carpetas));
        plataforma_.llamadas.clear();
    }

    // Where a click lands: on the window inside the outline, on what lies behind it outside.
    void puntosDelContorno_data()
    {
        QTest::addColumn<QPoint>("punto");
        QTest::addColumn<bool>("dentro");
        QTest::newRow("centro del panel") << QPoint(300, 300) << true;
        QTest::newRow("figura sobre el panel") << QPoint(530, 20) << true;
        QTest::newRow("extremo derecho de la figura") << QPoint(636, 64) << true;
        QTest::newRow("sobre el panel, a la izquierda de la figura") << QPoint(300, 85) << false;
        QTest::newRow("justo bajo el borde de arriba") << QPoint(300, 93) << true;
        QTest::newRow("esquina de arriba a la izquierda") << QPoint(1, 91) << false;
        QTest::newRow("dentro de esa esquina") << QPoint(12, 95) << true;
        QTest::newRow("esquina de abajo a la izquierda") << QPoint(1, 479) << false;
        QTest::newRow("borde de abajo") << QPoint(300, 478) << true;
        QTest::newRow("junto al borde derecho") << QPoint(600, 300) << true;
        QTest::newRow("fuera del borde derecho") << QPoint(615, 300) << false;
        QTest::newRow("punta de la flecha") << QPoint(618, 424) << true;
        QTest::newRow("más allá de la punta") << QPoint(630, 424) << false;
        QTest::newRow("esquina de la ventana") << QPoint(0, 0) << false;
    }
    void puntosDelContorno()
    {
        QFETCH(QPoint, punto);
        QFETCH(bool, dentro);
        FrmInfo ventana(gral_, nullptr);
        QCOMPARE(ventana.mask().contains(punto), dentro);
    }

    void contornoDentroDelDiseno()
    {
        QCOMPARE(CoordenadaX(-1), qint16(0));
        QCOMPARE(CoordenadaY(202), qint16(0));
        for (int i = 0; i < kVerticesContorno; ++i) {
            QVERIFY(CoordenadaX(i) >= 0 && CoordenadaX(i) <= 640);
            QVERIFY(CoordenadaY(i) >= 0 && CoordenadaY(i) <= 480);
        }
    }

    void escalasDePantalla()
    {
        QCOMPARE(CalcularContorno(1.0f, 1.0f, 0, 0).point(201), QPoint(530, 2));
        // 12 twips a pixel: 662.5 and 2.5 go to the even neighbours.
        QCOMPARE(CalcularContorno(1.0f, 1.0f, 0, 0, 12.0f, 12.0f).point(201), QPoint(662, 2));
        QCOMPARE(CalcularContorno(1.0f, 1.0f, 10, -5).point(0), QPoint(539, -5));
        QCOMPARE(CalcularContorno(2.0f, 0.5f, 0, 0).point(48), QPoint(1280, 28));
    }

    void mascara()
    {
        FrmInfo ventana(gral_, nullptr);
        QVERIFY(ventana.mask().contains(QPoint(300, 300)));
        QVERIFY(ventana.mask().contains(QPoint(530, 20)));  // the figure above the panel
        QVERIFY(!ventana.mask().contains(QPoint(0, 0)));    // the window's top-left corner
        QVERIFY(!ventana.mask().contains(QPoint(100, 40))); // above the panel, left of the figure
        QCOMPARE(ventana.size(), QSize(640, 480));
        QCOMPARE(ventana.pos(), QPoint(320, 159));
        QCOMPARE(ventana.windowTitle(), QStringLiteral("ShapedForm"));
        QCOMPARE(ventana.Version()->text(), QStringLiteral("3.0"));
    }

    void banderaDeInicio()
    {
        QVERIFY(LeerMostrarInfo(gral_.carpetas)); // absent means yes
        {
            FrmInfo ventana(gral_, nullptr);
            QVERIFY(ventana.Casilla()->isChecked());
            QVERIFY(!QFile::exists(ArchivoMostrarInfo(gral_.carpetas))); // loading writes nothing
            QTest::mouseClick(ventana.Casilla(), Qt::LeftButton, {}, QPoint(6, 8));
            QVERIFY(!ventana.Casilla()->isChecked());
            QCOMPARE(Bandera(), QStringLiteral("No"));
        }
        QVERIFY(!LeerMostrarInfo(gral_.carpetas));
        {
            FrmInfo ventana(gral_, nullptr);
            QVERIFY(!ventana.Casilla()->isChecked());
            QTest::mouseClick(ventana.Casilla(), Qt::LeftButton, {}, QPoint(6, 8));
            QCOMPARE(Bandera(), QStringLiteral("Si"));
        }
        QVERIFY(LeerMostrarInfo(gral_.carpetas));
        QVERIFY(!carpeta_.Existe("Dexo.INI"));
    }

    void soloSiEsSi()
    {
        EscribirPerfil(ArchivoMostrarInfo(gral_.carpetas), "Acerca", "Inicio", "si");
        QVERIFY(!LeerMostrarInfo(gral_.carpetas));
    }

    void teclaEspacioNoEscribe()
    {
        FrmInfo ventana(gral_, nullptr);
        ventana.Mostrar();
        QTest::keyClick(ventana.Casilla(), Qt::Key_Space);
        QVERIFY(!ventana.Casilla()->isChecked());
        QVERIFY(!QFile::exists(ArchivoMostrarInfo(gral_.carpetas)));
    }

    void resaltes()
    {
        FrmInfo ventana(gral_, nullptr);
        ventana.Mostrar();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        for (int i : {0, 2, 3}) {
            QVERIFY(ventana.Resalte(i)->isHidden());
            QTest::mouseMove(ventana.Zona(i), QPoint(5, 5));
            QTRY_VERIFY(ventana.Resalte(i)->isVisible());
            // Onto the highlight picture, outside the hot zone: it stays.
            const QPoint sobreResalte = ventana.Resalte(i)->geometry().bottomLeft() + QPoint(1, -1);
            QVERIFY(!ventana.Zona(i)->geometry().contains(sobreResalte));
            QTest::mouseMove(&ventana, sobreResalte);
            QTest::qWait(20);
            QVERIFY(ventana.Resalte(i)->isVisible());
        }
        QTest::mouseMove(&ventana, QPoint(300, 150)); // the bare panel
        QTRY_VERIFY(ventana.Resalte(0)->isHidden());
        QVERIFY(ventana.Resalte(2)->isHidden());
        QVERIFY(ventana.Resalte(3)->isHidden());
    }

    void botones()
    {
        QWidget principal;
        QPointer<FrmInfo> ventana = new FrmInfo(gral_, &principal);
        ventana->Mostrar();
        ventana->Mostrar(); // a second show only raises it
        QCOMPARE(ventana->Zona(0)->toolTip(), QStringLiteral("Continuar..."));
        QCOMPARE(ventana->Zona(2)->toolTip(), QStringLiteral("Abrir ") + ModGral::HostWeb(0));
        QCOMPARE(ventana->Zona(3)->toolTip(), QStringLiteral("Mostrar ayuda..."));

        QTest::mouseClick(ventana->Zona(2), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(ventana->Zona(3), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(plataforma_.llamadas,
                 (QStringList{"url https://" + ModGral::HostWeb(0),
                              "abrir " + gral_.RutaPrograma + "Ayuda" + QDir::separator() + "Ayuda.htm"}));

        QTest::mouseClick(ventana->Zona(0), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(principal.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ventana);
    }
};

QTEST_MAIN(TestFrmInfo)
#include "test_frminfo.moc"
