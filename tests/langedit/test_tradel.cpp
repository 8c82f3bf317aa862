#include "botonimagen.h"
#include "claves_idioma.h"
#include "fixture_tradel.h"
#include "idiomas.h"
#include "perfil.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QStringList Etiquetas(const FrmMain &w)
{
    QStringList textos;
    for (int s = 0; s < Paginas::kSlotsUsados; ++s)
        textos << w.LblTitulo[s]->text();
    return textos;
}

QStringList Cajas(const FrmMain &w)
{
    QStringList textos;
    for (int s = 0; s < Paginas::kSlotsUsados; ++s)
        textos << w.TxTIdioma[s]->text();
    return textos;
}

QStringList TextosDe(const QString &archivo)
{
    QStringList textos;
    for (const ClaveIdioma &clave : Idioma::kClaves)
        textos << Idioma::LeerTexto(archivo, clave);
    return textos;
}

QStringList Todos(const QString &texto)
{
    return QStringList(Paginas::kSlotsUsados, texto);
}

// The bytes of the 35 writes made one after the other over a file's content.
QByteArray UnaTrasOtra(const QByteArray &antes, const QStringList &valores)
{
    CarpetaPrograma carpeta;
    const QString archivo = carpeta.Archivo(QStringLiteral("x.dxl"));
    if (!antes.isNull())
        carpeta.Escribir(QStringLiteral("x.dxl"), antes);
    for (int s = 0; s < Paginas::kSlotsUsados; ++s)
        EscribirPerfil(archivo, Idioma::kClaves[s].Seccion(), Idioma::kClaves[s].Clave(), valores[s]);
    return carpeta.Leer(QStringLiteral("x.dxl"));
}

// Which page is shown, and the page buttons: "2 / 4 <on >on".
QString Estado(const FrmMain &w)
{
    int visible = -1;
    for (int p = 0; p < Paginas::kPaginas; ++p) {
        if (w.PicMain[p]->isVisibleTo(&w))
            visible = p;
    }
    return QStringLiteral("%1 %2 <%3 >%4")
        .arg(visible)
        .arg(w.LblPag->text(), w.CmdMenos->isEnabled() ? "on" : "off", w.CmdMas->isEnabled() ? "on" : "off");
}

} // namespace

// Tradel's window: start, loading either side, paging, saving, and what we do better: the
// question before unsaved texts are lost, a usable file name, the marks of texts still to
// translate and the keyboard.
class TestTradel : public QObject
{
    Q_OBJECT

private slots:
    void inicioConLaReferenciaDeDexo()
    {
        FixtureTradel f;
        f.PonerTodos();
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=English\r\n");
        FrmMain &w = f.Iniciar();
        QCOMPARE(w.windowTitle(),
                 QStringLiteral(".: Tradel :: Dexo :: Idioma : Language : Langue : Lingua :."));
        QCOMPARE(Etiquetas(w), TextosDe(f.carpeta.Archivo("English.dxl")));
        QCOMPARE(Cajas(w), Todos(QString()));
        QCOMPARE(Estado(w), QStringLiteral("0 1 / 4 <off >on"));
        QCOMPARE(w.ImgSelIdioma[0]->toolTip(), QStringLiteral("Choose..."));
        QCOMPARE(w.ImgSelIdioma[1]->toolTip(), QStringLiteral("Choose..."));
        QCOMPARE(w.CmdGuardar->text(), QStringLiteral("SAVE CHANGES"));
        QCOMPARE(w.ArchivoIdioma, f.carpeta.Ruta() + "English.dxl");
        QCOMPARE(w.ArchivoIni, f.carpeta.Ruta() + "Dexo.INI");
        QCOMPARE(f.carpeta.LeerIni(), QByteArray("[Opciones]\r\nIdioma=English\r\n")); // never written
        for (int s = Paginas::kSlotsUsados; s < Paginas::kSlots; ++s)
            QVERIFY(!w.TxTIdioma[s]->isVisibleTo(w.PicMain[3]) && !w.LblTitulo[s]->isVisibleTo(w.PicMain[3]));
    }

