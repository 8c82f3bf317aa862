#include "idiomas.h"

#include "carpetas.h"
#include "perfil.h"
#include "perfil_archivo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Idioma {

namespace {

// Names Windows keeps for its devices whatever follows the first dot: "nul.dxl" is no file there.
bool EsDispositivo(const QString &nombre)
{
    QString base = nombre.section(u'.', 0, 0).toUpper();
    while (base.endsWith(u' '))
        base.chop(1);
    if (base == u"CON" || base == u"PRN" || base == u"AUX" || base == u"NUL")
        return true;
    return base.size() == 4 && (base.startsWith(u"COM") || base.startsWith(u"LPT")) &&
           QStringView(u"0123456789\u00B9\u00B2\u00B3").contains(base.back());
}

} // namespace

QString MotivoNombre(const QString &nombre)
{
    // An empty name would make the file ".dxl": hidden as well.
    if (nombre.isEmpty() || nombre.startsWith(u'.'))
        return QCoreApplication::translate(
            "Idioma", "Un nombre que empieza por un punto haría un archivo oculto, y Dexo no lo ofrecería "
                      "como idioma.");
    if (nombre.trimmed().isEmpty())
        return QCoreApplication::translate("Idioma", "El nombre del idioma está en blanco.");
    for (const QChar c : nombre) {
        if (c.unicode() < 0x20 || QStringView(u"<>:\"/\\|?*").contains(c))
            return QCoreApplication::translate(
                "Idioma", "Un nombre de idioma no puede llevar caracteres de control ni ninguno de estos: "
                          "< > : \" / \\ | ? *");
    }
    if (nombre.contains(QStringLiteral("..")))
        return QCoreApplication::translate("Idioma",
                                           "Un nombre de idioma no puede llevar dos puntos seguidos (..).");
    // Windows drops them, so the file would not be the one the name says.
    if (nombre.endsWith(u'.') || nombre.endsWith(u' '))
        return QCoreApplication::translate(
            "Idioma", "Un nombre de idioma no puede acabar en un punto ni en un espacio.");
    if (EsDispositivo(nombre))
        return QCoreApplication::translate("Idioma", "Windows reserva el nombre %1 para un dispositivo.")
            .arg(nombre.section(u'.', 0, 0));
    // 255 bytes is the limit of a file name on Linux, and no fewer characters on Windows.
    if ((nombre + QString::fromUtf16(kExtension)).toUtf8().size() > 255)
        return QCoreApplication::translate("Idioma", "El nombre es demasiado largo para un archivo.");
    return {};
}

bool EsNombreValido(const QString &nombre)
{
    return MotivoNombre(nombre).isEmpty();
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

IdiomaElegido AdoptarArchivo(const Carpetas &carpetas, const QString &ruta,
                             const std::function<bool(const QString &)> &preguntar)
{
    const auto rechazo = [&ruta](const QString &motivo) {
        return IdiomaElegido{std::nullopt, QCoreApplication::translate(
                                               "Idioma", "No se puede usar como idioma el archivo\n%1\n\n%2")
                                               .arg(QDir::toNativeSeparators(ruta), motivo)};
    };
    const std::optional<QString> nombre = NombreDeArchivoElegido(ruta);
    if (!nombre || !ruta.endsWith(QString::fromUtf16(kExtension), Qt::CaseInsensitive))
        return rechazo(
            QCoreApplication::translate("Idioma", "No es un archivo de idioma: su nombre no acaba en .dxl."));
    if (const QString motivo = MotivoNombre(*nombre); !motivo.isEmpty())
        return rechazo(motivo);
    const Perfil::Lectura archivo = Perfil::LeerArchivo(ruta);
    if (!archivo.existe || !archivo.legible)
        return rechazo(archivo.motivo.isEmpty()
                           ? QCoreApplication::translate("Idioma", "No se pudo leer el archivo") + u'.'
                           : archivo.motivo);
    const PerfilLeido textos(ruta);
    const QString falta = QString::fromUtf16(kFalta);
    for (const int clave : {0, kT0}) {
        if (textos.Leer(kClaves[clave].Seccion(), kClaves[clave].Clave(), falta) == falta)
            return rechazo(QCoreApplication::translate(
                               "Idioma", "No es un archivo de idioma de Dexo: le falta el texto [%1] %2.")
                               .arg(kClaves[clave].Seccion(), kClaves[clave].Clave()));
    }

    // The name leads to this very file: nothing to copy.
    const QString actual = carpetas.RutaIdioma(*nombre);
    if (QFileInfo(actual).isFile() && QFileInfo(actual) == QFileInfo(ruta))
        return {nombre, {}};
    // Any other file is brought beside the user's languages, where the name finds it first.
    const QString destino = RutaArchivo(carpetas.Ajustes(), *nombre);
    if (QFileInfo(destino).isFile()) {
        if (const Perfil::Lectura ya = Perfil::LeerArchivo(destino); ya.legible && ya.bytes == archivo.bytes)
            return {nombre, {}};
        if (!preguntar(QCoreApplication::translate(
                           "Idioma", "Ya hay otro idioma %1 en\n%2\n\n¿Reemplazarlo por el archivo elegido?")
                           .arg(*nombre, QDir::toNativeSeparators(carpetas.Ajustes()))))
            return {};
    }
    carpetas.PrepararAjustes();
    if (QString motivo; !Perfil::GuardarAtomico(destino, archivo.bytes, &motivo))
        return rechazo(QCoreApplication::translate("Idioma", "No se pudo copiar en %1")
                           .arg(QDir::toNativeSeparators(destino)) +
                       u'\n' + motivo);
    return {nombre, {}};
}

} // namespace Idioma
