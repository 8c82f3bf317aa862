// Qt's texts and the program's own texts beyond the language file, in the language chosen.
#include "fixture_opciones.h"
#include "fixture_tradel.h"
#include "panelaviso.h"
#include "selectorfecha.h"
#include "traduccion.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

// What the user reads in a language: Qt's Cancel (message box and file dialog), a month of the
// date frame, the notice panel's "Ninguno" and the first line of Tradel's unsaved-edits question.
struct Lectura
{
    QString cancelarCaja, cancelarArchivos, marzo, ninguno;
};

Lectura Leer(const FrmOpc &dialogo)
{
    QMessageBox caja;
    caja.setStandardButtons(QMessageBox::Cancel);
    QFileDialog archivos;
    archivos.setOption(QFileDialog::DontUseNativeDialog);
    return {caja.button(QMessageBox::Cancel)->text(),
            archivos.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->text(),
            dialogo.FraFecha()->CmbMes->itemText(2),
            dialogo.PicAviso()->findChild<QLabel *>(QStringLiteral("LblTitulo16"))->text()};
}

void PonerIdiomas(FixtureOpciones &f)
{
    for (const char *nombre : {"Español", "English", "Italiano", "Français", "Português"}) {
        const QString archivo = QString::fromUtf8(nombre) + QStringLiteral(".dxl");
        QFile copia(QStringLiteral(DEXO_IDIOMAS_FUENTE "/") + archivo);
        if (copia.open(QIODevice::ReadOnly))
            f.carpeta.Escribir(archivo, copia.readAll());
    }
    // A language made by a user, from the English texts.
    f.carpeta.Escribir(QStringLiteral("Deutsch.dxl"), f.carpeta.Leer(QStringLiteral("English.dxl")));
}

QByteArray Ini(const QString &idioma)
{
    return "[Opciones]\r\nIdioma=" + idioma.toLatin1() + "\r\n";
}

} // namespace

