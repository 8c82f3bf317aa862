#include "titulos.h"

#include "decorativa.h"
#include "unidades.h"

#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QFont FuenteTitulo(int indice)
{
    QFont fuente(QStringLiteral("MS Sans Serif"));
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setBold(true);
    fuente.setPointSizeF(indice == 0 ? 14.0 : 8.25);
    return fuente;
}

QLabel *Etiqueta(QWidget *padre, const QString &nombre, int indice, const QColor &color, bool sombra = false)
{
    QLabel *etiqueta = sombra ? new EtiquetaDecorativa(padre) : new QLabel(padre);
    etiqueta->setObjectName(nombre);
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setWordWrap(true);
    etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    etiqueta->setFont(FuenteTitulo(indice));
    QPalette colores = etiqueta->palette();
    colores.setColor(QPalette::WindowText, color);
    etiqueta->setPalette(colores);
    return etiqueta;
}

} // namespace

QRect RectTwips(int izda, int sup, int ancho, int alto)
{
    return {TwipsAPixeles(izda), TwipsAPixeles(sup), TwipsAPixeles(ancho), TwipsAPixeles(alto)};
}

Titulo CrearTitulo(QWidget *padre, int indice, QRect twips, const QString &texto, int desplazamiento)
{
    Titulo titulo;
    // The shadow is created first, so that its caption is drawn over it.
    if (desplazamiento > 0) {
        titulo.sombra =
            Etiqueta(padre, QStringLiteral("LblSombra%1").arg(indice), indice, QColor(12, 22, 51), true);
        titulo.sombra->setGeometry(
            RectTwips(twips.x() + desplazamiento, twips.y() + desplazamiento, twips.width(), twips.height()));
        titulo.sombra->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    titulo.texto = Etiqueta(padre, QStringLiteral("LblTitulo%1").arg(indice), indice, QColor(Qt::white));
    titulo.texto->setGeometry(RectTwips(twips.x(), twips.y(), twips.width(), twips.height()));
    PonerTitulo(titulo, texto);
    return titulo;
}

void PonerTitulo(const Titulo &titulo, const QString &texto)
{
    titulo.texto->setText(texto);
    if (titulo.sombra)
        titulo.sombra->setText(texto);
}

PanelFondo::PanelFondo(QWidget *padre)
    : QWidget(padre), fondo_(new QSvgRenderer(QStringLiteral(":/options/fondo.svg"), this))
{
}

void PanelFondo::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    fondo_->render(&pintor, QRectF(rect()));
}
