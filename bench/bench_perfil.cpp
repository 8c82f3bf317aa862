// Side-by-side timing of the profile-file layer against the plain file operations beneath it.
//
//   a) applying a language: the 35 reads of one language file, against reading the file once;
//   b) saving the options: the 18 writes of the settings file, against one atomic write of the
//      same final bytes.
//
// The layer opens the file afresh on every call, so the floor is what a single call can never
// beat: one open and one read (or one atomic replace) of the whole file. Timings are medians
// over many repetitions; the measured work and its floor alternate so that drift in the machine
// (other builds, frequency changes) touches both alike.

#include "claves.h"
#include "perfil.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <algorithm>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace {

using Reloj = std::chrono::steady_clock;

double Microsegundos(Reloj::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

double Mediana(std::vector<double> valores)
{
    if (valores.empty())
        return 0;
    const auto mitad = valores.begin() + static_cast<std::ptrdiff_t>(valores.size() / 2);
    std::nth_element(valores.begin(), mitad, valores.end());
    if (valores.size() % 2 != 0)
        return *mitad;
    const double alta = *mitad;
    const double baja = *std::max_element(valores.begin(), mitad);
    return (alta + baja) / 2;
}

double Percentil(std::vector<double> valores, double p)
{
    if (valores.empty())
        return 0;
    const auto indice = static_cast<std::size_t>(p * static_cast<double>(valores.size() - 1));
    std::nth_element(valores.begin(), valores.begin() + static_cast<std::ptrdiff_t>(indice), valores.end());
    return valores[indice];
}

// Windows-1252 written by hand, so that the sample file does not depend on the layer under test.
std::optional<QByteArray> En1252(QStringView texto)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (const QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += static_cast<char>(u);
            continue;
        }
        switch (u) {
        case u'€':
            bytes += '\x80';
            break;
        case u'…':
            bytes += '\x85';
            break;
        case u'‘':
            bytes += '\x91';
            break;
        case u'’':
            bytes += '\x92';
            break;
        case u'“':
            bytes += '\x93';
            break;
        case u'”':
            bytes += '\x94';
            break;
        case u'–':
            bytes += '\x96';
            break;
        case u'—':
            bytes += '\x97';
            break;
        default:
            return std::nullopt;
        }
    }
    return bytes;
}

void Fallo(const char *mensaje)
{
    std::fprintf(stderr, "bench_perfil: %s\n", mensaje);
    std::exit(1);
}

QByteArray Codificado(QStringView texto)
{
    const std::optional<QByteArray> bytes = En1252(texto);
    if (!bytes)
        Fallo("a sample text has a character outside Windows-1252");
    return *bytes;
}

struct Entrada
{
    QString seccion;
    QString clave;
    QString valor;
};

