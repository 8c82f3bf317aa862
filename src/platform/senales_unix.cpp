#include "senales.h"

#include <QObject>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kSenales = {SIGTERM, SIGINT, SIGHUP};

// Written by the signal handler, read on the user-interface thread (the self-pipe pattern): a
// signal handler may do nothing but async-signal-safe calls.
int tuberia[2] = {-1, -1};
bool vigilada = false;

extern "C" void AlRecibirSenal(int)
{
    const int errnoGuardado = errno;
    // The first signal asks for the close sequence; a second one must be able to end a close
    // that hangs, so from now on every one of them has its default action.
    struct sigaction porDefecto = {};
    porDefecto.sa_handler = SIG_DFL;
    sigemptyset(&porDefecto.sa_mask);
    for (int senal : kSenales)
        ::sigaction(senal, &porDefecto, nullptr);
    const char byte = 1;
    [[maybe_unused]] const auto escrito = ::write(tuberia[0], &byte, 1);
    errno = errnoGuardado;
}

// Close-on-exec, so the programs Dexo opens do not inherit the pair; non-blocking, so neither a
// full buffer in the handler nor an empty one on reading can stop the program.
bool Preparar(int descriptor)
{
    const int banderas = ::fcntl(descriptor, F_GETFD);
    const int estado = ::fcntl(descriptor, F_GETFL);
    return banderas >= 0 && estado >= 0 && ::fcntl(descriptor, F_SETFD, banderas | FD_CLOEXEC) == 0 &&
           ::fcntl(descriptor, F_SETFL, estado | O_NONBLOCK) == 0;
}

} // namespace

void PrepararSenales()
{
    if (tuberia[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, tuberia) != 0)
        return;
    if (!Preparar(tuberia[0]) || !Preparar(tuberia[1])) {
        ::close(tuberia[0]);
        ::close(tuberia[1]);
        tuberia[0] = tuberia[1] = -1;
        return;
    }
    struct sigaction accion = {};
    accion.sa_handler = AlRecibirSenal;
    sigemptyset(&accion.sa_mask);
    for (int senal : kSenales)
        sigaddset(&accion.sa_mask, senal); // the handler resets all three, undisturbed
    accion.sa_flags = SA_RESTART;
    for (int senal : kSenales)
        ::sigaction(senal, &accion, nullptr);
}

void InstalarVigilanciaSenales(QObject *contexto, std::function<void()> alTerminar)
{
    PrepararSenales();
    if (tuberia[1] < 0 || vigilada)
        return;
    vigilada = true;
    auto *aviso = new QSocketNotifier(tuberia[1], QSocketNotifier::Read, contexto);
    QObject::connect(aviso, &QSocketNotifier::activated, contexto,
                     [aviso, alTerminar = std::move(alTerminar)] {
                         char byte = 0;
                         [[maybe_unused]] const auto leido = ::read(tuberia[1], &byte, 1);
                         aviso->setEnabled(false); // once is enough
                         alTerminar();
                     });
}
