#include "nombreguardado.h"

#include "claves_idioma.h"

#include <QCoreApplication>

ArchivoAGuardar ArchivoDeIdioma(const QString &rutaElegida)
{
    const qsizetype separador = std::max(rutaElegida.lastIndexOf(u'/'), rutaElegida.lastIndexOf(u'\\'));
    QString carpeta = rutaElegida.left(separador + 1);
    QString nombre = rutaElegida.mid(separador + 1);
    if (nombre.trimmed().isEmpty())
        return {{}, QCoreApplication::translate("Tradel", "Escriba un nombre para el archivo del idioma.")};
    if (nombre.startsWith(u'.'))
        return {{},
                QCoreApplication::translate("Tradel", "Un nombre que empieza por un punto haría un archivo "
                                                      "oculto, y Dexo no lo ofrecería como idioma.")};
    const QString extension = QString::fromUtf16(Idioma::kExtension);
    if (!nombre.endsWith(extension, Qt::CaseInsensitive)) {
        // A name typed with a dot at its end gets the extension after that dot, not a second one.
        if (nombre.endsWith(u'.'))
            nombre.chop(1);
        nombre += extension;
    }
    return {carpeta + nombre, {}};
}
