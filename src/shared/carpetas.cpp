#include "carpetas.h"

#include "archivo_sistema.h"
#include "idiomas.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

QString ConSeparador(const QString &carpeta)
{
    QString ruta = QDir::toNativeSeparators(carpeta);
    if (!ruta.endsWith(QDir::separator()))
        ruta += QDir::separator();
    return ruta;
}

} // namespace

Carpetas::Carpetas(const QString &programa, const QString &ajustes)
    : programa_(ConSeparador(programa)), ajustes_(ConSeparador(ajustes))
{
}

Carpetas Carpetas::Decidir(const QString &carpetaPrograma)
{
    if (CarpetaEscribible(carpetaPrograma))
        return Carpetas(carpetaPrograma, carpetaPrograma);
    return Carpetas(carpetaPrograma, CarpetaAjustesUsuario());
}

bool Carpetas::PrepararAjustes() const
{
    // A missing program folder is not made here: that is no settings folder to create.
    if (Portatil())
        return QFileInfo(ajustes_).isDir();
    return QDir().mkpath(ajustes_);
}

QString Carpetas::RutaIdioma(const QString &nombre) const
{
    const QString propio = Idioma::RutaArchivo(ajustes_, nombre);
    if (propio.isEmpty() || QFileInfo(propio).isFile())
        return propio;
    return Idioma::RutaArchivo(programa_, nombre);
}

bool Carpetas::ExisteIdioma(const QString &nombre) const
{
    const QString ruta = RutaIdioma(nombre);
    return !ruta.isEmpty() && QFileInfo(ruta).isFile();
}

QString Carpetas::CarpetaDialogos() const
{
    return QFileInfo(ajustes_).isDir() ? ajustes_ : programa_;
}

QString CarpetaAjustesUsuario()
{
    return ConSeparador(CarpetaConfiguracionUsuario() + QStringLiteral("/Dexo"));
}

bool CarpetaEscribible(const QString &carpeta)
{
    if (carpeta.isEmpty() || !QFileInfo(carpeta).isDir())
        return false;
    QTemporaryFile prueba(QDir(carpeta).filePath(QStringLiteral(".dexo-prueba-XXXXXX")));
    prueba.setAutoRemove(false);
    if (!prueba.open())
        return false;
    // Its own remove: a temporary file keeps its handle open after close(), and Windows will not
    // delete a file that is open (the probe failed there and left its file behind).
    return prueba.remove();
}
