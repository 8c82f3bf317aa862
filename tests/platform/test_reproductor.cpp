#include "lector_wav.h"
#include "reproductor_wav.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

// A short mono 16-bit PCM tone, written by hand so the test needs no sample files.
QByteArray TonoWav(int milisegundos, int frecuencia = 22050)
{
    const int muestras = frecuencia * milisegundos / 1000;
    QByteArray datos;
    QDataStream salida(&datos, QIODevice::WriteOnly);
    salida.setByteOrder(QDataStream::LittleEndian);
    salida.writeRawData("RIFF", 4);
    salida << quint32(36 + muestras * 2);
    salida.writeRawData("WAVEfmt ", 8);
    salida << quint32(16) << quint16(1) << quint16(1) << quint32(frecuencia) << quint32(frecuencia * 2)
           << quint16(2) << quint16(16);
    salida.writeRawData("data", 4);
    salida << quint32(muestras * 2);
    for (int i = 0; i < muestras; ++i)
        salida << qint16(8000 * std::sin(i * 2 * std::numbers::pi * 440 / frecuencia));
    return datos;
}

// Records what reaches the audio output instead of playing it.
class SalidaFalsa final : public SalidaAudio
{
public:
    struct Registro
    {
        QStringList *llamadas;
        bool sonando = false;
    };
    explicit SalidaFalsa(Registro &registro) : registro_(registro) {}

    bool Iniciar(const SonidoWav &sonido) override
    {
        *registro_.llamadas << QStringLiteral("iniciar %1 Hz %2 canal %3 bytes")
                                   .arg(sonido.frecuencia)
                                   .arg(sonido.canales)
                                   .arg(sonido.datos.size());
        registro_.sonando = true;
        return true;
    }
    void Detener() override
    {
        if (registro_.sonando)
            *registro_.llamadas << QStringLiteral("detener");
        registro_.sonando = false;
    }
    bool Sonando() const override { return registro_.sonando; }

private:
    Registro &registro_;
};

} // namespace

// The sound player must never hang or crash, with or without an audio device, whatever file it gets.
class TestReproductor : public QObject
{
    Q_OBJECT

private slots:
    void lectura()
    {
        const QByteArray tono = TonoWav(100);
        std::optional<SonidoWav> sonido = LeerWav(tono);
        QVERIFY(sonido);
        QCOMPARE(sonido->canales, 1);
        QCOMPARE(sonido->frecuencia, 22050);
        QCOMPARE(int(sonido->muestra), int(SonidoWav::Muestra::S16));
        QCOMPARE(sonido->datos.size(), 2205 * 2);

        // Cut short: plays the whole frames it holds.
        sonido = LeerWav(tono.left(44 + 101));
        QVERIFY(sonido);
        QCOMPARE(sonido->datos.size(), 100);

        // A chunk before the data, odd-sized and padded.
        QByteArray conLista = tono;
        conLista.insert(36, QByteArray("LIST\x03\0\0\0abc\0", 12));
        sonido = LeerWav(conLista);
        QVERIFY(sonido);
        QCOMPARE(sonido->datos.size(), 2205 * 2);

        QVERIFY(!LeerWav(tono.left(30)));            // no data chunk
        QVERIFY(!LeerWav(QByteArray(4096, '\x7f'))); // not a WAV
        QVERIFY(!LeerWav(QByteArray()));
        QByteArray sinFormato = tono;
        sinFormato.replace(12, 4, "junk");
        QVERIFY(!LeerWav(sinFormato)); // data before any format
        QByteArray comprimido = tono;
        comprimido[20] = 2; // ADPCM
        QVERIFY(!LeerWav(comprimido));
        QByteArray sinCanales = tono;
        sinCanales[22] = 0;
        QVERIFY(!LeerWav(sinCanales));
        QVERIFY(!LeerWav(TonoWav(10, 100))); // no real sample rate
    }

    void modulo()
    {
        QLibrary modulo(QStringLiteral(DEXO_MODULO_SONIDO));
        auto crear = reinterpret_cast<FuncionCrearReproductor>(modulo.resolve(kFuncionCrearReproductor));
        QVERIFY2(crear, qPrintable(modulo.errorString()));
        std::unique_ptr<Reproductor> reproductor(crear());
        QVERIFY(reproductor);
        reproductor->Reproducir(QStringLiteral("/no/existe.wav"));
    }

    void loQueLlegaALaSalida()
    {
        QTemporaryDir carpeta;
        const auto escribir = [&](const QString &nombre, const QByteArray &contenido) {
            QFile archivo(carpeta.filePath(nombre));
            QVERIFY(archivo.open(QIODevice::WriteOnly));
            archivo.write(contenido);
        };
        escribir(QStringLiteral("tono.wav"), TonoWav(100));
        escribir(QStringLiteral("basura.wav"), QByteArray(4096, '\x7f'));

        QStringList llamadas;
        SalidaFalsa::Registro registro{&llamadas};
        ReproductorWav reproductor(std::make_unique<SalidaFalsa>(registro));
        QVERIFY(!reproductor.Sonando());
        reproductor.Reproducir(carpeta.filePath(QStringLiteral("tono.wav")));
        QCOMPARE(llamadas, QStringList{"iniciar 22050 Hz 1 canal 4410 bytes"});
        QVERIFY(reproductor.Sonando());
        // A new sound replaces the one playing, even when it turns out to be no sound.
        reproductor.Reproducir(carpeta.filePath(QStringLiteral("basura.wav")));
        QCOMPARE(llamadas.mid(1), QStringList{"detener"});
        QVERIFY(!reproductor.Sonando());
        reproductor.Reproducir(carpeta.filePath(QStringLiteral("no-existe.wav")));
        reproductor.Reproducir(carpeta.path());
        QCOMPARE(llamadas.size(), 2);
        reproductor.Reproducir(carpeta.filePath(QStringLiteral("tono.wav")));
        QCOMPARE(llamadas.size(), 3);
    }

    void archivosBuenosYMalos()
    {
        QTemporaryDir carpeta;
        const auto escribir = [&](const QString &nombre, const QByteArray &contenido) {
            QFile archivo(carpeta.filePath(nombre));
            QVERIFY(archivo.open(QIODevice::WriteOnly));
            archivo.write(contenido);
        };
        escribir(QStringLiteral("tono.wav"), TonoWav(300));
        escribir(QStringLiteral("basura.wav"), QByteArray(4096, '\x7f'));
        escribir(QStringLiteral("corto.wav"), TonoWav(300).left(30));

        ReproductorWav reproductor;
        QElapsedTimer reloj;
        reloj.start();
        for (const char *nombre : {"tono.wav", "basura.wav", "no-existe.wav", "corto.wav", "tono.wav"}) {
            reproductor.Reproducir(carpeta.filePath(QString::fromLatin1(nombre)));
            QTest::qWait(50); // a new sound replaces the one playing
        }
        reproductor.Reproducir(carpeta.path()); // a folder
        reproductor.Reproducir(QString());
        QTest::qWait(200);
        QVERIFY(reloj.elapsed() < 10000); // asynchronous: nothing waits for the sound
    }
};

QTEST_MAIN(TestReproductor)
#include "test_reproductor.moc"
