#include "carpetas.h"

#include "archivo_sistema.h"
#include "idiomas.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
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

QString Carpetas::LecturaAjustes(const QString &nombre) const
{
    const QString propio = ajustes_ + nombre;
    if (Portatil() || QFileInfo(propio).isFile())
        return propio;
    const QString delPrograma = programa_ + nombre;
    return QFileInfo(delPrograma).isFile() ? delPrograma : propio;
}

QString Carpetas::EscrituraAjustes(const QString &archivo, QString *motivo) const
{
    const QString nombre = QFileInfo(archivo).fileName();
    const QString propio = ajustes_ + nombre;
    if (Portatil() || archivo != programa_ + nombre)
        return archivo;
    if (QFileInfo(propio).isFile())
        return propio; // made since it was read: the user's copy wins

    // Byte for byte, replaced at once: a half-made copy would win over the program folder's.
    QFile origen;
    QSaveFile copia(propio);
    OlvidarErrorDelSistema();
    if (AbrirArchivoNormal(archivo, origen) == Apertura::Abierta && PrepararAjustes() &&
        copia.open(QIODevice::WriteOnly)) {
        const QByteArray contenido = origen.readAll();
        if (copia.write(contenido) == contenido.size() && copia.commit())
            return propio;
    }
    if (motivo)
        *motivo = ErrorDelSistema();
    return {};
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
    prueba.close();
    return QFile::remove(prueba.fileName());
}