    void referenciaPorDefecto_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("sin Dexo.INI") << QByteArray();
        QTest::newRow("sin la clave") << QByteArray("[Opciones]\r\nSVisible=No\r\n");
        QTest::newRow("nombre con carpeta") << QByteArray("[Opciones]\r\nIdioma=../English\r\n");
    }
    void referenciaPorDefecto()
    {
        QFETCH(QByteArray, ini);
        FixtureTradel f;
        f.PonerIdioma("Español");
        f.carpeta.Escribir("../English.dxl", "[Menu]\r\n0=Outside\r\n"); // must never be read
        if (!ini.isNull())
            f.carpeta.EscribirIni(ini);
        FrmMain &w = f.Iniciar();
        QCOMPARE(Etiquetas(w), TextosDe(f.carpeta.Archivo("Español.dxl")));
        QCOMPARE(w.ImgSelIdioma[0]->toolTip(), QStringLiteral("Seleccionar..."));
        QCOMPARE(w.CmdGuardar->text(), QStringLiteral("GUARDAR CAMBIOS"));
        QFile::remove(f.carpeta.Archivo("../English.dxl"));
    }

    void sinArchivoDelIdiomaActual()
    {
        FixtureTradel f;
        f.carpeta.EscribirIni("[Opciones]\r\nIdioma=Klingon\r\n");
        FrmMain &w = f.Iniciar();
        QCOMPARE(Etiquetas(w), Todos("?"));
        QCOMPARE(w.ImgSelIdioma[0]->toolTip(), QStringLiteral("?..."));
        QCOMPARE(w.ImgSelIdioma[1]->toolTip(), QStringLiteral("?..."));
        QCOMPARE(w.CmdGuardar->text(), QStringLiteral("?"));
    }

    void selectoresDeIdioma()
    {
        FixtureTradel f;
        f.PonerTodos();
        FrmMain &w = f.Iniciar();
        const QStringList nombres = {"",        "Español", "English",  "Italiano", "Français", "Português",
                                     "Español", "English", "Français", "Italiano", "Português"};
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(w.ImgIdioma[n]->toolTip(), nombres[n]);
            QVERIFY(!w.ImgIdioma[n]->accessibleName().isEmpty());
        }

        // "Français" of the second group fills the boxes, of the first the labels.
        const QStringList frances = TextosDe(f.carpeta.Archivo("Français.dxl"));
        QTest::mouseClick(w.ImgIdioma[8], Qt::LeftButton);
        QCOMPARE(Cajas(w), frances);
        QCOMPARE(Etiquetas(w), TextosDe(f.carpeta.Archivo("Español.dxl")));
        QCOMPARE(w.TxTIdioma[0]->selectedText(), frances.front());
        QCOMPARE(w.ArchivoIdioma, f.carpeta.Ruta() + "Français.dxl");
        w.ImgIdioma_Click(4);
        QCOMPARE(Etiquetas(w), frances);
        QCOMPARE(w.CmdGuardar->text(), QStringLiteral("ENREGISTRER LES MODIFICATIONS"));
        QCOMPARE(Cajas(w), frances);

        // A missing file fills its side with "?".
        QVERIFY(QFile::remove(f.carpeta.Archivo("Italiano.dxl")));
        w.ImgIdioma_Click(3);
        QCOMPARE(Etiquetas(w), Todos("?"));
    }

    void selectoresDeArchivo()
    {
        FixtureTradel f;
        f.PonerIdioma("Español");
        FrmMain &w = f.Iniciar();
        CarpetaPrograma otra;
        const QByteArray largo(250, 'x');
        otra.Escribir("Deutsch.dxl",
                      "[Menu]\r\n0=Optionen\r\n2=" + largo + "\r\n[Opciones]\r\nTip0=W\xe4hlen\r\n");

        f.plataforma.archivos.enqueue(otra.Archivo("Deutsch.dxl"));
        w.ImgSelIdioma_Click(1);
        QCOMPARE(f.plataforma.Llamadas("dialogo-abrir"), QStringList{"dialogo-abrir Seleccionar..."});
        QCOMPARE(f.plataforma.ultimoFiltro,
                 QStringLiteral("Idioma :: Language :: Langue :: Lingua (DXL)|*.dxl"));
        QCOMPARE(f.plataforma.ultimaCarpeta, f.carpeta.Ruta());
        QCOMPARE(w.TxTIdioma[0]->text(), QStringLiteral("Optionen"));
        QCOMPARE(w.TxTIdioma[1]->text(), QStringLiteral("?"));

        w.ImgSelIdioma_Click(0); // cancelled: nothing changes
        QCOMPARE(w.LblTitulo[0]->text(), QStringLiteral("Configurar opciones"));
        QCOMPARE(w.ArchivoIdioma, QDir::toNativeSeparators(otra.Archivo("Deutsch.dxl")));

        f.plataforma.archivos.enqueue(otra.Archivo("Deutsch.dxl"));
        w.ImgSelIdioma_Click(0);
        QCOMPARE(w.LblTitulo[0]->text(), QStringLiteral("Optionen"));
        QCOMPARE(w.ImgSelIdioma[1]->toolTip(), QStringLiteral("Wählen..."));
        // A text too wide for its label is kept whole and shown whole in the tooltip.
        QCOMPARE(w.LblTitulo[2]->text(), QString::fromLatin1(largo));
        QCOMPARE(w.LblTitulo[2]->toolTip(), QString::fromLatin1(largo));
        QVERIFY(w.LblTitulo[0]->toolTip().isEmpty());
    }

    void textoMuyLargo_data()
    {
        QTest::addColumn<bool>("reemplazar");
        QTest::newRow("sin tocar") << false;
        QTest::newRow("reemplazado") << true;
    }
    void textoMuyLargo()
    {
        // Longer than a box holds: the box shows its beginning, marked, and the save writes it
        // back whole unless the user replaced it.
        QFETCH(bool, reemplazar);
        FixtureTradel f;
        const QByteArray largo = QByteArray(Paginas::kLargoCaja, 'x') + QByteArray(60000, 'y');
        f.carpeta.Escribir("Largo.dxl", "[Menu]\r\n0=\"" + largo + "\"\r\n");
        FrmMain &w = f.Iniciar();
        f.plataforma.archivos.enqueue(f.carpeta.Archivo("Largo.dxl"));
        w.ImgSelIdioma_Click(1);
        QCOMPARE(w.TxTIdioma[0]->text(), QString::fromLatin1(largo.left(Paginas::kLargoCaja)));
        QCOMPARE(w.TxTIdioma[0]->property("estado").toInt(), int(Paginas::EstadoTexto::Largo));
        QVERIFY(w.TxTIdioma[0]->toolTip().contains(QString::number(largo.size())));
        QVERIFY(!w.HayCambiosSinGuardar());
        if (reemplazar)
            w.TxTIdioma[0]->setText("Corto");
        f.plataforma.archivos.enqueue(f.carpeta.Archivo("Largo.dxl"));
        w.CmdGuardar_Click();
        QCOMPARE(Idioma::LeerTexto(f.carpeta.Archivo("Largo.dxl"), Idioma::kClaves[0]),
                 reemplazar ? QStringLiteral("Corto") : QString::fromLatin1(largo));
    }

    void paginado()
    {
        FixtureTradel f;
        FrmMain &w = f.Iniciar();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(Estado(w), QStringLiteral("0 1 / 4 <off >on"));
        const QStringList adelante = {"1 2 / 4 <on >on", "2 3 / 4 <on >on", "3 4 / 4 <on >off"};
        const QList<int> primeros = {8, 18, 28};
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(w.CmdMas, Qt::LeftButton);
            QCOMPARE(Estado(w), adelante[i]);
            QCOMPARE(w.focusWidget(), w.TxTIdioma[primeros[i]]);
        }
        QTest::mouseClick(w.CmdMas, Qt::LeftButton); // disabled: nothing happens
        QCOMPARE(Estado(w), adelante.back());
        const QStringList atras = {"2 3 / 4 <on >on", "1 2 / 4 <on >on", "0 1 / 4 <off >on"};
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(w.CmdMenos, Qt::LeftButton);
            QCOMPARE(Estado(w), atras[i]);
        }
        QCOMPARE(w.focusWidget(), w.TxTIdioma[0]);
        // All four pages take one place of one size.
        for (int p = 1; p < Paginas::kPaginas; ++p)
            QCOMPARE(w.PicMain[p]->geometry(), w.PicMain[0]->geometry());
    }

    void guardarTodoVacio()
    {
        FixtureTradel f;
        f.PonerIdioma("Español");
        FrmMain &w = f.Iniciar();
        f.plataforma.archivos.enqueue(f.carpeta.Archivo("Nuevo.dxl"));
        w.CmdGuardar_Click();
        QCOMPARE(f.plataforma.Llamadas("dialogo-guardar"), QStringList{"dialogo-guardar Guardar cambios"});
        QCOMPARE(f.plataforma.ultimoFiltro,
                 QStringLiteral("Idioma :: Language :: Langue :: Lingua (DXL)|*.dxl"));
        QByteArray esperado = "[Menu]\r\n";
        for (int s = 0; s < Paginas::kSlotsUsados; ++s) {
            if (s == Idioma::kT0)
                esperado += "[Opciones]\r\n";
            esperado += Idioma::kClaves[s].Clave().toLatin1() + "=?\r\n";
        }
        QCOMPARE(f.carpeta.Leer("Nuevo.dxl"), esperado);
        // The saved file is the reference now.
        QCOMPARE(Etiquetas(w), Todos("?"));
        QCOMPARE(w.CmdGuardar->text(), QStringLiteral("?"));
        QVERIFY(f.plataforma.Llamadas("error").isEmpty());
    }

    void guardarSobreUnArchivoConOtrasClaves()
    {
        FixtureTradel f;
        f.PonerTodos();
        const QByteArray antes =
            "; hecho a "
            "mano\r\n[Menu]\r\nExtra=1\r\n0=Viejo\r\n[Otra]\r\nk=v\r\n[Opciones]\r\nT3=x\r\nZ=9\r\n";
        f.carpeta.Escribir("Mio.dxl", antes);
        FrmMain &w = f.Iniciar();
        w.ImgIdioma_Click(9); // Italiano into the boxes
        w.TxTIdioma[0]->setText("Configura");
        w.TxTIdioma[20]->clear();
        w.TxTIdioma[5]->setText(QString(300, u'é')); // long texts are kept whole
        const QStringList valores = [&] {
            QStringList v = Cajas(w);
            v[20] = "?";
            return v;
        }();

        f.plataforma.archivos.enqueue(f.carpeta.Archivo("Mio.dxl"));
        w.CmdGuardar_Click();
        QCOMPARE(f.carpeta.Leer("Mio.dxl"), UnaTrasOtra(antes, valores));
        QVERIFY(f.carpeta.Leer("Mio.dxl").contains("[Otra]\r\nk=v\r\n"));

        // Back to the start state, with the saved texts as the reference.
        QCOMPARE(Etiquetas(w), valores);
        QCOMPARE(Cajas(w), Todos(QString()));
        QCOMPARE(Estado(w), QStringLiteral("0 1 / 4 <off >on"));
        QCOMPARE(w.ArchivoIdioma, f.carpeta.Ruta() + "Mio.dxl");
        QVERIFY(!w.HayCambiosSinGuardar());
    }

    void guardarCancelado()
    {
        FixtureTradel f;
        f.PonerTodos();
        FrmMain &w = f.Iniciar();
        w.ImgIdioma_Click(7);
        w.CmdMas_Click();
        w.TxTIdioma[9]->setText("Cambiado");
        const QStringList cajas = Cajas(w);
        const QStringList etiquetas = Etiquetas(w);
        w.CmdGuardar_Click(); // the dialog answers nothing: cancelled
        QCOMPARE(Cajas(w), cajas);
        QCOMPARE(Etiquetas(w), etiquetas);
        QCOMPARE(Estado(w), QStringLiteral("1 2 / 4 <on >on"));
        QCOMPARE(w.ArchivoIdioma, f.carpeta.Ruta() + "English.dxl");
        QCOMPARE(f.carpeta.Leer("English.dxl"), [&] {
            QFile original(QStringLiteral(DEXO_IDIOMAS_FUENTE "/English.dxl"));
            return original.open(QIODevice::ReadOnly) ? original.readAll() : QByteArray();
        }());
    }

    void nombreSinExtension_data()
    {
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<QString>("escrito");
        QTest::newRow("sin extensión") << "Deutsch"
                                       << "Deutsch.dxl";
        QTest::newRow("con .dxl") << "Deutsch.dxl"
                                  << "Deutsch.dxl";
        QTest::newRow("con otra extensión") << "Deutsch.txt"
                                            << "Deutsch.txt.dxl";
        QTest::newRow("con un punto dentro") << "Español v.2"
                                             << "Español v.2.dxl";
        QTest::newRow("en mayúsculas") << "Deutsch.DXL"
                                       << "Deutsch.dxl";
        QTest::newRow("con punto final") << "Deutsch."
                                         << "Deutsch.dxl";
    }
    void nombreSinExtension()
    {
        QFETCH(QString, elegido);
        QFETCH(QString, escrito);
        FixtureTradel f;
        FrmMain &w = f.Iniciar();
        f.plataforma.archivos.enqueue(f.carpeta.Archivo(elegido));
        w.CmdGuardar_Click();
        QVERIFY(f.carpeta.Existe(escrito));
        QCOMPARE(QDir(f.carpeta.Archivo(QString())).entryList(QDir::Files), QStringList{escrito});
        QCOMPARE(w.ArchivoIdioma, f.carpeta.Ruta() + escrito);
    }

    void nombreFinalQueYaExiste()
    {
        // The dialog asked about the name chosen, which is free; the file written exists: asked again.
        for (const auto &[elegido, escrito] :
             {std::pair{"Italiano.", "Italiano.dxl"}, std::pair{"Castellano 1.1", "Castellano 1.1.dxl"}}) {
            FixtureTradel f;
            f.carpeta.Escribir(escrito, "[Menu]\r\n0=Viejo\r\n");
            FrmMain &w = f.Iniciar();
            w.TxTIdioma[0]->setText("Nuevo");
            f.plataforma.archivos << f.carpeta.Archivo(
                elegido); // "no"; the dialog that comes back is cancelled
            w.CmdGuardar_Click();
            QCOMPARE(f.plataforma.Llamadas("pregunta"), QStringList{"pregunta " + QString::fromUtf8(escrito) +
                                                                    " ya existe.\n¿Quiere reemplazarlo?"});
            QCOMPARE(f.plataforma.Llamadas("dialogo-guardar").size(), 2);
            QCOMPARE(Idioma::LeerTexto(f.carpeta.Archivo(escrito), Idioma::kClaves[0]),
                     QStringLiteral("Viejo"));
            f.plataforma.archivos << f.carpeta.Archivo(elegido);
            f.plataforma.respuestas << true;
            w.CmdGuardar_Click();
            QCOMPARE(Idioma::LeerTexto(f.carpeta.Archivo(escrito), Idioma::kClaves[0]),
                     QStringLiteral("Nuevo"));
        }
    }

    void nombreRechazado_data()
    {
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("oculto") << ".oculto"
                                << "oculto";
        QTest::newRow("solo .dxl") << ".dxl"
                                   << "oculto";
        QTest::newRow("vacío") << "   "
                               << "nombre";
    }
    void nombreRechazado()
    {
        // Refused with its reason; the dialog comes back, and the next name is saved.
        QFETCH(QString, elegido);
        QFETCH(QString, motivo);
        FixtureTradel f;
        FrmMain &w = f.Iniciar();
        f.plataforma.archivos << f.carpeta.Archivo(elegido) << f.carpeta.Archivo("Bien");
        w.CmdGuardar_Click();
        const QStringList avisos = f.plataforma.Llamadas("aviso");
        QCOMPARE(avisos.size(), 1);
        QVERIFY2(avisos.front().contains(motivo), qPrintable(avisos.front()));
        QCOMPARE(f.plataforma.Llamadas("dialogo-guardar").size(), 2);
        QCOMPARE(QDir(f.carpeta.Archivo(QString())).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Bien.dxl"});
    }

    void guardarQueFalla()
    {
        FixtureTradel f;
        f.PonerIdioma("Español");
        FrmMain &w = f.Iniciar();
        w.CmdMas_Click();
        w.TxTIdioma[8]->setText("Close");
        const QString ruta = f.carpeta.Archivo("no-existe/Inglés.dxl");
        f.plataforma.archivos.enqueue(ruta);
        w.CmdGuardar_Click();
        const QStringList errores = f.plataforma.Llamadas("error");
        QCOMPARE(errores.size(), 1);
        QVERIFY(errores.front().startsWith("error " + w.windowTitle() + " :: GUARDAR CAMBIOS :: "));
        QVERIFY(errores.front().contains(QDir::toNativeSeparators(ruta)));
        // The boxes keep the texts (the empty ones now read "?") and the page stays.
        QCOMPARE(w.TxTIdioma[8]->text(), QStringLiteral("Close"));
        QCOMPARE(w.TxTIdioma[0]->text(), QStringLiteral("?"));
        QCOMPARE(Estado(w), QStringLiteral("1 2 / 4 <on >on"));
        QCOMPARE(w.LblTitulo[0]->text(), QStringLiteral("Configurar opciones"));
        QVERIFY(w.HayCambiosSinGuardar());
    }

    void textosSinGuardarNoSePierden_data()
    {
        using R = Plataforma::RespuestaGuardar;
        QTest::addColumn<bool>("editar");
        QTest::addColumn<QList<R>>("respuestas");
        QTest::addColumn<QString>("guardarEn"); // "" cancels the save dialog
        QTest::addColumn<bool>("sigue");        // the texts stay (window open, boxes unchanged)
        QTest::newRow("sin cambios") << false << QList<R>{} << QString() << false;
        QTest::newRow("volver") << true << QList<R>{R::Volver} << QString() << true;
        QTest::newRow("descartar") << true << QList<R>{R::Descartar} << QString() << false;
        QTest::newRow("guardar") << true << QList<R>{R::Guardar} << "Guardado.dxl" << false;
        QTest::newRow("guardar cancelado") << true << QList<R>{R::Guardar} << QString() << true;
    }
    void textosSinGuardarNoSePierden()
    {
        using R = Plataforma::RespuestaGuardar;
        QFETCH(bool, editar);
        QFETCH(QList<R>, respuestas);
        QFETCH(QString, guardarEn);
        QFETCH(bool, sigue);

        // Closing, loading a language into the boxes, and picking a file for them.
        for (int caso = 0; caso < 3; ++caso) {
            FixtureTradel f;
            f.PonerTodos();
            FrmMain &w = f.Iniciar();
            w.show();
            w.ImgIdioma_Click(7);
            if (editar)
                w.TxTIdioma[3]->setText("Lengua");
            for (R respuesta : respuestas)
                f.plataforma.respuestasGuardar.enqueue(respuesta);
            if (respuestas.contains(R::Guardar)) // an empty answer cancels the save dialog
                f.plataforma.archivos.enqueue(guardarEn.isEmpty() ? QString() : f.carpeta.Archivo(guardarEn));
            const QStringList antes = Cajas(w);

            bool cerrada = false;
            if (caso == 0) {
                cerrada = w.close();
                QCOMPARE(cerrada, !sigue);
            } else {
                if (caso == 1) {
                    w.ImgIdioma_Click(10); // Português into the boxes
                } else {
                    f.plataforma.archivos.enqueue(f.carpeta.Archivo("Português.dxl"));
                    w.ImgSelIdioma_Click(1);
                }
                QCOMPARE(Cajas(w), sigue ? antes : TextosDe(f.carpeta.Archivo("Português.dxl")));
            }
            QCOMPARE(f.plataforma.Llamadas("pregunta-guardar").size(), editar ? 1 : 0);
            if (!guardarEn.isEmpty())
                QCOMPARE(Idioma::LeerTexto(f.carpeta.Archivo(guardarEn), Idioma::kClaves[3]),
                         QStringLiteral("Lengua"));
        }
    }

    void cargarLaReferenciaNoPregunta()
    {
        FixtureTradel f;
        f.PonerTodos();
        FrmMain &w = f.Iniciar();
        w.TxTIdioma[0]->setText("Algo");
        w.ImgIdioma_Click(2);
        f.plataforma.archivos.enqueue(f.carpeta.Archivo("English.dxl"));
        w.ImgSelIdioma_Click(0);
        QVERIFY(f.plataforma.Llamadas("pregunta-guardar").isEmpty());
        QCOMPARE(w.TxTIdioma[0]->text(), QStringLiteral("Algo"));
    }

    void textosComoSeEscribieron_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("blancos") << "  Close \t"
                                 << "  Close \t";
        QTest::newRow("comillas") << "\"Close\""
                                  << "\"Close\"";
        QTest::newRow("apóstrofos") << "'Close'"
                                    << "'Close'";
        QTest::newRow("otras escrituras")
            << QString::fromUtf8("Закрыть Κλείσιμο 关闭 🚪") << QString::fromUtf8("Закрыть Κλείσιμο 关闭 🚪");
        QTest::newRow("salto pegado") << "Close\r\nthe\nprogram"
                                      << "Close the program";
    }
    void textosComoSeEscribieron()
    {
        // Saved through the window and read back: exactly what the box held.
        QFETCH(QString, tecleado);
        QFETCH(QString, guardado);
        FixtureTradel f;
        FrmMain &w = f.Iniciar();
        QGuiApplication::clipboard()->setText(tecleado);
        w.TxTIdioma[8]->paste();
        QCOMPARE(w.TxTIdioma[8]->text(), guardado);
        QCOMPARE(w.TxTIdioma[8]->property("estado").toInt(), int(Paginas::EstadoTexto::Escrito));
        f.plataforma.archivos.enqueue(f.carpeta.Archivo("Mio.dxl"));
        w.CmdGuardar_Click();
        QCOMPARE(Idioma::LeerTexto(f.carpeta.Archivo("Mio.dxl"), Idioma::kClaves[8]), guardado);
        QCOMPARE(w.LblTitulo[8]->text(), guardado);
    }

    void marcasYCuenta()
    {
        FixtureTradel f;
        f.PonerTodos();
        FrmMain &w = f.Iniciar();
        QCOMPARE(w.LblCuenta->text(), QStringLiteral("0 / 35"));
        QVERIFY(w.CmdMas->Senal());
        QVERIFY(!w.CmdMenos->Senal());
        const QColor blanco = w.TxTIdioma[0]->palette().color(QPalette::Base);

        w.ImgIdioma_Click(7);
        QCOMPARE(w.LblCuenta->text(), QStringLiteral("35 / 35"));
        QVERIFY(!w.CmdMas->Senal());
        QVERIFY(w.TxTIdioma[0]->palette().color(QPalette::Base) != blanco);
        const QColor escrito = w.TxTIdioma[0]->palette().color(QPalette::Base);

        w.TxTIdioma[20]->setText("?"); // page 3
        w.TxTIdioma[30]->setText("?"); // page 4
        w.TxTIdioma[31]->clear();
        QCOMPARE(w.LblCuenta->text(), QStringLiteral("32 / 35"));
        const QColor falta = w.TxTIdioma[20]->palette().color(QPalette::Base);
        QVERIFY(falta != escrito);
        QCOMPARE(w.TxTIdioma[31]->palette().color(QPalette::Base), falta);
        QVERIFY(w.CmdMas->Senal());

        w.CmdMas_Click();
        w.CmdMas_Click(); // page 3 holds one of them, page 4 the others
        QVERIFY(w.CmdMas->Senal());
        QVERIFY(!w.CmdMenos->Senal());
        w.CmdMas_Click();
        QVERIFY(w.CmdMenos->Senal());
        w.TxTIdioma[20]->setText("Anteprima:");
        QVERIFY(!w.CmdMenos->Senal());
    }

    void teclado()
    {
        FixtureTradel f;
        f.PonerTodos();
        FrmMain &w = f.Iniciar();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), w.TxTIdioma[0]);
        // Back from the first box: the pickers above it.
        QTest::keyClick(w.TxTIdioma[0], Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w.ImgIdioma[10]);

        // Tab and Enter move on, over the end of a page.
        w.TxTIdioma[7]->setFocus();
        QTest::keyClick(w.TxTIdioma[7], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.TxTIdioma[8]);
        QCOMPARE(Estado(w), QStringLiteral("1 2 / 4 <on >on"));
        QTest::keyClick(w.TxTIdioma[8], Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w.TxTIdioma[7]);
        QCOMPARE(Estado(w), QStringLiteral("0 1 / 4 <off >on"));
        QTest::keyClick(w.TxTIdioma[7], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.TxTIdioma[8]);

        // Page Down / Page Up, as the buttons.
        QTest::keyClick(w.TxTIdioma[8], Qt::Key_PageDown);
        QCOMPARE(Estado(w), QStringLiteral("2 3 / 4 <on >on"));
        QCOMPARE(QApplication::focusWidget(), w.TxTIdioma[18]);
        QTest::keyClick(w.TxTIdioma[18], Qt::Key_PageUp);
        QCOMPARE(QApplication::focusWidget(), w.TxTIdioma[8]);

        // Ctrl+Enter: the next marked box, on any page, round past the end.
        w.ImgIdioma_Click(8);
        w.TxTIdioma[29]->setText("?");
        w.TxTIdioma[4]->clear();
        w.TxTIdioma[12]->setText("\"Options\""); // saved as typed: not marked
        w.TxTIdioma[8]->setFocus();
        QTest::keyClick(w.TxTIdioma[8], Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), w.TxTIdioma[29]);
        QCOMPARE(Estado(w), QStringLiteral("3 4 / 4 <on >off"));
        QTest::keyClick(w.TxTIdioma[29], Qt::Key_Enter, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), w.TxTIdioma[4]);

        // The last box leads to the save button; Ctrl+S saves from anywhere.
        w.TxTIdioma[34]->setFocus();
        QTest::keyClick(w.TxTIdioma[34], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.CmdGuardar);
        QTest::keyClick(w.CmdGuardar, Qt::Key_Return);
        QCOMPARE(f.plataforma.Llamadas("dialogo-guardar").size(), 1);
        QTest::keyClick(w.CmdGuardar, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.plataforma.Llamadas("dialogo-guardar").size(), 2);

        // Paging keys work from a button too; the pickers take Space and Enter.
        for (int vez = 0; vez < 3; ++vez)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QCOMPARE(Estado(w), QStringLiteral("0 1 / 4 <off >on"));
        w.ImgIdioma[2]->setFocus();
        QTest::keyClick(w.ImgIdioma[2], Qt::Key_Space);
        QCOMPARE(w.LblTitulo[0]->text(), QStringLiteral("Set up options"));
        w.ImgIdioma[4]->setFocus();
        QTest::keyClick(w.ImgIdioma[4], Qt::Key_Return);
        QCOMPARE(w.LblTitulo[0]->text(), QStringLiteral("Configurer les options"));
    }

    void seleccionAlEntrar()
    {
        FixtureTradel f;
        f.PonerTodos();
        FrmMain &w = f.Iniciar();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.ImgIdioma_Click(7);
        w.TxTIdioma[1]->setFocus();
        QCOMPARE(w.TxTIdioma[1]->selectedText(), QStringLiteral("Always on Top"));
        w.TxTIdioma[1]->setCursorPosition(2);
        QTest::mouseDClick(w.TxTIdioma[1], Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.TxTIdioma[1]->selectedText(), QStringLiteral("Always on Top"));
        // Typing replaces the selection.
        QTest::keyClicks(w.TxTIdioma[1], "Sempre");
        QCOMPARE(w.TxTIdioma[1]->text(), QStringLiteral("Sempre"));
    }
};

QTEST_MAIN(TestTradel)
#include "test_tradel.moc"