class TestTraducciones : public QObject
{
    Q_OBJECT

private slots:
    void codigoDelNombre_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("codigo");
        QTest::newRow("Español") << QStringLiteral("Español") << "es";
        QTest::newRow("Português") << QStringLiteral("Português") << "pt";
        QTest::newRow("de un usuario") << QStringLiteral("Deutsch") << "en";
        QTest::newRow("mayúsculas distintas: de un usuario") << QStringLiteral("español") << "en";
        QTest::newRow("vacío: Español") << QString() << "es";
        QTest::newRow("con ruta: Español") << QStringLiteral("../English") << "es";
    }
    void codigoDelNombre()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, codigo);
        QCOMPARE(Idioma::CodigoTraduccion(nombre), codigo);
    }

    void idiomaElegido_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("cancelar");
        QTest::addColumn<QString>("marzo");
        QTest::addColumn<QString>("ninguno");
        QTest::addColumn<QString>("pregunta");
        QTest::newRow("Español") << QStringLiteral("Español") << "Cancelar"
                                 << "Marzo"
                                 << "Ninguno"
                                 << "Hay textos que no se han guardado.";
        QTest::newRow("English") << QStringLiteral("English") << "Cancel"
                                 << "March"
                                 << "None"
                                 << "Some texts have not been saved.";
        QTest::newRow("Italiano") << QStringLiteral("Italiano") << "Annulla"
                                  << "Marzo"
                                  << "Nessuno"
                                  << "Alcuni testi non sono stati salvati.";
        QTest::newRow("Français") << QStringLiteral("Français") << "Annuler"
                                  << "Mars"
                                  << "Aucun"
                                  << "Certains textes n'ont pas été enregistrés.";
        QTest::newRow("Português") << QStringLiteral("Português") << "Cancelar"
                                   << "Março"
                                   << "Nenhum"
                                   << "Há textos que não foram salvos.";
        QTest::newRow("de un usuario: inglés") << QStringLiteral("Deutsch") << "Cancel"
                                               << "March"
                                               << "None"
                                               << "Some texts have not been saved.";
    }
    void idiomaElegido()
    {
        QFETCH(QString, idioma);
        QFETCH(QString, cancelar);
        QFETCH(QString, marzo);
        QFETCH(QString, ninguno);
        QFETCH(QString, pregunta);

        FixtureOpciones f;
        PonerIdiomas(f);
        f.carpeta.EscribirIni(Ini(idioma) + "[Datos]\r\nSonido=Ninguno\r\n");
        const FrmOpc &dialogo = f.Abrir();
        QCoreApplication::processEvents();
        const Lectura leido = Leer(dialogo);
        QCOMPARE(leido.cancelarCaja, cancelar);
        QCOMPARE(leido.cancelarArchivos, cancelar);
        QCOMPARE(leido.marzo, marzo);
        QCOMPARE(leido.ninguno, ninguno);
        f.dialogo.reset(); // Tradel runs as a program of its own

        // Tradel follows Dexo's language key; it asks before closing with a text not saved.
        FixtureTradel t;
        t.PonerTodos();
        t.carpeta.Escribir(QStringLiteral("Deutsch.dxl"), f.carpeta.Leer(QStringLiteral("Deutsch.dxl")));
        t.carpeta.EscribirIni(Ini(idioma));
        FrmMain &tradel = t.Iniciar();
        tradel.TxTIdioma[0]->setText(QStringLiteral("otro"));
        tradel.close();
        const QStringList preguntas = t.plataforma.Llamadas(QStringLiteral("pregunta-guardar "));
        QCOMPARE(preguntas.size(), 1);
        QCOMPARE(preguntas.front().section(u' ', 1).section(u'\n', 0, 0), pregunta);
    }

    // After a change of month or year, the date prompt is the language's own.
    void indicacionDeFechaEnElIdioma()
    {
        FixtureOpciones f;
        PonerIdiomas(f);
        f.carpeta.EscribirIni(Ini(QStringLiteral("English")) + "[Datos]\r\nFecha=20/05/2027\r\n");
        const SelectorFecha &fecha = *f.Abrir().FraFecha();
        for (QComboBox *lista : {fecha.CmbMes, fecha.CmbAnno}) {
            fecha.LblDexo->clear();
            QTest::keyClick(lista, Qt::Key_Down);
            QCOMPARE(fecha.LblDexo->text(), QStringLiteral("Choose the date")); // English.dxl's FC
        }
    }

    // Switched in the dialog, everything follows at once; closed without saving, all goes back.
    void cambioEnElDialogo()
    {
        FixtureOpciones f;
        PonerIdiomas(f);
        f.carpeta.EscribirIni(Ini(QStringLiteral("Español")));
        FrmOpc &dialogo = f.Abrir();
        QCoreApplication::processEvents();
        QCOMPARE(Leer(dialogo).marzo, QStringLiteral("Marzo"));

        dialogo.ImgIdioma_Click(4);
        QCoreApplication::processEvents();
        Lectura leido = Leer(dialogo);
        QCOMPARE(leido.cancelarCaja, QStringLiteral("Annuler"));
        QCOMPARE(leido.cancelarArchivos, QStringLiteral("Annuler"));
        QCOMPARE(leido.marzo, QStringLiteral("Mars"));
        QCOMPARE(leido.ninguno, QStringLiteral("Aucun"));
        QCOMPARE(dialogo.FraFecha()->CmbMes->accessibleName(), QStringLiteral("Mois"));

        dialogo.reject();
        QCoreApplication::processEvents();
        leido = Leer(dialogo);
        QCOMPARE(leido.cancelarArchivos, QStringLiteral("Cancelar"));
        QCOMPARE(leido.marzo, QStringLiteral("Marzo"));
        QCOMPARE(f.gral.NombreIdioma, QStringLiteral("Español"));
        // The stored word is untouched.
        QVERIFY(!f.carpeta.LeerIni().contains("Aucun"));
    }
};

QTEST_MAIN(TestTraducciones)
#include "test_traducciones.moc"
