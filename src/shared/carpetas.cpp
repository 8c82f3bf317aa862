#include "carpetas.h"

#include "archivo_sistema.h"
#include "idiomas.h"
#include "perfil_archivo.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <map>

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
    if (Portatil() || !archivo.startsWith(programa_))
        return archivo;
    const QString propio = ajustes_ + archivo.mid(programa_.size());
    if (QFileInfo(propio).isFile())
        return propio; // made since it was read: the user's copy wins

    // Byte for byte, replaced at once: a half-made copy would win over the program folder's.
    const Perfil::Lectura origen = Perfil::LeerArchivo(archivo);
    QString porque = origen.motivo;
    if (origen.existe && origen.legible && QDir().mkpath(QFileInfo(propio).path()) &&
        Perfil::GuardarAtomico(propio, origen.bytes, &porque))
        return propio;
    if (motivo)
        *motivo = porque;
    return {};
}

namespace {

constexpr char16_t kCarpetaCuentas[] = u"Cuentas";
constexpr char16_t kPrefijoCuenta[] = u"Cuenta";
constexpr char16_t kExtensionCuenta[] = u".INI";
constexpr int kPrimeraCuentaMas = 2; // the first countdown is Dexo.INI

// The number of a countdown's file name, or 0 when the name is none of ours.
int NumeroDeCuenta(const QString &nombre)
{
    const QString prefijo = QString::fromUtf16(kPrefijoCuenta);
    const QString extension = QString::fromUtf16(kExtensionCuenta);
    if (!nombre.startsWith(prefijo) || !nombre.endsWith(extension))
        return 0;
    const QStringView cifras =
        QStringView(nombre).sliced(prefijo.size(), nombre.size() - prefijo.size() - extension.size());
    bool numero = false;
    const int n = cifras.toInt(&numero);
    return numero && n >= kPrimeraCuentaMas && cifras == QString::number(n) ? n : 0;
}

// The countdowns' numbers in a folder, with their files.
std::map<int, QString> CuentasEn(const QString &carpeta)
{
    std::map<int, QString> cuentas;
    const QDir dir(carpeta + QString::fromUtf16(kCarpetaCuentas));
    for (const QString &nombre : dir.entryList(QDir::Files | QDir::Readable)) {
        if (const int n = NumeroDeCuenta(nombre))
            cuentas[n] = QDir::toNativeSeparators(dir.filePath(nombre));
    }
    return cuentas;
}

} // namespace

QStringList Carpetas::ArchivosDeCuentas() const
{
    // The user's copies win; a read-only portable copy's own ones are read while there are none.
    std::map<int, QString> cuentas = CuentasEn(ajustes_);
    if (!Portatil())
        cuentas.merge(CuentasEn(programa_));
    QStringList archivos;
    for (const auto &[numero, archivo] : cuentas)
        archivos << archivo;
    return archivos;
}

QString Carpetas::ArchivoCuentaNueva() const
{
    int ultima = kPrimeraCuentaMas - 1;
    for (const QString &carpeta : {ajustes_, programa_}) {
        const std::map<int, QString> cuentas = CuentasEn(carpeta);
        if (!cuentas.empty())
            ultima = std::max(ultima, cuentas.rbegin()->first);
    }
    return ajustes_ + QString::fromUtf16(kCarpetaCuentas) + QDir::separator() +
           QString::fromUtf16(kPrefijoCuenta) + QString::number(ultima + 1) +
           QString::fromUtf16(kExtensionCuenta);
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
