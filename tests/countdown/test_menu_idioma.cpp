#include "claves_idioma.h"
#include "cuentas.h"
#include "fixture_principal.h"
#include "idiomas.h"
#include "imagensvg.h"
#include "menuprincipal.h"

#include <QDir>
#include <QLabel>
#include <QTest>

namespace {

// What the menu shows for [Menu] keys "0" to "10", in key order.
QStringList Textos(const FrmMain &w)
{
    const MenuPrincipal *m = w.Menu();
    return {m->mnuOpciones->text(),    m->mnuVisible->text(),   m->mnuInicio->text(),
            m->mnuSelIdioma->title(),  m->mnuTradel[0]->text(), m->mnuTradel[1]->text(),
            m->mnuEvento->text(),      m->mnuAyuda->text(),     m->mnuCerrar->text(),
            w.ImagenMenu()->toolTip(), m->mnuInfo->text()};
}

const QStringList kTextosPropios = {"Configurar opciones...",
                                    "Siempre Visible",
                                    "Abrir al inicio de güindous",
                                    "Idioma",
                                    "Abrir idioma...",
                                    "Editar idioma...",
                                    "Mostrar evento...",
                                    "Mostrar ayuda...",
                                    "Cerrar el programa",
                                    "Mostrar opciones...",
                                    "Acerca de..."};

// The texts a language file should put on the menu.
QStringList TextosDe(const QString &archivo)
{
    QStringList textos;
    for (int k = 0; k < Idioma::kNumClavesMenu; ++k) {
        const QString v = Idioma::LeerTexto(archivo, Idioma::kClaves[k]);
        textos << (Idioma::kClaves[k].puntos ? v + "..." : v);
    }
    return textos;
}

// Which of the five built-in items carry the tick, as "10000".
QString Marcas(const FrmMain &w)
{
    QString marcas;
    for (int n = 1; n <= 5; ++n)
        marcas += w.Menu()->mnuIdioma[n]->isChecked() ? u'1' : u'0';
    return marcas;
}

QString IdiomaGuardado(const FixturePrincipal &f)
{
    return LeerPerfil(f.carpeta.Ini(), "Opciones", "Idioma", "<falta>");
}

const QString kFiltro = QStringLiteral("Idioma :: Language :: Lingua :: Langue (DXL)|*.dxl");

} // namespace

