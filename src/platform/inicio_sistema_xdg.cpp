// Linux and other XDG desktops: an autostart entry NAME.desktop in $XDG_CONFIG_HOME/autostart.
#include "inicio_sistema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString CarpetaAutoarranque()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/autostart");
}

// Exec lines quote arguments that hold reserved characters; backslash, quote, dollar and
// backtick are escaped inside the quotes.
QString CitarExec(const QString &ruta)
{
    QString citada;
    for (QChar c : ruta) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            citada += u'\\';
        citada += c;
    }
    // The desktop-entry format escapes a backslash once more in every string value.
    citada.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    citada.replace(QStringLiteral("%"), QStringLiteral("%%"));
    return u'"' + citada + u'"';
}

// Installed from the package, the program is reached through its command (dexo ->
// /usr/lib/dexo/Dexo): the entry names the command, as the menu entry does.
QString ComandoDe(const QString &nombre, const QString &programa)
{
    const QString comando = nombre.toLower();
    const QString enRuta = QStandardPaths::findExecutable(comando);
    const QString real = QFileInfo(programa).canonicalFilePath();
    if (!enRuta.isEmpty() && !real.isEmpty() && QFileInfo(enRuta).canonicalFilePath() == real)
        return comando;
    return CitarExec(programa);
}

} // namespace

bool GrabarInicioSistemaNativo(const QString &nombre, const QString &programa, QString *error)
{
    const QString carpeta = CarpetaAutoarranque();
    if (!QDir().mkpath(carpeta)) {
        if (error)
            *error = QStringLiteral("No se pudo crear la carpeta %1.").arg(QDir::toNativeSeparators(carpeta));
        return false;
    }
    const QString archivo = carpeta + u'/' + nombre + QStringLiteral(".desktop");
    const QByteArray contenido =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=%1\n"
                       "Comment=Cuenta atrás de días\n"
                       "Icon=dexo\n"
                       "Exec=%2\n"
                       "Path=%3\n"
                       "Terminal=false\n"
                       "X-GNOME-Autostart-enabled=true\n")
            .arg(nombre, ComandoDe(nombre, programa), QFileInfo(programa).absolutePath())
            .toUtf8();
    QSaveFile destino(archivo);
    if (!destino.open(QIODevice::WriteOnly) || destino.write(contenido) != contenido.size() ||
        !destino.commit()) {
        if (error)
            *error = QStringLiteral("No se pudo escribir %1: %2")
                         .arg(QDir::toNativeSeparators(archivo), destino.errorString());
        return false;
    }
    return true;
}

bool BorrarInicioSistemaNativo(const QString &nombre)
{
    const QString archivo = CarpetaAutoarranque() + u'/' + nombre + QStringLiteral(".desktop");
    return !QFile::exists(archivo) || QFile::remove(archivo);
}
