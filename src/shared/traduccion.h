#pragma once

#include <QString>
#include <QTranslator>

namespace Idioma {

// The translation of the texts beyond a language file that goes with a language name: "es" for
// Español (the texts' own language), "en", "it", "fr" or "pt" for the other shipped languages,
// and "en" for a language made by a user, who reads English sooner than Spanish. A name that is
// no language means Español, the language the programs fall back to.
QString CodigoTraduccion(const QString &nombre);

} // namespace Idioma

// Qt's own texts (dialogs, standard buttons) and the program's texts beyond the language file, in
// the chosen language. Owned by the window or state that chooses the language: its translators
// leave the application with it.
class Traductor
{
public:
    // Installs the translations of the language; a language whose translations are already in
    // place changes nothing (no needless retranslation of every window).
    void Aplicar(const QString &nombreIdioma);
    QString Codigo() const { return codigo_; }

private:
    QString codigo_;
    QTranslator qt_;
    QTranslator propio_;
};
