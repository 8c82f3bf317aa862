#include "fixture_opciones.h"
#include "panelaviso.h"
#include "selectorfecha.h"
#include "unidades.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

// The date frame and the event text: what the user can pick, what is refused, what lands on disk.
class TestOpcFecha : public QObject
{
    Q_OBJECT

    static QList<int> Visibles(const SelectorFecha &fecha)
    {
        QList<int> dias;
        for (int i = 28; i < 31; ++i) {
            if (!fecha.OptDia[static_cast<size_t>(i)]->isHidden())
                dias << i + 1;
        }
        return dias;
    }
    static QList<int> Habilitados(const SelectorFecha &fecha)
    {
        QList<int> dias;
        for (int i = 0; i < 31; ++i) {
            if (fecha.OptDia[static_cast<size_t>(i)]->isEnabled() &&
                !fecha.OptDia[static_cast<size_t>(i)]->isHidden())
                dias << i + 1;
        }
        return dias;
    }
    static int Marcado(const SelectorFecha &fecha)
    {
        for (int i = 0; i < 31; ++i) {
            if (fecha.OptDia[static_cast<size_t>(i)]->isChecked())
                return i + 1;
        }
        return 0;
    }
    static void Elegir(QComboBox *lista, const QString &texto)
    {
        const int indice = lista->findText(texto);
        QVERIFY(indice >= 0);
        lista->setCurrentIndex(indice);
        emit lista->activated(indice);
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void indicacionSoloSinFecha_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("conFecha");
        QTest::newRow("sin fecha") << QByteArray() << false;
        QTest::newRow("con fecha") << QByteArray("[Datos]\r\nFecha=24/12/2026\r\n") << true;
    }
    void indicacionSoloSinFecha()
    {
        // The language's prompt only while no date is stored; a stored date is shown instead.
        QFETCH(QByteArray, ini);
        QFETCH(bool, conFecha);
        FixtureOpciones f;
        f.carpeta.Escribir(QStringLiteral("Español.dxl"), "[Opciones]\r\nT0=Opciones\r\nFC=Elija el d\xed"
                                                          "a\r\n");
        f.carpeta.EscribirIni(ini);
        FrmOpc &d = f.Abrir();
        QCOMPARE(d.FraFecha()->LblDexo->text(),
                 conFecha ? QLocale().toString(QDate(2026, 12, 24), QLocale::LongFormat)
                          : QStringLiteral("Elija el día"));
    }

