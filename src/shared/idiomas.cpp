#include "idiomas.h"

#include "perfil.h"

#include <QFileInfo>

namespace Idioma {

bool EsNombreValido(const QString &nombre)
{
    return !nombre.isEmpty() && !nombre.contains(u'/') && !nombre.contains(u'\\') && !nombre.contains(u':') &&
           !nombre.contains(QStringLiteral(".."));
}

QString RutaArchivo(const QString &rutaPrograma, const QString &nombre)
{
    if (!EsNombreValido(nombre))
        return {};
    return rutaPrograma + nombre + QString::fromUtf16(kExtension);
}

bool Existe(const QString &rutaPrograma, const QString &nombre)
{
    const QString ruta = RutaArchivo(rutaPrograma, nombre);
    return !ruta.isEmpty() && QFileInfo(ruta).isFile();
}

QString LeerTexto(const QString &archivo, const ClaveIdioma &clave)
{
    return LeerTexto(archivo, clave, QString::fromUtf16(kFalta));
}

QString LeerTexto(const QString &archivo, const ClaveIdioma &clave, const QString &porDefecto)
{
    if (archivo.isEmpty())
        return porDefecto;
    return LeerPerfil(archivo, clave.Seccion(), clave.Clave(), porDefecto);
}

TextosLeidos::TextosLeidos(const QString &archivo, qsizetype maximo)
{
    QList<ClavePerfil> claves;
    for (const ClaveIdioma &clave : kClaves)
        claves.append({clave.Seccion(), clave.Clave()});
    if (archivo.isEmpty())
        textos_.resize(kClaves.size());
    else
        textos_ = PerfilLeido(archivo).LeerVarias(claves, maximo);
}

QString TextosLeidos::Texto(int indice) const
{
    return Texto(indice, QString::fromUtf16(kFalta));
}

QString TextosLeidos::Texto(int indice, const QString &porDefecto) const
{
    return textos_[static_cast<size_t>(indice)].value_or(porDefecto);
}

std::optional<QString> NombreDeArchivoElegido(const QString &ruta)
{
    const qsizetype separador = std::max(ruta.lastIndexOf(u'/'), ruta.lastIndexOf(u'\\'));
    const QString nombre = ruta.mid(separador + 1);
    if (nombre.size() < 4)
        return std::nullopt;
    return nombre.chopped(4);
}

} // namespace Idioma
