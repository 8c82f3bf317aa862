#include "instancia_unica.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

InstanciaUnica::InstanciaUnica(const QString &programa, const QString &carpetaPrograma)
{
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (carpeta.isEmpty())
        carpeta = QDir::tempPath();
    const QByteArray huella =
        QCryptographicHash::hash(QDir::cleanPath(carpetaPrograma).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    cerrojo_ = std::make_unique<QLockFile>(carpeta + u'/' + programa + u'-' + QString::fromLatin1(huella) +
                                           QStringLiteral(".lock"));
    // Age alone never makes the lock stale: only a dead owner does.
    cerrojo_->setStaleLockTime(0);
    primera_ = cerrojo_->tryLock(0);
}

InstanciaUnica::~InstanciaUnica() = default;