    void listasYRejilla()
    {
        FixtureOpciones f;
        SelectorFecha &fecha = *f.Abrir().FraFecha();
        QCOMPARE(fecha.CmbAnno->count(), 51);
        QCOMPARE(fecha.CmbAnno->itemText(0), QStringLiteral("2026"));
        QCOMPARE(fecha.CmbAnno->itemText(50), QStringLiteral("2076"));
        const QStringList meses{"Enero", "Febrero", "Marzo",      "Abril",   "Mayo",      "Junio",
                                "Julio", "Agosto",  "Septiembre", "Octubre", "Noviembre", "Diciembre"};
        QCOMPARE(fecha.CmbMes->count(), 12);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(fecha.CmbMes->itemText(i), meses.at(i));
            QCOMPARE(fecha.CmbMes->itemData(i).toInt(), i + 1);
        }
        // Six columns 360 twips apart, rows 240 twips apart; day 1 in column 2, day 30 in column 1.
        auto pos = [&fecha](int dia) { return fecha.OptDia[static_cast<size_t>(dia - 1)]->pos(); };
        const int columna = TwipsAPixeles(360);
        const int fila = TwipsAPixeles(240);
        QCOMPARE(pos(1), pos(6) + QPoint(columna, -fila));
        QCOMPARE(pos(5), pos(1) + QPoint(4 * columna, 0));
        QCOMPARE(pos(12), pos(6) + QPoint(0, fila));
        QCOMPARE(pos(30), pos(6) + QPoint(0, 4 * fila));
        QCOMPARE(pos(31), pos(30) + QPoint(columna, 0));
        QCOMPARE(fecha.OptDia[30]->text(), QStringLiteral("31"));
    }

    void sinArchivo()
    {
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        SelectorFecha &fecha = *d.FraFecha();
        QCOMPARE(fecha.CmbAnno->currentText(), QStringLiteral("2026"));
        QCOMPARE(fecha.CmbMes->currentText(), QStringLiteral("Diciembre"));
        QCOMPARE(Marcado(fecha), 0);
        QCOMPARE(fecha.LblDexo->text(), QStringLiteral("Seleccione la fecha"));
        QCOMPARE(f.dialogo->Edicion().FechaEvento, QStringLiteral("Ninguna"));
        QCOMPARE(d.PicAviso()->TxtEvento->text(), QStringLiteral("Ninguno"));
        QCOMPARE(d.LblTitulo(15)->text(), QStringLiteral("Español"));
        QCOMPARE(f.dialogo->Edicion().IconoAviso, QStringLiteral("00"));
        QVERIFY(f.plataforma.llamadas.isEmpty());
        QVERIFY(!f.carpeta.Existe(QStringLiteral("Dexo.INI")));
        // Today's button stays enabled; earlier days of this month are not.
        QCOMPARE(Habilitados(fecha).first(), 7);
    }

    void febrero_data()
    {
        QTest::addColumn<QString>("anno");
        QTest::addColumn<QList<int>>("visibles");
        QTest::newRow("bisiesto") << "2028" << QList<int>{29};
        QTest::newRow("no bisiesto") << "2027" << QList<int>{};
        QTest::newRow("último año ofrecido") << "2076" << QList<int>{29};
    }
    void febrero()
    {
        QFETCH(QString, anno);
        QFETCH(QList<int>, visibles);
        FixtureOpciones f;
        SelectorFecha &fecha = *f.Abrir().FraFecha();
        Elegir(fecha.CmbAnno, anno);
        Elegir(fecha.CmbMes, QStringLiteral("Febrero"));
        QCOMPARE(Visibles(fecha), visibles);
        Elegir(fecha.CmbMes, QStringLiteral("Marzo"));
        QCOMPARE(Visibles(fecha), (QList<int>{29, 30, 31}));
        Elegir(fecha.CmbMes, QStringLiteral("Abril"));
        QCOMPARE(Visibles(fecha), (QList<int>{29, 30}));
    }

    void fechaAnteriorEsteAnno()
    {
        FixtureOpciones f(QDate(2026, 5, 20));
        f.carpeta.EscribirIni("[Datos]\r\nFecha=15/03/2026\r\n");
        FrmOpc &d = f.Abrir();
        SelectorFecha &fecha = *d.FraFecha();
        QVERIFY(f.plataforma.llamadas.isEmpty()); // only the year makes a date obsolete
        QCOMPARE(fecha.CmbMes->currentText(), QStringLiteral("Marzo"));
        QVERIFY(Habilitados(fecha).isEmpty());
        QCOMPARE(Marcado(fecha), 15);
        QCOMPARE(fecha.LblDexo->text(), QLocale().toString(QDate(2026, 3, 15), QLocale::LongFormat));
        // A month change alone keeps the date that will be saved.
        Elegir(fecha.CmbMes, QStringLiteral("Junio"));
        QCOMPARE(fecha.LblDexo->text(), QStringLiteral("Seleccione la fecha"));
        QCOMPARE(f.dialogo->Edicion().FechaEvento, QStringLiteral("15/03/2026"));
        // In May, days from the 20th on can be chosen.
        Elegir(fecha.CmbMes, QStringLiteral("Mayo"));
        QCOMPARE(Habilitados(fecha).first(), 20);
        QCOMPARE(Habilitados(fecha).size(), 12);
    }

    void unSoloHoyAunqueCambieElAnno()
    {
        // The dialog opens as the year turns: the list of years and the obsolete-date check must
        // share one today, or the last day of the old year is offered and called obsolete at once.
        class RelojMedianoche final : public Reloj
        {
        public:
            QDate Hoy() const override { return lecturas_++ == 0 ? QDate(2026, 12, 31) : QDate(2027, 1, 1); }

        private:
            mutable int lecturas_ = 0;
        };
        CarpetaPrograma carpeta;
        PlataformaFalsa plataforma;
        RelojMedianoche reloj;
        ModGral gral(plataforma, reloj);
        gral.IniciarRutas(carpeta.Ruta());
        carpeta.EscribirIni("[Datos]\r\nFecha=31/12/2026\r\n");
        QWidget principal;
        FrmOpc d(gral, &principal);
        QVERIFY(plataforma.llamadas.isEmpty());
        QCOMPARE(d.FraFecha()->CmbAnno->itemText(0), QStringLiteral("2026"));
        QCOMPARE(Marcado(*d.FraFecha()), 31);
        QCOMPARE(d.Edicion().FechaEvento, QStringLiteral("31/12/2026"));
    }

    void fechaObsoleta()
    {
        FixtureOpciones f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=10/01/2025\r\nAviso=1\r\n");
        FrmOpc &d = f.Abrir();
        const QString esperado =
            QStringLiteral("informacion Fecha obsoleta. :: La fecha seleccionada (") +
            QLocale().toString(QDate(2025, 1, 10), QLocale::ShortFormat) +
            QStringLiteral(") para el último\nevento es muy antigua. Se reinicirá a la fecha actual.");
        QCOMPARE(f.plataforma.llamadas, QStringList{esperado});
        // Written at once, before any save.
        QCOMPARE(f.carpeta.LeerIni(), QByteArray("[Datos]\r\nFecha=Ninguna\r\nAviso=1\r\n"));
        QVERIFY(f.gral.Recargar);
        QCOMPARE(f.dialogo->Edicion().FechaEvento, QStringLiteral("Ninguna"));
        QCOMPARE(d.FraFecha()->CmbAnno->currentText(), QStringLiteral("2026"));
        QCOMPARE(d.FraFecha()->CmbMes->currentText(), QStringLiteral("Diciembre"));
        QCOMPARE(Marcado(*d.FraFecha()), 0);
        // Cancel reloads: the file now holds no date, so no second message.
        d.CmdCancelar_Click();
        QCOMPARE(f.plataforma.llamadas.size(), 1);
    }

    void fechaAnualNuncaObsoleta()
    {
        // A yearly date of a past year: no message; shown in the first offered year with its day.
        FixtureOpciones f;
        f.carpeta.EscribirIni("[Datos]\r\nFecha=29/02/2024\r\nAnual=Si\r\n");
        FrmOpc &d = f.Abrir();
        QVERIFY(f.plataforma.llamadas.isEmpty());
        SelectorFecha &fecha = *d.FraFecha();
        QVERIFY(fecha.ChkAnual->isChecked());
        QCOMPARE(QAccessible::queryAccessibleInterface(fecha.ChkAnual)->text(QAccessible::Name), u"Cada año");
        QCOMPARE(Marcado(fecha), 29);
        QCOMPARE(d.Edicion().FechaEvento, QStringLiteral("29/02/2028"));
    }

    void fechaFueraDeLoOfrecido_data()
    {
        QTest::addColumn<QByteArray>("fecha");
        QTest::newRow("más allá de 50 años") << QByteArray("15/03/2077");
        QTest::newRow("texto") << QByteArray("pronto");
        QTest::newRow("día imposible") << QByteArray("31/02/2027");
        QTest::newRow("Ninguno no es el centinela") << QByteArray("Ninguno");
        QTest::newRow("vacía") << QByteArray("");
    }
    void fechaFueraDeLoOfrecido()
    {
        QFETCH(QByteArray, fecha);
        FixtureOpciones f;
        const QByteArray contenido = "[Datos]\r\nFecha=" + fecha + "\r\n";
        f.carpeta.EscribirIni(contenido);
        FrmOpc &d = f.Abrir();
        QVERIFY(f.plataforma.llamadas.isEmpty());
        QCOMPARE(f.carpeta.LeerIni(), contenido);
        QCOMPARE(Marcado(*d.FraFecha()), 0);
        QCOMPARE(d.FraFecha()->LblDexo->text(), QStringLiteral("Seleccione la fecha"));
        QCOMPARE(f.dialogo->Edicion().FechaEvento, QStringLiteral("Ninguna"));
    }

    void treintaYUno()
    {
        FixtureOpciones f(QDate(2026, 12, 31));
        SelectorFecha &fecha = *f.Abrir().FraFecha();
        QCOMPARE(Habilitados(fecha), QList<int>{31});
    }

    void diaFormadoDeLosTresNumeros()
    {
        // A locale whose dates read month first must not swap day and month.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FixtureOpciones f;
        SelectorFecha &fecha = *f.Abrir().FraFecha();
        Elegir(fecha.CmbAnno, QStringLiteral("2027"));
        Elegir(fecha.CmbMes, QStringLiteral("Febrero"));
        fecha.OptDia[8]->click();
        QCOMPARE(f.dialogo->Edicion().FechaEvento, QStringLiteral("09/02/2027"));
        QCOMPARE(fecha.LblDexo->text(), QLocale().toString(QDate(2027, 2, 9), QLocale::LongFormat));
        // A disabled day cannot be clicked.
        Elegir(fecha.CmbAnno, QStringLiteral("2026"));
        Elegir(fecha.CmbMes, QStringLiteral("Diciembre"));
        fecha.OptDia[2]->click();
        QCOMPARE(f.dialogo->Edicion().FechaEvento, QStringLiteral("09/02/2027"));
    }

    void diaDesdeElTeclado_data()
    {
        QTest::addColumn<int>("tecla");
        QTest::newRow("espacio") << int(Qt::Key_Space);
        QTest::newRow("intro") << int(Qt::Key_Return);
        QTest::newRow("intro del teclado numérico") << int(Qt::Key_Enter);
    }
    void diaDesdeElTeclado()
    {
        QFETCH(int, tecla);
        FixtureOpciones f;
        FrmOpc &d = f.Abrir();
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        SelectorFecha &fecha = *d.FraFecha();
        fecha.OptDia[19]->setFocus();
        QTest::keyClick(fecha.OptDia[19], Qt::Key(tecla));
        QVERIFY(fecha.OptDia[19]->isChecked());
        QCOMPARE(f.dialogo->Edicion().FechaEvento, QStringLiteral("20/12/2026"));
        // A past day stays out of reach.
        QTest::keyClick(fecha.OptDia[2], Qt::Key(tecla));
        QCOMPARE(f.dialogo->Edicion().FechaEvento, QStringLiteral("20/12/2026"));
        QVERIFY(d.isVisible());
    }

    void textoDeCincuenta()
    {
        FixtureOpciones f;
        QLineEdit *texto = f.Abrir().PicAviso()->TxtEvento;
        texto->setText(QString(49, QLatin1Char('x')));
        texto->setCursorPosition(49);
        QTest::keyClick(texto, Qt::Key_A);
        QCOMPARE(texto->text().size(), 50);
        QTest::keyClick(texto, Qt::Key_B);
        QTest::keyClick(texto, Qt::Key_Space);
        QCOMPARE(texto->text(), QString(49, QLatin1Char('x')) + QLatin1Char('a'));
        QTest::keyClick(texto, Qt::Key_Backspace);
        QCOMPARE(texto->text().size(), 49);
        // Pasting is not limited.
        texto->insert(QString(20, QLatin1Char('p')));
        QCOMPARE(texto->text().size(), 69);
        // Moving and selecting still work at the limit.
        QTest::keyClick(texto, Qt::Key_Home);
        QCOMPARE(texto->cursorPosition(), 0);
    }

    void textoSeleccionadoEntero()
    {
        FixtureOpciones f;
        QLineEdit *texto = f.Abrir().PicAviso()->TxtEvento;
        texto->setText(QStringLiteral("Cumpleaños de Ana"));
        texto->deselect();
        QFocusEvent foco(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(texto, &foco);
        QCOMPARE(texto->selectedText(), texto->text());
        // A click that brings the focus keeps the whole text selected.
        QFocusEvent salida(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(texto, &salida);
        QFocusEvent clic(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(texto, &clic);
        QTest::mouseClick(texto, Qt::LeftButton, {}, QPoint(8, 5));
        QCOMPARE(texto->selectedText(), texto->text());
        texto->deselect();
        QTest::mouseDClick(texto, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(texto->selectedText(), texto->text());
    }
};

QTEST_MAIN(TestOpcFecha)
#include "test_opcfecha.moc"