// A language file as a translator leaves it: a header, comments, CRLF line ends, accents,
// Windows-1252 punctuation, and the 35 keys that one application of a language reads.
std::vector<Entrada> EntradasIdioma()
{
    const QString menu = QStringLiteral("Menu");
    const QString opc = QStringLiteral("Opciones");
    return {
        {menu, QStringLiteral("0"), QStringLiteral("Configurar opciones…")},
        {menu, QStringLiteral("1"), QStringLiteral("Siempre visible")},
        {menu, QStringLiteral("2"), QStringLiteral("Abrir al iniciar la sesión")},
        {menu, QStringLiteral("3"), QStringLiteral("Idioma")},
        {menu, QStringLiteral("4"), QStringLiteral("Abrir idioma…")},
        {menu, QStringLiteral("5"), QStringLiteral("Editar idioma…")},
        {menu, QStringLiteral("6"), QStringLiteral("Mostrar evento…")},
        {menu, QStringLiteral("7"), QStringLiteral("Página de inicio")},
        {menu, QStringLiteral("8"), QStringLiteral("Mostrar ayuda…")},
        {menu, QStringLiteral("9"), QStringLiteral("Acerca de…")},
        {menu, QStringLiteral("10"), QStringLiteral("Cerrar el programa")},
        {opc, QStringLiteral("T0"), QStringLiteral("Opciones de Dexo")},
        {opc, QStringLiteral("T1"), QStringLiteral("Fecha del evento")},
        {opc, QStringLiteral("T2"), QStringLiteral("Descripción del evento")},
        {opc, QStringLiteral("T3"), QStringLiteral("Aviso el día elegido")},
        {opc, QStringLiteral("T4"), QStringLiteral("Mostrar un mensaje")},
        {opc, QStringLiteral("T5"), QStringLiteral("Reproducir un sonido (WAV)")},
        {opc, QStringLiteral("T6"), QStringLiteral("Abrir un archivo o programa")},
        {opc, QStringLiteral("T7"), QStringLiteral("Icono del mensaje")},
        {opc, QStringLiteral("T8"), QStringLiteral("Apariencia")},
        {opc, QStringLiteral("T9"), QStringLiteral("Transparencia")},
        {opc, QStringLiteral("T10"), QStringLiteral("Color de fondo")},
        {opc, QStringLiteral("T11"), QStringLiteral("Fuente del número")},
        {opc, QStringLiteral("T12"), QStringLiteral("Aceptar")},
        {opc, QStringLiteral("T13"), QStringLiteral("Cancelar")},
        {opc, QStringLiteral("T14"), QStringLiteral("Aplicar")},
        {opc, QStringLiteral("MC"),
         QStringLiteral("\"Elija la fecha en el calendario; el día de hoy no cuenta.\"")},
        {opc, QStringLiteral("FC"), QStringLiteral("La fecha elegida ya pasó. ¿Desea elegir otra?")},
        {opc, QStringLiteral("Tip0"),
         QStringLiteral("Escriba aquí el nombre del evento, p. ej. “Cumpleaños de Inés”")},
        {opc, QStringLiteral("Tip1"), QStringLiteral("Elija qué hará Dexo el día señalado")},
        {opc, QStringLiteral("Tip2"), QStringLiteral("Busque un sonido .wav en su equipo…")},
        {opc, QStringLiteral("Tip3"), QStringLiteral("Busque el archivo o programa que se abrirá")},
        {opc, QStringLiteral("Tip4"), QStringLiteral("Cuanto más alto, más opaca será la ventana")},
        {opc, QStringLiteral("Tip5"),
         QStringLiteral("Pulse para elegir el color – el fondo cambia al instante")},
        {opc, QStringLiteral("Tip6"), QStringLiteral("Tamaño, estilo y color de los números")},
    };
}

QByteArray ArchivoIdioma(const std::vector<Entrada> &entradas)
{
    QString texto =
        QStringLiteral("; Español.dxl — idioma de Dexo y Tradel\r\n"
                       "; Traducción: equipo de Dexo. Guárdese en Windows-1252.\r\n"
                       "[Idioma]\r\nNombre=Español\r\nAutor=Equipo de Dexo\r\nVersión=3.00\r\n\r\n");
    QString seccionActual;
    for (const Entrada &e : entradas) {
        if (e.seccion != seccionActual) {
            if (!seccionActual.isEmpty())
                texto += QStringLiteral("\r\n");
            texto += u'[' + e.seccion + QStringLiteral("]\r\n");
            if (e.seccion == QStringLiteral("Opciones"))
                texto += QStringLiteral("; Ventana de opciones: rótulos, mensajes y ayudas emergentes\r\n");
            seccionActual = e.seccion;
        }
        texto += e.clave + u'=' + e.valor + QStringLiteral("\r\n");
    }
    return Codificado(texto);
}

// The value that a read should give: the layer drops one pair of enclosing quotes.
QString ValorEsperado(const QString &valor)
{
    if (valor.size() >= 2 && valor.front() == u'"' && valor.back() == u'"')
        return valor.sliced(1, valor.size() - 2);
    return valor;
}

// Dexo.INI after a few sessions: the window position first, the three sections a save touches.
QByteArray ArchivoAjustes()
{
    const QString texto = QStringLiteral(
        "[Posicion]\r\nIzda=10815\r\nSup=600\r\n"
        "[Opciones]\r\nIdioma=Español\r\nTransp=8\r\nFColor=&HC0FFFF\r\nSVisible=Si\r\nInicio=No\r\n"
        "[Datos]\r\nFecha=24/12/2031\r\nAviso=7\r\nEvento=Nochebuena en casa de la tía Mercedes\r\n"
        "Sonido=/home/ana/Música/campanas.wav\r\nArchivo=/home/ana/Documentos/recetas/"
        "turrón.odt\r\nIcono=3\r\n"
        "[Fuente]\r\nNombre=DejaVu Sans\r\nTam=24\r\nNegrita=True\r\nCursiva=False\r\nSubrayada=False\r\n"
        "Tachada=False\r\nColor=&H00800000&\r\n");
    return Codificado(texto);
}

