// Feeds arbitrary bytes to the profile layer as a file, reads keys from it and writes back.
// A write must read back the value it wrote, a snapshot must read as LeerPerfil does, and a batch
// must give exactly the bytes of the same writes made one after the other.
#include "perfil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

bool Grabar(const QString &archivo, const QByteArray &bytes)
{
    QFile salida(archivo);
    return salida.open(QIODevice::WriteOnly) && salida.write(bytes) == bytes.size();
}

QByteArray Leer(const QString &archivo)
{
    QFile entrada(archivo);
    return entrada.open(QIODevice::ReadOnly) ? entrada.readAll() : QByteArray("<ilegible>");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t largo)
{
    static QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("f.ini"));
    const QString otro = carpeta.filePath(QStringLiteral("g.ini"));
    const QByteArray original(reinterpret_cast<const char *>(datos), static_cast<qsizetype>(largo));
    if (!Grabar(archivo, original))
        return 0;
    // The first bytes also choose the names, so the fuzzer can hit existing sections and keys.
    const QString seccion = largo > 2 ? QString(QChar(u'a' + datos[0] % 3)) : QStringLiteral("a");
    const QString clave = largo > 2 ? QString(QChar(u'a' + datos[1] % 3)) : QStringLiteral("b");
    const PerfilLeido instantanea(archivo);
    if (instantanea.Leer(seccion, clave, QStringLiteral("x")) !=
            LeerPerfil(archivo, seccion, clave, QStringLiteral("x")) ||
        instantanea.Leer(QString(), QString(), QString()) !=
            LeerPerfil(archivo, QString(), QString(), QString()))
        std::abort();

    const QString valor = QStringLiteral("v\u00f1\u20ac");
    if (EscribirPerfil(archivo, seccion, clave, valor) &&
        LeerPerfil(archivo, seccion, clave, QStringLiteral("?")) != valor)
        std::abort();

    // A batch against the same writes one by one, from the original bytes. The third byte picks
    // a value that only UTF-8 holds, an empty one, or the one already written (a no-op).
    const unsigned eleccion = largo > 2 ? datos[2] : 0;
    const QString otroValor = (eleccion % 3 == 0)   ? QStringLiteral("\u0416")
                              : (eleccion % 3 == 1) ? QString()
                                                    : valor;
    const QList<EscrituraPerfil> lote = {
        {seccion, clave, valor},
        {QString(QChar(u'a' + eleccion / 3 % 3)), QString(QChar(u'a' + eleccion / 9 % 3)), otroValor},
        {seccion, clave, valor},
    };
    if (!Grabar(archivo, original) || !Grabar(otro, original))
        return 0;
    bool sucesivas = true;
    for (const EscrituraPerfil &e : lote)
        sucesivas = EscribirPerfil(archivo, e.seccion, e.clave, e.valor) && sucesivas;
    const bool conjunto = EscribirPerfilLote(otro, lote);
    if (sucesivas != conjunto || Leer(archivo) != Leer(otro))
        std::abort();
    return 0;
}
