#pragma once

#include <QString>

#include <memory>

class QLockFile;

// One running copy per program folder. The lock lives in the runtime (or temporary) folder; a
// lock left by a process that died is taken over.
class InstanciaUnica
{
public:
    InstanciaUnica(const QString &programa, const QString &carpetaPrograma);
    ~InstanciaUnica();

    bool EsLaPrimera() const { return primera_; }

private:
    std::unique_ptr<QLockFile> cerrojo_;
    bool primera_ = false;
};