struct Escritura
{
    const ClaveAjuste *ajuste;
    QString valorA;
    QString valorB;
};

// One save of the options dialog: every key of Opciones, Datos and Fuente. Two sets of values
// take turns (the single writes set A, the batch set B), so every save really changes the file.
std::vector<Escritura> EscriturasGuardado()
{
    using namespace Ajustes;
    return {
        {&Idioma, QStringLiteral("Español"), QStringLiteral("Català")},
        {&Transp, QStringLiteral("8"), QStringLiteral("10")},
        {&FColor, QStringLiteral("&HC0FFFF"), QStringLiteral("&HFFFFFF")},
        {&SVisible, QStringLiteral("Si"), QStringLiteral("No")},
        {&Inicio, QStringLiteral("No"), QStringLiteral("Si")},
        {&Fecha, QStringLiteral("24/12/2031"), QStringLiteral("01/01/2032")},
        {&Aviso, QStringLiteral("7"), QStringLiteral("1")},
        {&Evento, QStringLiteral("Nochebuena en casa de la tía Mercedes"), QStringLiteral("Año nuevo")},
        {&Sonido, QStringLiteral("/home/ana/Música/campanas.wav"),
         QStringLiteral("/home/ana/Música/año.wav")},
        {&Archivo, QStringLiteral("/home/ana/Documentos/recetas/turrón.odt"), QStringLiteral("Ninguno")},
        {&Icono, QStringLiteral("3"), QStringLiteral("11")},
        {&FuenteNombre, QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")},
        {&FuenteTam, QStringLiteral("24"), QStringLiteral("30")},
        {&FuenteNegrita, QStringLiteral("True"), QStringLiteral("False")},
        {&FuenteCursiva, QStringLiteral("False"), QStringLiteral("True")},
        {&FuenteSubrayada, QStringLiteral("False"), QStringLiteral("True")},
        {&FuenteTachada, QStringLiteral("False"), QStringLiteral("False")},
        {&FuenteColor, QStringLiteral("&H00800000&"), QStringLiteral("&H000000FF&")},
    };
}

bool Grabar(const QString &ruta, const QByteArray &bytes)
{
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        return false;
    if (archivo.write(bytes) != bytes.size()) {
        archivo.cancelWriting();
        return false;
    }
    return archivo.commit();
}

QByteArray LeerTodo(const QString &ruta)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return {};
    return archivo.readAll();
}

void Linea(const char *nombre, double mediana, double p90)
{
    std::printf("  %-44s %10.2f us   (p90 %10.2f us)\n", nombre, mediana, p90);
}

