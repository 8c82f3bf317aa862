#include "traduccion.h"

#include "claves_idioma.h"
#include "idiomas.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace Idioma {

QString CodigoTraduccion(const QString &nombre)
{
    static const char *const codigos[] = {"es", "en", "it", "fr", "pt"};
    static_assert(std::size(codigos) == kIdiomas.size());
    if (!EsNombreValido(nombre))
        return QStringLiteral("es");
    for (size_t i = 0; i < kIdiomas.size(); ++i) {
        if (nombre == QString::fromUtf16(kIdiomas[i]))
            return QString::fromLatin1(codigos[i]);
    }
    return QStringLiteral("en");
}

} // namespace Idioma

void Traductor::Aplicar(const QString &nombreIdioma)
{
    const QString codigo = Idioma::CodigoTraduccion(nombreIdioma);
    if (codigo == codigo_)
        return;
    codigo_ = codigo;
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&propio_);

    // Qt's file beside the program (the program folder carries it), else the one of the Qt in
    // use; without either, Qt's English stays. Qt's Portuguese is the Brazilian one.
    const QString qt =
        QStringLiteral("qtbase_") + (codigo == QLatin1String("pt") ? QStringLiteral("pt_BR") : codigo);
    if (qt_.load(qt, QCoreApplication::applicationDirPath()) ||
        qt_.load(qt, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    // The program's texts are written in Spanish: Español needs no file.
    if (codigo == QLatin1String("es"))
        return;
    // The resource is archived with this library; naming it here brings it into the program.
    Q_INIT_RESOURCE(traducciones);
    if (propio_.load(QStringLiteral(":/traducciones/dexo_") + codigo))
        QCoreApplication::installTranslator(&propio_);
}
