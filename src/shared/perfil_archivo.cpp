#include "perfil_archivo.h"

#include "archivo_sistema.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Perfil {

namespace {

// Far beyond any settings or language file; a larger file is taken as unreadable rather than
// loaded whole.
constexpr qint64 kTamMaximo = qint64{256} << 20;

QString Explicar(const QString &que, const QString &delSistema, const QString &deQt)
{
    QString porque = delSistema.isEmpty() ? deQt.trimmed() : delSistema;
    while (porque.endsWith(u'.'))
        porque.chop(1);
    return porque.isEmpty() ? que + u'.' : que + QStringLiteral(": ") + porque + u'.';
}

} // namespace

Lectura LeerArchivo(const QString &archivo)
{
    Lectura lectura;
    const QFileInfo info(archivo);
    if (!info.exists())
        return lectura;
    lectura.existe = true;
    lectura.legible = false;
    if (info.isDir()) {
        lectura.motivo = QCoreApplication::translate("Perfil", "En el lugar del archivo hay una carpeta.");
        return lectura;
    }
    const QString noNormal = QCoreApplication::translate(
        "Perfil", "No es un archivo normal, sino un dispositivo, una tubería o un socket.");
    if (!info.isFile()) {
        lectura.motivo = noNormal;
        return lectura;
    }
    const QString demasiado =
        QCoreApplication::translate("Perfil", "El archivo mide más de 256 MiB: no es un archivo de ajustes.");
    if (info.size() > kTamMaximo) {
        lectura.motivo = demasiado;
        return lectura;
    }
    QFile entrada;
    OlvidarErrorDelSistema();
    switch (AbrirArchivoNormal(archivo, entrada)) {
    case Apertura::Abierta:
        break;
    case Apertura::NoNormal:
        lectura.motivo = noNormal;
        return lectura;
    case Apertura::Fallida: {
        const QString sistema = ErrorDelSistema();
        lectura.motivo = Explicar(QCoreApplication::translate("Perfil", "No se pudo abrir el archivo"),
                                  sistema, entrada.errorString());
        return lectura;
    }
    }
    // Read what the open file holds now, never more: it may have changed since it was looked at.
    const qint64 tam = entrada.size();
    if (tam > kTamMaximo) {
        lectura.motivo = demasiado;
        return lectura;
    }
    OlvidarErrorDelSistema();
    lectura.bytes = entrada.read(tam);
    if (entrada.error() != QFileDevice::NoError) {
        const QString sistema = ErrorDelSistema();
        lectura.motivo = Explicar(QCoreApplication::translate("Perfil", "No se pudo leer el archivo"),
                                  sistema, entrada.errorString());
        lectura.bytes.clear();
        return lectura;
    }
    lectura.legible = true;
    return lectura;
}

bool GuardarAtomico(const QString &archivo, const QByteArray &contenido, QString *motivo)
{
    const auto fallar = [motivo](const QString &texto) {
        if (motivo)
            *motivo = texto;
        return false;
    };
    QSaveFile destino(archivo);
    OlvidarErrorDelSistema();
    if (!destino.open(QIODevice::WriteOnly)) {
        const QString sistema = ErrorDelSistema();
        return fallar(
            Explicar(QCoreApplication::translate("Perfil", "No se pudo crear un archivo nuevo en su carpeta"),
                     sistema, destino.errorString()));
    }
    CopiarPropietario(archivo, destino.handle());
    OlvidarErrorDelSistema();
    // Flushed here and checked: commit() ignores a flush that wrote only part of the bytes (a
    // full disk), and would put a truncated file in place of the old one.
    if (destino.write(contenido) != contenido.size() || !destino.flush() ||
        destino.error() != QFileDevice::NoError) {
        const QString sistema = ErrorDelSistema();
        const QString texto =
            Explicar(QCoreApplication::translate("Perfil", "No se pudo escribir el archivo"), sistema,
                     destino.errorString());
        destino.cancelWriting();
        return fallar(texto);
    }
    if (!destino.commit()) {
        const QString sistema = ErrorDelSistema();
        return fallar(Explicar(QCoreApplication::translate("Perfil", "No se pudo guardar el archivo"),
                               sistema, destino.errorString()));
    }
    return true;
}

} // namespace Perfil