void MedirLectura(const QString &carpeta, int repeticiones)
{
    const std::vector<Entrada> entradas = EntradasIdioma();
    const QString ruta = carpeta + QStringLiteral("/Español.dxl");
    const QByteArray bytes = ArchivoIdioma(entradas);
    if (!Grabar(ruta, bytes))
        Fallo("could not write the language file");

    // The answers are checked once, outside the timing: a fast wrong read proves nothing.
    for (const Entrada &e : entradas) {
        if (LeerPerfil(ruta, e.seccion, e.clave, QStringLiteral("?")) != ValorEsperado(e.valor)) {
            std::fprintf(stderr, "[%s] %s read back as \"%s\"\n", qPrintable(e.seccion), qPrintable(e.clave),
                         qPrintable(LeerPerfil(ruta, e.seccion, e.clave, QStringLiteral("?"))));
            Fallo("the language file reads back wrong");
        }
    }

    const std::size_t n = entradas.size();
    std::vector<double> lote, suelo, lectura;
    std::vector<std::vector<double>> porClave(n);
    lote.reserve(static_cast<std::size_t>(repeticiones));
    suelo.reserve(static_cast<std::size_t>(repeticiones));
    lectura.reserve(static_cast<std::size_t>(repeticiones) * n);
    qsizetype control = 0; // keeps the results alive

    const int calentamiento = std::max(10, repeticiones / 20);
    for (int r = -calentamiento; r < repeticiones; ++r) {
        const auto t0 = Reloj::now();
        const QByteArray todo = LeerTodo(ruta);
        const auto t1 = Reloj::now();
        control += todo.size();

        double suma = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const Entrada &e = entradas[i];
            const auto a = Reloj::now();
            const QString valor = LeerPerfil(ruta, e.seccion, e.clave, QString());
            const auto b = Reloj::now();
            control += valor.size();
            const double us = Microsegundos(b - a);
            suma += us;
            if (r >= 0) {
                lectura.push_back(us);
                porClave[i].push_back(us);
            }
        }
        if (r >= 0) {
            suelo.push_back(Microsegundos(t1 - t0));
            lote.push_back(suma);
        }
    }

    std::vector<double> medianasClave;
    for (const auto &muestras : porClave)
        medianasClave.push_back(Mediana(muestras));
    const auto [menor, mayor] = std::minmax_element(medianasClave.begin(), medianasClave.end());
    const std::size_t claveMayor = static_cast<std::size_t>(mayor - medianasClave.begin());

    const double mSuelo = Mediana(suelo);
    const double mLote = Mediana(lote);
    const double mLectura = Mediana(lectura);
    std::printf("\n(a) Applying a language: %zu reads of a %lld-byte Windows-1252 .dxl, %d repetitions\n", n,
                static_cast<long long>(bytes.size()), repeticiones);
    Linea("floor: QFile open + readAll of the file", mSuelo, Percentil(suelo, 0.9));
    Linea("one LeerPerfil (all keys pooled)", mLectura, Percentil(lectura, 0.9));
    Linea(qPrintable(QStringLiteral("one LeerPerfil, slowest key [%1] %2")
                         .arg(entradas[claveMayor].seccion, entradas[claveMayor].clave)),
          *mayor, Percentil(porClave[claveMayor], 0.9));
    const std::size_t claveMenor = static_cast<std::size_t>(menor - medianasClave.begin());
    Linea(qPrintable(QStringLiteral("one LeerPerfil, fastest key [%1] %2")
                         .arg(entradas[claveMenor].seccion, entradas[claveMenor].clave)),
          *menor, Percentil(porClave[claveMenor], 0.9));
    Linea(qPrintable(QStringLiteral("%1 reads (one application)").arg(n)), mLote, Percentil(lote, 0.9));
    std::printf("  ratio one read / floor        %6.2fx   (pooled median; the aim is <= 3x)\n",
                mLectura / mSuelo);
    std::printf("  ratio slowest key / floor     %6.2fx\n", *mayor / mSuelo);
    std::printf("  ratio (%zu reads / %zu) / floor  %6.2fx\n", n, n, mLote / static_cast<double>(n) / mSuelo);
    std::printf("  ratio %zu reads / floor        %6.2fx   (%s)\n", n, mLote / mSuelo,
                mLectura / mSuelo <= 3.0 ? "one read within 3x: met" : "one read within 3x: NOT met");
    if (control == 0)
        std::printf("  (nothing was read)\n");
}

