#include "nombreguardado.h"

#include "claves_idioma.h"
#include "idiomas.h"

ArchivoAGuardar ArchivoDeIdioma(const QString &rutaElegida)
{
    const qsizetype separador = std::max(rutaElegida.lastIndexOf(u'/'), rutaElegida.lastIndexOf(u'\\'));
    const QString carpeta = rutaElegida.left(separador + 1);
    QString nombre = rutaElegida.mid(separador + 1);
    const QString extension = QString::fromUtf16(Idioma::kExtension);
    if (nombre.endsWith(extension, Qt::CaseInsensitive))
        nombre.chop(extension.size());
    else if (nombre.endsWith(u'.'))
        nombre.chop(1); // "Italiano." gets the extension after its dot, not a second dot
    if (const QString motivo = Idioma::MotivoNombre(nombre); !motivo.isEmpty())
        return {{}, motivo};
    return {carpeta + nombre + extension, {}};
}
