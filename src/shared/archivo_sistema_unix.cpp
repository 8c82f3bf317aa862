#include "archivo_sistema.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString ErrorDelSistema()
{
    switch (errno) {
    case EACCES:
    case EPERM:
        return QStringLiteral("permiso denegado");
    case EROFS:
        return QStringLiteral("el disco o la carpeta son de solo lectura");
    case ENOSPC:
        return QStringLiteral("no queda espacio en el disco");
    case EDQUOT:
        return QStringLiteral("se ha agotado la cuota de disco del usuario");
    case EFBIG:
        return QStringLiteral("el archivo supera el tamaño que el sistema permite");
    case ENOENT:
        return QStringLiteral("la carpeta o el archivo no existen");
    case ENOTDIR:
        return QStringLiteral("una parte de la ruta no es una carpeta");
    case EISDIR:
        return QStringLiteral("es una carpeta");
    case ENAMETOOLONG:
        return QStringLiteral("la ruta es demasiado larga");
    case ELOOP:
        return QStringLiteral("hay un ciclo de enlaces simbólicos en la ruta");
    case EIO:
        return QStringLiteral("error de lectura o escritura en el disco");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("hay demasiados archivos abiertos");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("el archivo está en uso");
    case 0:
        return {};
    default:
        return QString::fromLocal8Bit(std::strerror(errno));
    }
}

void OlvidarErrorDelSistema()
{
    errno = 0;
}

void CopiarPropietario(const QString &original, int descriptor)
{
    struct stat antes = {};
    struct stat nuevo = {};
    if (::stat(QFile::encodeName(original).constData(), &antes) != 0 || ::fstat(descriptor, &nuevo) != 0)
        return;
    if (antes.st_uid == nuevo.st_uid && antes.st_gid == nuevo.st_gid)
        return;
    if (::fchown(descriptor, antes.st_uid, antes.st_gid) == 0)
        return;
    // Only root may give a file away; anyone may keep its group if they belong to it.
    const int ignorado = ::fchown(descriptor, static_cast<uid_t>(-1), antes.st_gid);
    static_cast<void>(ignorado);
}

Apertura AbrirArchivoNormal(const QString &archivo, QFile &destino)
{
    // O_NONBLOCK: opening a FIFO returns at once instead of waiting; on a regular file it changes
    // nothing.
    const int descriptor = ::open(QFile::encodeName(archivo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return Apertura::Fallida;
    struct stat datos = {};
    if (::fstat(descriptor, &datos) != 0 || !S_ISREG(datos.st_mode)) {
        ::close(descriptor);
        return Apertura::NoNormal;
    }
    if (!destino.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return Apertura::Fallida;
    }
    return Apertura::Abierta;
}

QString CarpetaConfiguracionUsuario()
{
    // The XDG base directory rules ignore a relative path.
    const QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!base.isEmpty() && QDir::isAbsolutePath(base))
        return base;
    return QDir::homePath() + QStringLiteral("/.config");
}
