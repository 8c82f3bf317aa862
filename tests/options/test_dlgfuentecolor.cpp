#include "dlgfuentecolor.h"
#include "plataforma_qt.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QPushButton>
#include <QTest>

// The one dialog for the font and the text colour of the count, and the file filters of the
// pickers as Qt reads them.
class TestDlgFuenteColor : public QObject
{
    Q_OBJECT

private slots:
    void devuelveLoElegido()
    {
        QFont inicial(QStringLiteral("MS Sans Serif"));
        inicial.setPointSizeF(24);
        inicial.setBold(true);
        DlgFuenteColor dialogo(inicial, QColor(Qt::black));
        // Untouched, a family the system lacks keeps its name.
        QCOMPARE(dialogo.Fuente().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(dialogo.Fuente().pointSizeF(), 24.0);
        QVERIFY(dialogo.Fuente().bold());

        dialogo.findChild<QDoubleSpinBox *>("tamano")->setValue(10.5);
        dialogo.findChild<QCheckBox *>("negrita")->setChecked(false);
        dialogo.findChild<QCheckBox *>("cursiva")->setChecked(true);
        dialogo.findChild<QCheckBox *>("subrayada")->setChecked(true);
        dialogo.findChild<QCheckBox *>("tachada")->setChecked(true);
        dialogo.findChild<QFontComboBox *>("familia")->setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
        const QFont fuente = dialogo.Fuente();
        QCOMPARE(fuente.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(fuente.pointSizeF(), 10.5);
        QVERIFY(!fuente.bold());
        QVERIFY(fuente.italic());
        QVERIFY(fuente.underline());
        QVERIFY(fuente.strikeOut());
        QCOMPARE(dialogo.Color(), QColor(Qt::black));
        // One OK and one Cancel, and a colour button that is not the default.
        QCOMPARE(dialogo.findChildren<QPushButton *>().size(), 3);
        QVERIFY(!dialogo.findChild<QPushButton *>("color")->autoDefault());
    }

    void tamanoIntacto_data()
    {
        QTest::addColumn<double>("tam");
        QTest::newRow("8,25") << 8.25;
        QTest::newRow("9,75") << 9.75;
        QTest::newRow("12,5") << 12.5;
    }
    void tamanoIntacto()
    {
        // Settings hold sizes to two decimals: accepting the dialog untouched must not round them.
        QFETCH(double, tam);
        QFont inicial(QStringLiteral("DejaVu Sans"));
        inicial.setPointSizeF(tam);
        DlgFuenteColor dialogo(inicial, QColor(Qt::black));
        QCOMPARE(dialogo.Fuente().pointSizeF(), tam);
    }

    void filtros_data()
    {
        QTest::addColumn<QString>("barras");
        QTest::addColumn<QString>("qt");
        QTest::newRow("idioma") << "Idioma :: Language :: Langue :: Lingua (DXL)|*.dxl"
                                << "Idioma :: Language :: Langue :: Lingua (DXL) (*.dxl)";
        QTest::newRow("imagen") << "JPG|*.jpg|GIF|*.gif|ICO|*.ico"
                                << "JPG (*.jpg);;GIF (*.gif);;ICO (*.ico)";
        QTest::newRow("todo") << "*.*"
                              << "*";
        QTest::newRow("ya de Qt") << "Textos (*.txt)"
                                  << "Textos (*.txt)";
    }
    void filtros()
    {
        QFETCH(QString, barras);
        QFETCH(QString, qt);
        QCOMPARE(FiltroQt(barras), qt);
    }
};

QTEST_MAIN(TestDlgFuenteColor)
#include "test_dlgfuentecolor.moc"
