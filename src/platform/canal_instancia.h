#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QObject;

// The channel through which a later copy of a program calls the running one, and the folder it
// shares with the single-instance lock. One implementation per OS, chosen by CMake: a Unix socket
// at an absolute path, a named pipe on Windows.
namespace CanalInstancia {

// The user's own folder for the lock and the channel, which no other user can write; empty when
// there is none.
QString Carpeta();
// Removes the lock file when no running process holds it; true when it is gone. On Windows a held
// lock file cannot be deleted, so one that can was left by a copy that ended without unlocking.
// Qt's own test there goes by the process number, and Windows numbers processes afresh (Wine
// with every session): a dead copy's lock may name the very process that asks, which Qt then
// takes for a live owner. Elsewhere Qt's test is enough, and this does nothing.
bool QuitarCerrojoAbandonado(const QString &archivo);
// The channel that goes with a lock file.
QString Nombre(const QString &rutaCerrojo);
// Opens the channel: alLlamar runs at each call, for as long as contexto lives; destroying the
// result closes it. Null when the channel cannot be opened.
std::unique_ptr<QObject> Escuchar(const QString &nombre, QObject *contexto, std::function<void()> alLlamar);
// Calls the copy listening on the channel; false when none takes the call within plazo.
bool Llamar(const QString &nombre, std::chrono::milliseconds plazo);

} // namespace CanalInstancia
