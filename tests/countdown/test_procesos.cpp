#include "carpeta_programa.h"
#include "esperar.h"
#include "perfil.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether the process catches SIGTERM by now (its handler is installed).
bool AtrapaSigterm(qint64 pid)
{
    QFile estado(QStringLiteral("/proc/%1/status").arg(pid));
    if (!estado.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &linea : estado.readAll().split('\n')) {
        if (linea.startsWith("SigCgt:"))
            return linea.mid(7).trimmed().toULongLong(nullptr, 16) & (1ULL << (SIGTERM - 1));
    }
    return false;
}

// Copies a file to a path given as bytes, which QString may not be able to hold.
bool CopiarABytes(const QString &origen, const QByteArray &destino)
{
    QFile entrada(origen);
    if (!entrada.open(QIODevice::ReadOnly))
        return false;
    const QByteArray contenido = entrada.readAll();
    const int salida = ::open(destino.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0755);
    if (salida < 0)
        return false;
    const bool escrito = ::write(salida, contenido.constData(), contenido.size()) == contenido.size();
    return ::close(salida) == 0 && escrito;
}

} // namespace

// The built program, run for real on the offscreen platform from a copy in a temporary folder.
class TestProcesos : public QObject
{
    Q_OBJECT

private:
    CarpetaPrograma carpeta_;
    QTemporaryDir ejecucion_; // the runtime folder, where the lock and the channel live

    QString Programa() const { return carpeta_.Archivo(QStringLiteral("Dexo")); }

    // The channel's socket: Dexo opens it once its count is on screen.
    QStringList Canales() const
    {
        return QDir(ejecucion_.path()).entryList({QStringLiteral("Dexo-*.sock")}, QDir::System);
    }

