#include "instancia_unica.h"

#include "canal_instancia.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QObject>

InstanciaUnica::InstanciaUnica(const QString &programa, const QString &carpetaAjustes)
{
    const QString carpeta = CanalInstancia::Carpeta();
    if (carpeta.isEmpty()) {
        primera_ = true;
        return;
    }
    const QByteArray huella =
        QCryptographicHash::hash(QDir::cleanPath(carpetaAjustes).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    cerrojo_ = std::make_unique<QLockFile>(carpeta + u'/' + programa + u'-' + QString::fromLatin1(huella) +
                                           QStringLiteral(".lock"));
    // Age alone never makes the lock stale: only a dead owner does.
    cerrojo_->setStaleLockTime(0);
    primera_ = cerrojo_->tryLock(0);
    if (!primera_ && CanalInstancia::QuitarCerrojoAbandonado(cerrojo_->fileName()))
        primera_ = cerrojo_->tryLock(0);
}

InstanciaUnica::~InstanciaUnica() = default;

QString InstanciaUnica::Canal() const
{
    return cerrojo_ ? CanalInstancia::Nombre(cerrojo_->fileName()) : QString();
}

void InstanciaUnica::AtenderLlamadas(QObject *contexto, std::function<void()> alLlamar)
{
    if (primera_ && cerrojo_ && !canal_)
        canal_ = CanalInstancia::Escuchar(Canal(), contexto, std::move(alLlamar));
}

bool InstanciaUnica::LlamarALaPrimera(std::chrono::milliseconds plazo) const
{
    return !primera_ && CanalInstancia::Llamar(Canal(), plazo);
}