// The popup menu's language: applying the current language, the five languages, "Abrir idioma..."
// and "Editar idioma...".
class TestMenuIdioma : public QObject
{
    Q_OBJECT

private slots:
    void cadaIdiomaDistribuido_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 5; ++n)
            QTest::newRow(QString::fromUtf16(Idioma::kIdiomas[n - 1]).toUtf8().constData()) << n;
    }
    void cadaIdiomaDistribuido()
    {
        QFETCH(int, n);
        const QString nombre = QString::fromUtf16(Idioma::kIdiomas[n - 1]);
        FixturePrincipal f;
        for (const char16_t *idioma : Idioma::kIdiomas)
            f.PonerIdioma(QString::fromUtf16(idioma));
        FrmMain &w = f.Iniciar();
        // Español changes no visible text but the "..." of "Cerrar el programa".
        QStringList espanol = kTextosPropios;
        espanol[8] += "...";
        QCOMPARE(Textos(w), espanol);
        QCOMPARE(TextosDe(f.carpeta.Archivo("Español.dxl")), espanol);

        w.Menu()->mnuIdioma[n]->trigger();
        QCOMPARE(Textos(w), TextosDe(f.carpeta.Archivo(nombre + ".dxl")));
        QCOMPARE(Marcas(w), QString(5, u'0').replace(n - 1, 1, u'1'));
        QCOMPARE(w.Menu()->mnuIdiomaSel->text(), ".: " + nombre + " :.");
        QCOMPARE(f.gral.NombreIdioma, nombre);
        QCOMPARE(IdiomaGuardado(f), nombre); // written at once

        // The next start keeps the choice.
        const QString marcas = Marcas(w);
        f.ventana.reset();
        FrmMain &otra = f.Iniciar();
        QCOMPARE(Textos(otra), TextosDe(f.carpeta.Archivo(nombre + ".dxl")));
        QCOMPARE(Marcas(otra), marcas);
        QVERIFY(f.plataforma.Llamadas("aviso").isEmpty());
    }

    void archivoConSoloLaClaveCero()
    {
        FixturePrincipal f;
        // A text of 250 characters: Dexo uses its first 199 (whole in the tooltip of the cut item).
        f.carpeta.Escribir("Prueba.dxl",
                           "[Menu]\r\n0=Configurar opciones\r\n10=\"" + QByteArray(250, 'x') + "\"\r\n");
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=Prueba\r\n");
        FrmMain &w = f.Iniciar();
        const QStringList esperados = {"Configurar opciones...",
                                       "?",
                                       "?",
                                       "?",
                                       "?...",
                                       "?...",
                                       "?...",
                                       "?...",
                                       "?...",
                                       "?...",
                                       QString(19, u'x') + QChar(0x2026) + QString(17, u'x') + "..."};
        QCOMPARE(Textos(w), esperados);
        QCOMPARE(w.Menu()->mnuInfo->toolTip(), QString(199, u'x') + "...");
        QCOMPARE(Marcas(w), QStringLiteral("00000"));
        QCOMPARE(w.Menu()->mnuIdiomaSel->text(), QStringLiteral(".: Prueba :."));
        QCOMPARE(IdiomaGuardado(f), QStringLiteral("Prueba"));
    }

    void valoresVaciosYEnOtroCaso()
    {
        FixturePrincipal f;
        // Section names in another case are found; "?" for key "4" starts no fallback; an empty
        // value shows empty, or "..." alone; text is shown literally.
        f.carpeta.Escribir("Raro.dxl",
                           "[menu]\r\n0=Opciones & m\xe1s\r\n1=\r\n4=?\r\n6=\r\n9=<b>negrita</b>\r\n");
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=Raro\r\n");
        FrmMain &w = f.Iniciar();
        const QStringList textos = Textos(w);
        QCOMPARE(textos[0], QStringLiteral("Opciones && más..."));
        QCOMPARE(textos[1], QString());
        QCOMPARE(textos[4], QStringLiteral("?..."));
        QCOMPARE(textos[6], QStringLiteral("..."));
        QCOMPARE(w.Menu()->mnuIdiomaSel->text(), QStringLiteral(".: Raro :."));
        QCOMPARE(f.gral.NombreIdioma, QStringLiteral("Raro"));
        // The tooltip shows the markup as typed, not bold text.
        QVERIFY(textos[9].contains(QStringLiteral("&lt;b&gt;negrita&lt;/b&gt;...")));
    }

    void idiomaActualSinArchivo_data()
    {
        QTest::addColumn<bool>("conEspanol");
        QTest::newRow("con Español.dxl") << true;
        QTest::newRow("sin Español.dxl") << false;
    }
    void idiomaActualSinArchivo()
    {
        QFETCH(bool, conEspanol);
        FixturePrincipal f;
        f.PonerIdioma("English");
        if (!conEspanol)
            QVERIFY(QFile::remove(f.carpeta.Archivo("Español.dxl")));
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=English\r\n");
        FrmMain &w = f.Iniciar();
        const QStringList ingles = Textos(w);
        QCOMPARE(ingles.front(), QStringLiteral("Set up options..."));

        // The current language's file is gone when the settings are read again.
        QVERIFY(QFile::remove(f.carpeta.Archivo("English.dxl")));
        w.AplicarOpciones();
        QCOMPARE(Textos(w), conEspanol ? TextosDe(f.carpeta.Archivo("Español.dxl")) : ingles);
        QCOMPARE(Marcas(w), QStringLiteral("10000"));
        QCOMPARE(w.Menu()->mnuIdiomaSel->text(), QStringLiteral(".: Español :."));
        QCOMPARE(f.gral.NombreIdioma, QStringLiteral("Español"));
        QCOMPARE(IdiomaGuardado(f), QStringLiteral("Español"));
    }

    void inglesElegidoSinSuArchivo()
    {
        FixturePrincipal f;
        f.PonerIdioma("Italiano");
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=Italiano\r\n");
        FrmMain &w = f.Iniciar();
        const QStringList italiano = Textos(w);
        QCOMPARE(italiano.front(), QStringLiteral("Configura le opzioni..."));

        w.Menu()->mnuIdioma[2]->trigger();
        QCOMPARE(Textos(w), italiano); // the texts stay as they are
        QCOMPARE(Marcas(w), QStringLiteral("10000"));
        QCOMPARE(w.Menu()->mnuIdiomaSel->text(), QStringLiteral(".: Español :."));
        QCOMPARE(IdiomaGuardado(f), QStringLiteral("Español"));
        QVERIFY(f.plataforma.llamadas.isEmpty()); // no message
    }

    void respaldoSinFin()
    {
        // Español.dxl itself has no key "0": the fallback runs once and the menu shows its own
        // Spanish texts.
        FixturePrincipal f;
        f.PonerIdioma("English");
        f.carpeta.Escribir("Italiano.dxl", "[Menu]\r\n0=?\r\n1=Sempre\r\n");
        f.carpeta.Escribir("Español.dxl", "[Menu]\r\n1=Siempre\r\n");
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=English\r\n");
        FrmMain &w = f.Iniciar();
        QCOMPARE(Textos(w).front(), QStringLiteral("Set up options..."));

        w.Menu()->mnuIdioma[3]->trigger();
        QCOMPARE(Textos(w), kTextosPropios);
        QCOMPARE(Marcas(w), QStringLiteral("10000"));
        QCOMPARE(w.Menu()->mnuIdiomaSel->text(), QStringLiteral(".: Español :."));
        QCOMPARE(IdiomaGuardado(f), QStringLiteral("Español"));

        // The same at start.
        f.ventana.reset();
        FrmMain &otra = f.Iniciar();
        QCOMPARE(Textos(otra), kTextosPropios);
        QCOMPARE(Marcas(otra), QStringLiteral("10000"));
    }

    void abrirIdioma_data()
    {
        QTest::addColumn<QString>("elegido");      // the dialog's answer, in the fixture's folder; "" cancels
        QTest::addColumn<QByteArray>("contenido"); // written there first; null: the folder's own file
        QTest::addColumn<QByteArray>("copia");     // Deutsch.dxl in the program folder, null for none
        QTest::addColumn<QString>("nombre");       // NombreIdioma afterwards
        QTest::addColumn<QString>("aviso");        // a word of the message box; "" for none

        const QByteArray de = "[Menu]\r\n0=Optionen einstellen\r\n[Opciones]\r\nT0=Optionen\r\n";
        const QByteArray alt = "[Menu]\r\n0=Alt\r\n[Opciones]\r\nT0=Alt\r\n";
        const QString fuera = "otra carpeta/Deutsch.dxl";
        QTest::newRow("otra carpeta, con copia") << fuera << de << de << "Deutsch"
                                                 << "";
        QTest::newRow("otra carpeta, sin copia") << fuera << de << QByteArray() << "Deutsch"
                                                 << "";
        QTest::newRow("en mayúsculas") << "otra carpeta/Deutsch.DXL" << de << QByteArray() << "Deutsch"
                                       << "";
        // The question about replacing is answered yes when the row expects the new language.
        QTest::newRow("copia distinta, reemplazada") << fuera << de << alt << "Deutsch"
                                                     << "";
        QTest::newRow("copia distinta, conservada") << fuera << de << alt << "English"
                                                    << "";
        QTest::newRow("Español de la carpeta") << "Español.dxl" << QByteArray() << QByteArray() << "Español"
                                               << "";
        QTest::newRow("no existe") << fuera << QByteArray() << QByteArray() << "English"
                                   << "could not be read";
        QTest::newRow("Notas.txt") << "Notas.txt" << de << QByteArray() << "English"
                                   << ".dxl";
        QTest::newRow("nombre corto") << "a.d" << de << QByteArray() << "English"
                                      << ".dxl";
        QTest::newRow("nombre no portable") << "otra carpeta/v1..2.dxl" << de << QByteArray() << "English"
                                            << "(..)";
        QTest::newRow("sin textos del menú")
            << fuera << QByteArray("[Opciones]\r\nT0=Optionen\r\n") << QByteArray() << "English"
            << "[Menu] 0";
        QTest::newRow("cancelado") << QString() << QByteArray() << QByteArray() << "English"
                                   << "";
    }
    void abrirIdioma()
    {
        QFETCH(QString, elegido);
        QFETCH(QByteArray, contenido);
        QFETCH(QByteArray, copia);
        QFETCH(QString, nombre);
        QFETCH(QString, aviso);

        FixturePrincipal f;
        f.PonerIdioma("English");
        f.carpeta.Escribir("Notas.dxl", "[Menu]\r\n0=Notizen\r\n[Opciones]\r\nT0=Notizen\r\n");
        if (!copia.isEmpty())
            f.carpeta.Escribir("Deutsch.dxl", copia);
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=English\r\n");
        // Español.dxl with a text of its own, so that a fallback shows.
        f.carpeta.Escribir("Español.dxl", "[Menu]\r\n0=Texto de Espa\xf1ol.dxl\r\n[Opciones]\r\nT0=O\r\n");
        QVERIFY(QDir(f.carpeta.Ruta()).mkdir("otra carpeta"));
        if (!contenido.isNull())
            f.carpeta.Escribir(elegido, contenido);
        FrmMain &w = f.Iniciar();
        const QByteArray ini = f.carpeta.LeerIni();

        if (!elegido.isEmpty())
            f.plataforma.archivos.enqueue(f.carpeta.Archivo(elegido));
        f.plataforma.respuestas.enqueue(nombre == "Deutsch");
        w.Menu()->mnuTradel[0]->trigger();
        QCOMPARE(f.plataforma.Llamadas("dialogo-abrir"), QStringList{"dialogo-abrir Open language"});
        QCOMPARE(f.plataforma.ultimoFiltro, kFiltro);
        QCOMPARE(f.plataforma.ultimaCarpeta, f.gral.RutaPrograma);

        QCOMPARE(f.gral.NombreIdioma, nombre);
        QCOMPARE(IdiomaGuardado(f), nombre);
        QCOMPARE(w.Menu()->mnuIdiomaSel->text(), ".: " + nombre + " :.");
        QCOMPARE(Textos(w), TextosDe(f.gral.ArchivoIdioma(nombre)));
        QCOMPARE(Marcas(w), nombre == "Deutsch" ? "00000" : nombre == "English" ? "01000" : "10000");
        // A file that is not taken leaves the settings as they were and says why.
        QCOMPARE(f.carpeta.LeerIni() == ini, nombre == "English");
        const QStringList avisos = f.plataforma.Llamadas("aviso");
        QCOMPARE(avisos.size(), aviso.isEmpty() ? 0 : 1);
        QVERIFY2(aviso.isEmpty() || avisos.front().contains(aviso), qPrintable(avisos.join(u'\n')));
        // The chosen texts are in the folder under the language's name once they are the language.
        QCOMPARE(f.carpeta.Leer("Deutsch.dxl"), nombre == "Deutsch" ? contenido : copia);
    }

    void nombresQueNoSonIdiomas_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::newRow("carpeta de arriba") << "../Fuera";
        QTest::newRow("dos veces arriba") << "../../Fuera";
        QTest::newRow("subcarpeta") << "sub/Fuera";
        QTest::newRow("barra invertida") << "sub\\Fuera";
        QTest::newRow("ruta absoluta") << "/tmp/Fuera";
        QTest::newRow("unidad") << "C:Fuera";
        QTest::newRow("vacío") << "";
    }
    void nombresQueNoSonIdiomas()
    {
        QFETCH(QString, idioma);
        FixturePrincipal f;
        // The program folder is a subfolder, with language files all around it.
        const QString programa = f.carpeta.Archivo("prog");
        QVERIFY(QDir().mkpath(programa + "/sub"));
        f.gral.IniciarRutas(programa);
        const QByteArray fuera = "[Menu]\r\n0=Fuera\r\n";
        f.carpeta.Escribir("Fuera.dxl", fuera);
        f.carpeta.Escribir("prog/sub/Fuera.dxl", fuera);
        f.carpeta.Escribir("prog/sub\\Fuera.dxl", fuera); // a plain name where "\" is no separator
        f.carpeta.Escribir("prog/C:Fuera.dxl", fuera);
        f.carpeta.Escribir("prog/.dxl", fuera);
        QFile::copy(QStringLiteral(DEXO_IDIOMAS_FUENTE "/Español.dxl"), programa + "/Español.dxl");
        EscribirPerfil(f.gral.ArchivoIni, "Opciones", "Idioma", idioma);

        FrmMain &w = f.Iniciar();
        QCOMPARE(Textos(w), TextosDe(programa + "/Español.dxl"));
        QCOMPARE(Marcas(w), QStringLiteral("10000"));
        QCOMPARE(w.Menu()->mnuIdiomaSel->text(), QStringLiteral(".: Español :."));
        QCOMPARE(LeerPerfil(f.gral.ArchivoIni, "Opciones", "Idioma", "?"), QStringLiteral("Español"));
    }

    void editarIdioma()
    {
        FixturePrincipal f;
        FrmMain &w = f.Iniciar();
        w.Menu()->mnuTradel[1]->trigger(); // no editor in the folder: nothing happens
        QVERIFY(f.plataforma.llamadas.isEmpty());

        f.carpeta.Escribir(QFileInfo(f.gral.ProgramaTradel()).fileName(), "#!/bin/sh\n");
        w.Menu()->mnuTradel[1]->trigger();
        QCOMPARE(f.plataforma.llamadas, QStringList{"iniciar " + f.gral.RutaPrograma + "Tradel" +
                                                    (QSysInfo::productType() == "windows" ? ".exe" : "")});
        QCOMPARE(IdiomaGuardado(f), QStringLiteral("<falta>")); // nothing re-read or written
    }

    void nombresLargosCortadosEnMedio()
    {
        // A language named at length, with a long first text: the menu stays narrow, each cut item
        // keeps its whole text in the tooltip; a short item has none.
        FixturePrincipal f;
        const QString nombre = QString(100, u'a') + QStringLiteral(" & ") + QString(100, u'z');
        const QString largo = QStringLiteral("Configurar ") + QString(60, u'x') + QStringLiteral(" opciones");
        f.carpeta.Escribir(nombre + ".dxl", ("[Menu]\r\n0=" + largo + "\r\n1=Siempre\r\n").toUtf8());
        f.carpeta.EscribirIni(("[Opciones]\r\nIdioma=" + nombre + "\r\n").toUtf8());
        FrmMain &w = f.Iniciar();
        QCOMPARE(f.gral.NombreIdioma, nombre);
        const QString decorado = ".: " + nombre + " :.";
        QAction *seleccionado = w.Menu()->mnuIdiomaSel;
        QCOMPARE(seleccionado->text(), ".: " + QString(16, u'a') + QChar(0x2026) + QString(17, u'z') + " :.");
        QCOMPARE(seleccionado->toolTip(), decorado);
        QCOMPARE(w.Menu()->mnuOpciones->toolTip(), largo + "...");
        QCOMPARE(w.Menu()->mnuOpciones->text(),
                 "Configurar " + QString(8, u'x') + QChar(0x2026) + QString(8, u'x') + " opciones...");
        QCOMPARE(w.Menu()->mnuVisible->text(), QStringLiteral("Siempre"));
        QVERIFY(w.Menu()->toolTipsVisible() && w.Menu()->mnuSelIdioma->toolTipsVisible());
    }

    // The language and start with the system are the program's: chosen in a further countdown's
    // menu, they land in Dexo.INI and every window follows; the countdown's own file keeps its bytes.
    void ajustesDelProgramaDesdeOtraCuenta()
    {
        FixturePrincipal f;
        f.PonerIdioma(QStringLiteral("English"));
        const QByteArray propia("[Posicion]\r\nIzda=3000\r\nSup=600\r\n[Opciones]\r\nSVisible=No\r\n[Datos]"
                                "\r\nFecha=20/12/2026\r\n");
        QVERIFY(QDir().mkpath(f.carpeta.Archivo(QStringLiteral("Cuentas"))));
        f.carpeta.Escribir(QStringLiteral("Cuentas/Cuenta2.INI"), propia);
        FrmMain &w = f.Iniciar();
        Cuentas cuentas(f.gral, w);
        cuentas.AbrirGuardadas();
        QCOMPARE(cuentas.Ventanas().size(), 2);
        FrmMain &otra = *cuentas.Ventanas().at(1);
        QVERIFY(otra.Etiqueta()->text().endsWith(QLatin1String("013"))); // its own date
        QCOMPARE(otra.Menu()->mnuCerrar->text(), QStringLiteral("Cerrar esta cuenta atrás"));

        otra.Menu()->mnuIdioma[2]->trigger();
        otra.Menu()->mnuInicio->trigger();
        QCOMPARE(Textos(w), TextosDe(f.carpeta.Archivo(QStringLiteral("English.dxl"))));
        QCOMPARE(w.Menu()->mnuCerrar->text(), Textos(w).at(8));
        QCOMPARE(otra.Menu()->mnuCerrar->text(), QStringLiteral("Close this countdown"));
        QVERIFY(w.Menu()->mnuInicio->isChecked());
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Opciones", "Idioma", "?"), QStringLiteral("English"));
        QCOMPARE(LeerPerfil(f.carpeta.Ini(), "Opciones", "Inicio", "?"), QStringLiteral("Si"));
        QCOMPARE(f.carpeta.Leer(QStringLiteral("Cuentas/Cuenta2.INI")), propia);
    }

    // A further countdown opens in the program's language, whatever its own file says.
    void otraCuentaAbreEnElIdiomaDelPrograma()
    {
        FixturePrincipal f;
        f.PonerIdioma(QStringLiteral("English"));
        f.PonerIdioma(QStringLiteral("Italiano"));
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=English\r\n");
        QVERIFY(QDir().mkpath(f.carpeta.Archivo(QStringLiteral("Cuentas"))));
        f.carpeta.Escribir(QStringLiteral("Cuentas/Cuenta2.INI"), "[Opciones]\r\nIdioma=Italiano\r\n");
        FrmMain &w = f.Iniciar();
        Cuentas cuentas(f.gral, w);
        cuentas.AbrirGuardadas();
        QCOMPARE(cuentas.Ventanas().at(1)->Menu()->mnuCerrar->text(), QStringLiteral("Close this countdown"));
    }
};

QTEST_MAIN(TestMenuIdioma)
#include "test_menu_idioma.moc"
