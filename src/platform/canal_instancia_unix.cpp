#include "canal_instancia.h"

#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cstring>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The listening socket; its file goes with it. Its owner holds the lock, so the file is its own.
class Oyente : public QObject
{
public:
    Oyente(int descriptor, const char *ruta) : descriptor_(descriptor), ruta_(ruta) {}
    ~Oyente() override
    {
        ::close(descriptor_);
        ::unlink(ruta_.constData());
    }

private:
    int descriptor_;
    QByteArray ruta_;
};

bool Direccion(const QString &nombre, sockaddr_un &direccion)
{
    const QByteArray ruta = QFile::encodeName(nombre);
    direccion = {};
    direccion.sun_family = AF_UNIX;
    if (ruta.isEmpty() || size_t(ruta.size()) >= sizeof(direccion.sun_path))
        return false;
    std::memcpy(direccion.sun_path, ruta.constData(), size_t(ruta.size()));
    return true;
}

} // namespace

namespace CanalInstancia {

QString Carpeta()
{
    // Qt gives the runtime folder only when it is the user's and 0700: XDG_RUNTIME_DIR, or one
    // it makes in the temporary folder when the session sets none.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool QuitarCerrojoAbandonado(const QString &)
{
    return false;
}

QString Nombre(const QString &rutaCerrojo)
{
    // An absolute path: no temporary folder of the moment decides where a later copy calls.
    QString nombre = rutaCerrojo;
    if (nombre.endsWith(QLatin1String(".lock")))
        nombre.chop(5);
    return nombre + QStringLiteral(".sock");
}

std::unique_ptr<QObject> Escuchar(const QString &nombre, QObject *contexto, std::function<void()> alLlamar)
{
    sockaddr_un direccion;
    if (!Direccion(nombre, direccion))
        return nullptr;
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (descriptor < 0)
        return nullptr;
    // The caller holds the lock: a socket left by a copy that died is its to take over.
    ::unlink(direccion.sun_path);
    if (::bind(descriptor, reinterpret_cast<const sockaddr *>(&direccion), sizeof direccion) != 0 ||
        ::listen(descriptor, 8) != 0) {
        ::close(descriptor);
        return nullptr;
    }
    auto oyente = std::make_unique<Oyente>(descriptor, direccion.sun_path);
    auto *aviso = new QSocketNotifier(descriptor, QSocketNotifier::Read, oyente.get());
    QObject::connect(aviso, &QSocketNotifier::activated, oyente.get(),
                     [descriptor, contexto = QPointer<QObject>(contexto), alLlamar = std::move(alLlamar)] {
                         // The connection is the whole message.
                         int llamada = -1;
                         while ((llamada = ::accept4(descriptor, nullptr, nullptr, SOCK_CLOEXEC)) >= 0)
                             ::close(llamada);
                         if (contexto)
                             alLlamar();
                     });
    return oyente;
}

bool Llamar(const QString &nombre, std::chrono::milliseconds plazo)
{
    sockaddr_un direccion;
    if (!Direccion(nombre, direccion))
        return false;
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0)
        return false;
    // A first copy whose queue of calls is full is waited for no longer than plazo.
    const auto segundos = std::chrono::duration_cast<std::chrono::seconds>(plazo);
    timeval espera = {};
    espera.tv_sec = static_cast<time_t>(segundos.count());
    espera.tv_usec = static_cast<suseconds_t>(std::chrono::microseconds(plazo - segundos).count());
    ::setsockopt(descriptor, SOL_SOCKET, SO_SNDTIMEO, &espera, sizeof espera);
    const bool hecha =
        ::connect(descriptor, reinterpret_cast<const sockaddr *>(&direccion), sizeof direccion) == 0;
    ::close(descriptor);
    return hecha;
}

} // namespace CanalInstancia