void MedirGuardado(const QString &carpeta, int repeticiones)
{
    const std::vector<Escritura> escrituras = EscriturasGuardado();
    const QString ruta = carpeta + QStringLiteral("/Dexo.INI");
    if (!Grabar(ruta, ArchivoAjustes()))
        Fallo("could not write the settings file");

    std::vector<double> lote, suelo, escritura, conjunto;
    lote.reserve(static_cast<std::size_t>(repeticiones));
    suelo.reserve(static_cast<std::size_t>(repeticiones));
    conjunto.reserve(static_cast<std::size_t>(repeticiones));
    qsizetype tamFinal = 0;

    // Checked outside the timing; the other keys of the file must survive every save.
    const auto comprobar = [&](bool usarA) {
        for (const Escritura &e : escrituras) {
            if (LeerAjuste(ruta, *e.ajuste) != (usarA ? e.valorA : e.valorB))
                Fallo("a written setting reads back wrong");
        }
        if (LeerAjuste(ruta, Ajustes::Izda) != QStringLiteral("10815"))
            Fallo("a save lost a key it did not touch");
    };

    const int calentamiento = std::max(2, repeticiones / 20);
    for (int r = -calentamiento; r < repeticiones; ++r) {
        // The single writes put set A in place of the batch's set B, and the batch puts B back,
        // so that no write of either finds its value already stored.
        const bool usarA = true;
        double suma = 0;
        for (const Escritura &e : escrituras) {
            const QString &valor = usarA ? e.valorA : e.valorB;
            const auto a = Reloj::now();
            const bool bien = EscribirAjuste(ruta, *e.ajuste, valor);
            const auto b = Reloj::now();
            if (!bien)
                Fallo("a write of the settings file failed");
            const double us = Microsegundos(b - a);
            suma += us;
            if (r >= 0)
                escritura.push_back(us);
        }
        comprobar(usarA);

        // The same save as one batch.
        QList<EscrituraPerfil> loteEscrituras;
        for (const Escritura &e : escrituras) {
            loteEscrituras.append({QString::fromUtf16(e.ajuste->seccion), QString::fromUtf16(e.ajuste->clave),
                                   usarA ? e.valorB : e.valorA});
        }
        const auto c0 = Reloj::now();
        const bool loteBien = EscribirPerfilLote(ruta, loteEscrituras);
        const auto c1 = Reloj::now();
        if (!loteBien)
            Fallo("a batch write of the settings file failed");
        comprobar(!usarA);
        if (r >= 0)
            conjunto.push_back(Microsegundos(c1 - c0));

        // The floor: the same final bytes, replaced atomically once, over the same file.
        const QByteArray final_ = LeerTodo(ruta);
        tamFinal = final_.size();
        const auto t0 = Reloj::now();
        const bool bien = Grabar(ruta, final_);
        const auto t1 = Reloj::now();
        if (!bien)
            Fallo("the atomic write of the floor failed");
        if (r >= 0) {
            suelo.push_back(Microsegundos(t1 - t0));
            lote.push_back(suma);
        }
    }

    const double mSuelo = Mediana(suelo);
    const double mLote = Mediana(lote);
    const double mEscritura = Mediana(escritura);
    std::printf("\n(b) Saving the options: %zu writes of a %lld-byte Dexo.INI, %d repetitions\n",
                escrituras.size(), static_cast<long long>(tamFinal), repeticiones);
    Linea("floor: one QSaveFile of the final bytes", mSuelo, Percentil(suelo, 0.9));
    Linea("one EscribirPerfil (all keys pooled)", mEscritura, Percentil(escritura, 0.9));
    Linea(qPrintable(QStringLiteral("%1 writes (one save)").arg(escrituras.size())), mLote,
          Percentil(lote, 0.9));
    const double mConjunto = Mediana(conjunto);
    Linea(qPrintable(QStringLiteral("%1 writes as one EscribirPerfilLote").arg(escrituras.size())), mConjunto,
          Percentil(conjunto, 0.9));
    std::printf("  ratio one write / floor       %6.2fx\n", mEscritura / mSuelo);
    std::printf("  ratio %zu writes / floor       %6.2fx\n", escrituras.size(), mLote / mSuelo);
    std::printf("  ratio batch of %zu / floor     %6.2fx\n", escrituras.size(), mConjunto / mSuelo);
}

