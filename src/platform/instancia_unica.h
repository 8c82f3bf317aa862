#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QLockFile;
class QObject;

// One running copy per settings folder. The lock, and the channel through which a later copy calls
// the running one forward, lie side by side in the user's own runtime folder, which no other user
// can write and no temporary folder of the moment moves. A lock left by a process that died is
// taken over. Without such a folder the program runs unguarded rather than not at all.
class InstanciaUnica
{
public:
    InstanciaUnica(const QString &programa, const QString &carpetaAjustes);
    ~InstanciaUnica();

    bool EsLaPrimera() const { return primera_; }

    // The first copy: alLlamar runs each time a later copy starts, for as long as contexto lives.
    // A channel that cannot be opened leaves the first copy running as before, uncalled.
    void AtenderLlamadas(QObject *contexto, std::function<void()> alLlamar);
    // A later copy: tells the first one to come forward. A first copy that does not take the call
    // within `plazo` is given up on. False when no call got through.
    bool LlamarALaPrimera(std::chrono::milliseconds plazo = std::chrono::seconds(1)) const;
    // The channel: the socket's absolute path (the pipe's name on Windows); empty without a lock.
    QString Canal() const;

private:
    std::unique_ptr<QLockFile> cerrojo_;
    std::unique_ptr<QObject> canal_;
    bool primera_ = false;
};
