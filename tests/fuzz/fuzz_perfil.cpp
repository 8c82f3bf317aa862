// Feeds arbitrary bytes to the profile layer as a file, reads keys from it and writes one back.
// The write must keep every line it did not touch and read back the value it wrote.
#include "perfil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t largo)
{
    static QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("f.ini"));
    {
        QFile salida(archivo);
        if (!salida.open(QIODevice::WriteOnly))
            return 0;
        salida.write(reinterpret_cast<const char *>(datos), static_cast<qint64>(largo));
    }
    // The first bytes also choose the names, so the fuzzer can hit existing sections and keys.
    const QString seccion = largo > 2 ? QString(QChar(u'a' + datos[0] % 3)) : QStringLiteral("a");
    const QString clave = largo > 2 ? QString(QChar(u'a' + datos[1] % 3)) : QStringLiteral("b");
    LeerPerfil(archivo, seccion, clave, QStringLiteral("x"));
    LeerPerfil(archivo, QString(), QString(), QString());

    const QString valor = QStringLiteral("v\u00f1\u20ac");
    if (EscribirPerfil(archivo, seccion, clave, valor) &&
        LeerPerfil(archivo, seccion, clave, QStringLiteral("?")) != valor)
        std::abort();
    return 0;
}