    void Preparar(QProcess &proceso, const QString &programa = QString())
    {
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        entorno.insert(QStringLiteral("XDG_RUNTIME_DIR"), ejecucion_.path());
        proceso.setProcessEnvironment(entorno);
        proceso.setProgram(programa.isEmpty() ? Programa() : programa);
        proceso.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::copy(QStringLiteral(DEXO_EJECUTABLE), Programa()));
        QVERIFY(QFile::setPermissions(Programa(), QFile::permissions(QStringLiteral(DEXO_EJECUTABLE))));
        // As installed, with its language: the first start then writes nothing but the on-top switch.
        QVERIFY(QFile::copy(QStringLiteral(DEXO_IDIOMAS_FUENTE "/Español.dxl"),
                            carpeta_.Archivo(QStringLiteral("Español.dxl"))));
    }

    void sinRutaDeBibliotecasVacia()
    {
        // An empty entry in the library search path means the current folder.
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral(DEXO_EJECUTABLE)});
        if (!readelf.waitForFinished(20000) || readelf.exitCode() != 0)
            QSKIP("readelf is not available");
        for (const QByteArray &linea : readelf.readAllStandardOutput().split('\n')) {
            const qsizetype abre = linea.indexOf('[');
            if ((!linea.contains("RUNPATH") && !linea.contains("RPATH")) || abre < 0)
                continue;
            const QByteArray ruta = linea.mid(abre + 1, linea.lastIndexOf(']') - abre - 1);
            QVERIFY2(!ruta.isEmpty() && !ruta.startsWith(':') && !ruta.endsWith(':') && !ruta.contains("::"),
                     linea.constData());
        }
    }

    void unaSolaInstanciaYCierrePorSenal()
    {
        QProcess primero;
        Preparar(primero);
        primero.start();
        QVERIFY(primero.waitForStarted());
        // The first start writes the on-top switch back: the program is up.
        QVERIFY(Esperar([&] { return carpeta_.Existe(QStringLiteral("Dexo.INI")); }));
        const QByteArray antes = carpeta_.LeerIni();

        QProcess segundo;
        Preparar(segundo);
        segundo.start();
        QVERIFY(segundo.waitForFinished(20000));
        QCOMPARE(segundo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(segundo.exitCode(), 0);
        QCOMPARE(carpeta_.LeerIni(), antes);
        QCOMPARE(primero.state(), QProcess::Running);

        primero.terminate(); // SIGTERM: the close sequence runs and saves the position
        QVERIFY(primero.waitForFinished(20000));
        QCOMPARE(primero.exitStatus(), QProcess::NormalExit);
        QCOMPARE(primero.exitCode(), 0);
        QCOMPARE(LeerPerfil(carpeta_.Ini(), "Posicion", "Izda", "?"), QStringLiteral("195"));
        QCOMPARE(LeerPerfil(carpeta_.Ini(), "Posicion", "Sup", "?"), QStringLiteral("195"));
    }

    void otraCarpetaALaVez()
    {
        // One copy per program folder: a copy in another folder runs beside the first.
        CarpetaPrograma otra;
        const QString copia = otra.Archivo(QStringLiteral("Dexo"));
        QVERIFY(QFile::copy(Programa(), copia));
        QVERIFY(QFile::setPermissions(copia, QFile::permissions(Programa())));
        QFile::remove(carpeta_.Ini());
        QProcess primero;
        Preparar(primero);
        primero.start();
        QProcess segundo;
        Preparar(segundo, copia);
        segundo.start();
        QVERIFY(Esperar([&] {
            return carpeta_.Existe(QStringLiteral("Dexo.INI")) && otra.Existe(QStringLiteral("Dexo.INI"));
        }));
        QCOMPARE(primero.state(), QProcess::Running);
        QCOMPARE(segundo.state(), QProcess::Running);
        primero.terminate();
        segundo.terminate();
        QVERIFY(primero.waitForFinished(20000));
        QVERIFY(segundo.waitForFinished(20000));
        QCOMPARE(primero.exitCode(), 0);
        QCOMPARE(segundo.exitCode(), 0);
    }

    void senalMientrasArranca()
    {
        // The handling comes before anything else: when the program first catches SIGTERM it has
        // written nothing yet. A signal then ends it with status 0, never by the signal itself.
        QFile::remove(carpeta_.Ini());
        QProcess proceso;
        Preparar(proceso);
        proceso.start();
        QVERIFY(proceso.waitForStarted());
        QElapsedTimer reloj;
        reloj.start();
        while (!AtrapaSigterm(proceso.processId())) {
            QVERIFY(reloj.elapsed() < 20000);
            ::usleep(500);
        }
        const bool escrito = carpeta_.Existe(QStringLiteral("Dexo.INI"));
        ::kill(static_cast<pid_t>(proceso.processId()), SIGTERM);
        QVERIFY(!escrito);
        QVERIFY(proceso.waitForFinished(20000));
        QCOMPARE(proceso.exitStatus(), QProcess::NormalExit);
        QCOMPARE(proceso.exitCode(), 0);
    }

    void senalConElAvisoDeEscrituraAbierto()
    {
        // A folder in the settings file's place: the start-up write fails and a box tells so once
        // the count is up. A signal while it is open closes it and ends the program normally.
        QFile::remove(carpeta_.Ini());
        QVERIFY(QDir().mkdir(carpeta_.Ini()));
        QVERIFY(Canales().isEmpty());
        QProcess proceso;
        Preparar(proceso);
        proceso.start();
        QVERIFY(proceso.waitForStarted());
        // The count is up and the box comes next, from the event loop that also takes the signal.
        QVERIFY(Esperar([&] { return !Canales().isEmpty() || proceso.state() == QProcess::NotRunning; }));
        QCOMPARE(proceso.state(), QProcess::Running);
        proceso.terminate();
        QVERIFY(proceso.waitForFinished(20000));
        QCOMPARE(proceso.exitStatus(), QProcess::NormalExit);
        QCOMPARE(proceso.exitCode(), 0);
        QVERIFY(QDir().rmdir(carpeta_.Ini()));
    }

    void carpetaConNombreQueNoEsUtf8()
    {
        // "café" in Latin-1: Qt cannot name this folder. The program refuses to start, with a
        // message, rather than work in another folder.
        const QByteArray carpeta = QFile::encodeName(carpeta_.Archivo(QString())) + "caf\xe9";
        QVERIFY(::mkdir(carpeta.constData(), 0755) == 0);
        QVERIFY(CopiarABytes(Programa(), carpeta + "/Dexo"));
        const QString enlace = carpeta_.Archivo(QStringLiteral("enlace"));
        QVERIFY(::symlink((carpeta + "/Dexo").constData(), QFile::encodeName(enlace).constData()) == 0);
        const QFileInfo raizAntes(QStringLiteral("/Dexo.INI"));

        QProcess proceso;
        Preparar(proceso, enlace);
        proceso.setProcessChannelMode(QProcess::SeparateChannels);
        proceso.start();
        QByteArray error;
        QVERIFY(Esperar([&] {
            error += proceso.readAllStandardError();
            return error.contains("no puede abrirse desde esta carpeta") ||
                   proceso.state() == QProcess::NotRunning;
        }));
        QVERIFY2(error.contains("no puede abrirse desde esta carpeta"), error.constData());
        proceso.terminate(); // the message box is open
        QVERIFY(proceso.waitForFinished(20000));
        QCOMPARE(proceso.exitStatus(), QProcess::NormalExit);
        QCOMPARE(proceso.exitCode(), 1);
        // Nothing was written in the program folder, nor in the root folder.
        struct stat datos = {};
        QVERIFY(::stat((carpeta + "/Dexo.INI").constData(), &datos) != 0);
        const QFileInfo raiz(QStringLiteral("/Dexo.INI"));
        QCOMPARE(raiz.exists(), raizAntes.exists());
        if (raiz.exists())
            QCOMPARE(raiz.lastModified(), raizAntes.lastModified());
    }

    void copiaPortatilDeSoloLectura()
    {
        // A portable copy on a write-protected stick, run by a user who cannot write it (as root,
        // nobody): its own settings are read, and the first write starts the user's copy from them.
        QTemporaryDir raiz;
        const QString programa = raiz.filePath(QStringLiteral("palo")),
                      casa = raiz.filePath(QStringLiteral("casa"));
        const QString runtime = raiz.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(programa) && QDir().mkpath(casa) && QDir().mkpath(runtime));
        QVERIFY(QFile::copy(Programa(), programa + QStringLiteral("/Dexo")));
        QVERIFY(QFile::copy(carpeta_.Archivo(QStringLiteral("Español.dxl")),
                            programa + QStringLiteral("/Español.dxl")));
        const QString fecha = QDate::currentDate().addDays(12).toString(QStringLiteral("dd/MM/yyyy"));
        const QByteArray ini = "[Opciones]\r\nSVisible=No\r\n[Datos]\r\nFecha=" + fecha.toLatin1() + "\r\n";
        for (const auto &[nombre, contenido] :
             {std::pair{"Dexo.INI", ini}, {"Acerca.ini", "[Acerca]\r\nInicio=No\r\n"}}) {
            QFile archivo(programa + u'/' + QLatin1String(nombre));
            QVERIFY(archivo.open(QIODevice::WriteOnly) && archivo.write(contenido) == contenido.size());
        }
        QVERIFY(::chmod(QFile::encodeName(programa).constData(), 0555) == 0);
        for (const QString &suya : {raiz.path(), casa, runtime})
            QVERIFY(::chmod(QFile::encodeName(suya).constData(), suya == raiz.path() ? 0755 : 0777) == 0);
        // The runtime folder is the user's own, or Qt takes another.
        if (const passwd *nobody = ::getpwnam("nobody"); nobody && ::geteuid() == 0)
            QVERIFY(::chown(QFile::encodeName(runtime).constData(), nobody->pw_uid, nobody->pw_gid) == 0);
        QVERIFY(::chmod(QFile::encodeName(runtime).constData(), 0700) == 0);
        auto lanzar = [&](QProcess &proceso, const QStringList &argumentos) {
            QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
            entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            entorno.insert(QStringLiteral("HOME"), casa);
            entorno.insert(QStringLiteral("XDG_CONFIG_HOME"), casa);
            entorno.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
            proceso.setProcessEnvironment(entorno);
            const QStringList comoNobody{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                         QStringLiteral("--clear-groups"),
                                         programa + QStringLiteral("/Dexo")};
            proceso.start(::geteuid() == 0 ? QStringLiteral("setpriv") : programa + QStringLiteral("/Dexo"),
                          ::geteuid() == 0 ? comoNobody + argumentos : argumentos);
            QVERIFY(proceso.waitForStarted());
        };
        QProcess dias;
        lanzar(dias, {QStringLiteral("--days")});
        QVERIFY(dias.waitForFinished(20000));
        QCOMPARE(dias.readAllStandardOutput().trimmed().right(3), QByteArray("012"));

        QProcess dexo;
        lanzar(dexo, {});
        // The window is up once it listens for a second start, on a socket in the runtime folder.
        // (Its lock is there from the start: a request to end before the window writes nothing.)
        QVERIFY(Esperar([&] {
            return !QDir(runtime).entryList({QStringLiteral("Dexo-*.sock")}, QDir::System).isEmpty();
        }));
        QVERIFY(!QFile::exists(casa + QStringLiteral("/Dexo/Dexo.INI"))); // nothing changed: nothing written
        dexo.terminate();
        QVERIFY(dexo.waitForFinished(20000));
        QCOMPARE(dexo.exitCode(), 0);
        const QString propia = casa + QStringLiteral("/Dexo/Dexo.INI");
        QCOMPARE(LeerPerfil(propia, "Datos", "Fecha", "?"), fecha);
        QCOMPARE(LeerPerfil(propia, "Posicion", "Izda", "?"), QStringLiteral("195"));
        QVERIFY(!QFile::exists(casa + QStringLiteral("/Dexo/Acerca.ini")));
        QVERIFY(::chmod(QFile::encodeName(programa).constData(), 0755) == 0);
    }

    void cerrojoDeUnProcesoMuertoNoBloquea()
    {
        // It dies holding the lock: its settings file is written once the lock is taken.
        QFile::remove(carpeta_.Ini());
        QVERIFY(!carpeta_.Existe(QStringLiteral("Dexo.INI")));
        QProcess muerto;
        Preparar(muerto);
        muerto.start();
        QVERIFY(muerto.waitForStarted());
        QVERIFY(Esperar([&] { return carpeta_.Existe(QStringLiteral("Dexo.INI")); }));
        muerto.kill();
        QVERIFY(muerto.waitForFinished(20000));

        QVERIFY(QFile::remove(carpeta_.Ini()));
        QProcess siguiente;
        Preparar(siguiente);
        siguiente.start();
        QVERIFY(siguiente.waitForStarted());
        QVERIFY(Esperar([&] { return carpeta_.Existe(QStringLiteral("Dexo.INI")); }));
        QCOMPARE(siguiente.state(), QProcess::Running);
        siguiente.terminate();
        QVERIFY(siguiente.waitForFinished(20000));
    }
};

QTEST_GUILESS_MAIN(TestProcesos)
#include "test_procesos.moc"