// Peak resident memory (VmHWM) in KiB, and a way to start a new peak; Linux only, 0 elsewhere.
long KibEnStatus(const char *campo)
{
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    const QByteArray prefijo = QByteArray(campo) + ':';
    for (const QByteArray &linea : estado.readAll().split('\n')) {
        if (linea.startsWith(prefijo))
            return linea.mid(prefijo.size()).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

void ReiniciarPico()
{
    QFile limpiar(QStringLiteral("/proc/self/clear_refs"));
    if (limpiar.open(QIODevice::WriteOnly))
        limpiar.write("5");
}

// A large file of one repeated line, written in pieces so that the benchmark holds none of it.
void GrabarRepetido(const QString &ruta, const QByteArray &linea, qint64 bytes)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Fallo("could not write the large file");
    QByteArray trozo;
    while (trozo.size() < (1 << 20))
        trozo += linea;
    for (qint64 escritos = 0; escritos < bytes; escritos += trozo.size())
        archivo.write(trozo.constData(), std::min<qint64>(trozo.size(), bytes - escritos));
}

template <typename Operacion> void MedirGrande(const char *nombre, Operacion operacion)
{
#if defined(__GLIBC__)
    malloc_trim(0); // hand back what the previous step freed, so that it does not hide this peak
#endif
    ReiniciarPico();
    const long antes = KibEnStatus("VmRSS");
    const auto t0 = Reloj::now();
    bool bien = false;
    try {
        bien = operacion();
    } catch (const std::bad_alloc &) {
        std::printf("  %-40s bad_alloc\n", nombre);
        return;
    }
    const auto t1 = Reloj::now();
    const long pico = KibEnStatus("VmHWM");
    std::printf("  %-40s %9.1f ms   peak RSS +%7.1f MiB%s\n", nombre, Microsegundos(t1 - t0) / 1000.0,
                static_cast<double>(pico - antes) / 1024.0, bien ? "" : "   (FAILED)");
}

// Time and memory of one read and one write of a large file: blank lines, then long comments.
void MedirArchivoGrande(const QString &carpeta, int megas)
{
    const QString ruta = carpeta + QStringLiteral("/Grande.INI");
    const qint64 bytes = static_cast<qint64>(megas) << 20;
    const std::pair<const char *, QByteArray> tipos[] = {
        {"blank lines (CRLF)", QByteArray("\r\n")},
        {"200-character comment lines", "; " + QByteArray(198, 'x') + "\r\n"},
    };
    for (const auto &[descripcion, linea] : tipos) {
        std::printf("\n(c) A %d MiB file of %s\n", megas, descripcion);
        GrabarRepetido(ruta, linea, bytes);
        MedirGrande("LeerPerfil of a missing key", [&] {
            return LeerPerfil(ruta, QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")) ==
                   QStringLiteral("d");
        });
        MedirGrande("EscribirPerfil of a new section", [&] {
            return EscribirPerfil(ruta, QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
        });
        MedirGrande("EscribirPerfil of the same value", [&] {
            return EscribirPerfil(ruta, QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
        });
        MedirGrande("EscribirPerfilLote of 18 keys", [&] {
            QList<EscrituraPerfil> lote;
            for (int i = 0; i < 18; ++i)
                lote.append({QStringLiteral("s"), QStringLiteral("k%1").arg(i), QStringLiteral("v")});
            return EscribirPerfilLote(ruta, lote);
        });
    }
    QFile::remove(ruta);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bench_perfil"));

    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral(
        "Times the profile-file layer against one plain read or atomic write of the whole file."));
    opciones.addHelpOption();
    const QCommandLineOption lecturas(
        QStringLiteral("lecturas"),
        QStringLiteral("Repetitions of the 35-read language application (default 2000)."),
        QStringLiteral("n"), QStringLiteral("2000"));
    const QCommandLineOption guardados(QStringLiteral("guardados"),
                                       QStringLiteral("Repetitions of the 18-write save (default 200)."),
                                       QStringLiteral("n"), QStringLiteral("200"));
    const QCommandLineOption carpeta(
        QStringLiteral("carpeta"),
        QStringLiteral("Folder in which to create the scratch folder (default: the "
                       "system's temporary folder). Its file system decides what a "
                       "write costs."),
        QStringLiteral("carpeta"), QDir::tempPath());
    const QCommandLineOption grande(
        QStringLiteral("grande"),
        QStringLiteral("Instead of the timings above, time one read and one write of a large file of "
                       "this many MiB and report the peak resident memory of each (Linux)."),
        QStringLiteral("MiB"));
    opciones.addOptions({lecturas, guardados, carpeta, grande});
    opciones.process(app);

    const int nLecturas = opciones.value(lecturas).toInt();
    const int nGuardados = opciones.value(guardados).toInt();
    if (nLecturas < 1 || nGuardados < 1)
        Fallo("repetitions must be whole numbers of at least 1");

    // Static, so that the early exit of a failed check still removes it.
    static QTemporaryDir temporal(opciones.value(carpeta) + QStringLiteral("/bench_perfil-XXXXXX"));
    if (!temporal.isValid())
        Fallo("could not create the scratch folder");

    const QStorageInfo volumen(temporal.path());
    std::printf("bench_perfil: scratch folder %s (file system %s, device %s)\n", qPrintable(temporal.path()),
                volumen.fileSystemType().constData(), volumen.device().constData());

    if (opciones.isSet(grande)) {
        const int megas = opciones.value(grande).toInt();
        if (megas < 1)
            Fallo("--grande takes a whole number of MiB");
        MedirArchivoGrande(temporal.path(), megas);
        return 0;
    }
    MedirLectura(temporal.path(), nLecturas);
    MedirGuardado(temporal.path(), nGuardados);
    return 0;
}
