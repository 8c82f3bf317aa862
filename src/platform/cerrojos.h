#pragma once

#include <QString>

// The folder of the single-instance locks: the user's own, out of the way, and there for as long
// as the session lasts. One implementation per OS, chosen by CMake.
QString CarpetaDeCerrojos();

// Removes the lock file when no running process holds it; true when it is gone. On Windows a held
// lock file cannot be deleted, so one that can was left by a copy that ended without unlocking.
// Qt's own test there goes by the process number, and Windows numbers processes afresh (Wine
// with every session): a dead copy's lock may name the very process that asks, which Qt then
// takes for a live owner. Elsewhere Qt's test is enough, and this does nothing.
bool QuitarCerrojoAbandonado(const QString &archivo);
