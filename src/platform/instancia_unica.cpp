#include "instancia_unica.h"

#include "cerrojos.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

InstanciaUnica::InstanciaUnica(const QString &programa, const QString &carpetaPrograma)
{
    const QString carpeta = CarpetaDeCerrojos();
    const QByteArray huella =
        QCryptographicHash::hash(QDir::cleanPath(carpetaPrograma).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    cerrojo_ = std::make_unique<QLockFile>(carpeta + u'/' + programa + u'-' + QString::fromLatin1(huella) +
                                           QStringLiteral(".lock"));
    // Age alone never makes the lock stale: only a dead owner does.
    cerrojo_->setStaleLockTime(0);
    primera_ = cerrojo_->tryLock(0);
    if (!primera_ && QuitarCerrojoAbandonado(cerrojo_->fileName()))
        primera_ = cerrojo_->tryLock(0);
}

InstanciaUnica::~InstanciaUnica() = default;

QString InstanciaUnica::Canal() const
{
    // The lock's folder is the user's own, so its path also keeps the socket of one user apart
    // from another's where sockets share a namespace (named pipes, a shared temporary folder).
    const QString ruta = cerrojo_->fileName();
    const QByteArray huella =
        QCryptographicHash::hash(ruta.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QFileInfo(ruta).completeBaseName() + u'-' + QString::fromLatin1(huella);
}

void InstanciaUnica::AtenderLlamadas(QObject *contexto, std::function<void()> alLlamar)
{
    if (!primera_ || servidor_)
        return;
    servidor_ = std::make_unique<QLocalServer>();
    servidor_->setSocketOptions(QLocalServer::UserAccessOption);
    // This copy holds the lock: a socket left behind by a copy that died is its to take over.
    QLocalServer::removeServer(Canal());
    if (!servidor_->listen(Canal())) {
        servidor_.reset(); // later copies then just end, as they did before
        return;
    }
    QLocalServer *servidor = servidor_.get();
    QObject::connect(servidor, &QLocalServer::newConnection, contexto,
                     [servidor, alLlamar = std::move(alLlamar)] {
                         // The connection is the whole message.
                         while (QLocalSocket *llamada = servidor->nextPendingConnection()) {
                             llamada->abort();
                             llamada->deleteLater();
                         }
                         alLlamar();
                     });
}

bool InstanciaUnica::LlamarALaPrimera(std::chrono::milliseconds plazo) const
{
    if (primera_)
        return false;
    QLocalSocket llamada;
    llamada.connectToServer(Canal());
    if (!llamada.waitForConnected(static_cast<int>(plazo.count())))
        return false;
    llamada.abort();
    return true;
}
