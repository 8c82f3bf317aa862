#include "senales.h"

#include <QObject>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Written by the signal handler, read on the user-interface thread (the self-pipe pattern): a
// signal handler may do nothing but write(2).
int tuberia[2] = {-1, -1};

extern "C" void AlRecibirSenal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto escrito = ::write(tuberia[0], &byte, 1);
}

} // namespace

void InstalarVigilanciaSenales(QObject *contexto, std::function<void()> alTerminar)
{
    if (tuberia[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, tuberia) != 0)
        return;
    auto *aviso = new QSocketNotifier(tuberia[1], QSocketNotifier::Read, contexto);
    QObject::connect(aviso, &QSocketNotifier::activated, contexto, [aviso, alTerminar = std::move(alTerminar)] {
        char byte = 0;
        [[maybe_unused]] const auto leido = ::read(tuberia[1], &byte, 1);
        aviso->setEnabled(false); // once is enough
        alTerminar();
    });

    struct sigaction accion = {};
    accion.sa_handler = AlRecibirSenal;
    sigemptyset(&accion.sa_mask);
    accion.sa_flags = SA_RESTART;
    for (int senal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(senal, &accion, nullptr);
}
