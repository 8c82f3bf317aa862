#include "canal_instancia.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>

namespace CanalInstancia {

QString Carpeta()
{
    // The user's temporary folder (%LOCALAPPDATA%\Temp). Qt's runtime location on Windows is the
    // user's home folder, where the lock would sit among the user's own files.
    return QDir::tempPath();
}

bool QuitarCerrojoAbandonado(const QString &archivo)
{
    // The owner keeps the file open without sharing its deletion.
    return QFile::remove(archivo);
}

QString Nombre(const QString &rutaCerrojo)
{
    // Pipes share one namespace for the machine: the hashed path of the lock, which lies in the
    // user's own folder, keeps one user's channel apart from another's.
    const QByteArray huella =
        QCryptographicHash::hash(rutaCerrojo.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QFileInfo(rutaCerrojo).completeBaseName() + u'-' + QString::fromLatin1(huella.left(12));
}

std::unique_ptr<QObject> Escuchar(const QString &nombre, QObject *contexto, std::function<void()> alLlamar)
{
    auto servidor = std::make_unique<QLocalServer>();
    servidor->setSocketOptions(QLocalServer::UserAccessOption);
    if (!servidor->listen(nombre))
        return nullptr;
    QLocalServer *oyente = servidor.get();
    QObject::connect(oyente, &QLocalServer::newConnection, oyente,
                     [oyente, contexto = QPointer<QObject>(contexto), alLlamar = std::move(alLlamar)] {
                         // The connection is the whole message.
                         while (QLocalSocket *llamada = oyente->nextPendingConnection()) {
                             llamada->abort();
                             llamada->deleteLater();
                         }
                         if (contexto)
                             alLlamar();
                     });
    return servidor;
}

bool Llamar(const QString &nombre, std::chrono::milliseconds plazo)
{
    QLocalSocket llamada;
    llamada.connectToServer(nombre);
    if (!llamada.waitForConnected(static_cast<int>(plazo.count())))
        return false;
    llamada.abort();
    return true;
}

} // namespace CanalInstancia
