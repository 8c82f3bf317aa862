#include "unalinea.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Never refuses a text: it mends it. A CRLF pair is one line break, so it becomes one space.
class SinSaltos : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &texto, int &posicion) const override
    {
        if (!texto.contains(u'\r') && !texto.contains(u'\n'))
            return Acceptable;
        QString limpio;
        limpio.reserve(texto.size());
        int nuevaPosicion = posicion;
        for (qsizetype i = 0; i < texto.size(); ++i) {
            const QChar c = texto[i];
            if (c == u'\r' && i + 1 < texto.size() && texto[i + 1] == u'\n') {
                if (i + 1 < posicion)
                    --nuevaPosicion;
                ++i;
            }
            limpio += (c == u'\r' || c == u'\n') ? QChar(u' ') : c;
        }
        texto = limpio;
        posicion = nuevaPosicion;
        return Acceptable;
    }
};

} // namespace

void UnaSolaLinea(QLineEdit *caja)
{
    caja->setValidator(new SinSaltos(caja));
}
