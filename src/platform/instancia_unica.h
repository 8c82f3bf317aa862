#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;
class QObject;

// One running copy per program folder. The lock lives in the runtime (or temporary) folder; a
// lock left by a process that died is taken over. A later copy calls the running one forward
// through a local socket named after the lock, so both always follow the same key.
class InstanciaUnica
{
public:
    InstanciaUnica(const QString &programa, const QString &carpetaPrograma);
    ~InstanciaUnica();

    bool EsLaPrimera() const { return primera_; }

    // The first copy: alLlamar runs each time a later copy starts, for as long as contexto lives.
    void AtenderLlamadas(QObject *contexto, std::function<void()> alLlamar);
    // A later copy: tells the first one to come forward. A first copy that does not take the call
    // within `plazo` is given up on. False when no call got through.
    bool LlamarALaPrimera(std::chrono::milliseconds plazo = std::chrono::seconds(1)) const;
    // The name of the local socket.
    QString Canal() const;

private:
    std::unique_ptr<QLockFile> cerrojo_;
    std::unique_ptr<QLocalServer> servidor_;
    bool primera_ = false;
};
