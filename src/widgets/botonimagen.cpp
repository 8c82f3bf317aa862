#include "botonimagen.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>

BotonImagen::BotonImagen(const QString &recursoSvg, QSize tamano, QWidget *padre)
    : QAbstractButton(padre), dibujo_(new QSvgRenderer(this)), tamano_(tamano)
{
    setFixedSize(tamano);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    PonerSvg(recursoSvg);
}

void BotonImagen::PonerSvg(const QString &recurso)
{
    imagen_ = QPixmap();
    if (recurso.isEmpty())
        dibujo_->load(QByteArray());
    else
        dibujo_->load(recurso);
    update();
}

void BotonImagen::PonerImagen(const QPixmap &imagen)
{
    dibujo_->load(QByteArray());
    imagen_ = imagen;
    update();
}

bool BotonImagen::Vacio() const
{
    return imagen_.isNull() && !dibujo_->isValid();
}

void BotonImagen::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area(QPointF(0, 0), QSizeF(tamano_));
    if (!imagen_.isNull()) {
        QSizeF lado = imagen_.deviceIndependentSize();
        lado.scale(area.size(), Qt::KeepAspectRatio);
        const QRectF destino(area.center() - QPointF(lado.width() / 2, lado.height() / 2), lado);
        pintor.drawPixmap(destino, imagen_, QRectF(imagen_.rect()));
    } else if (dibujo_->isValid()) {
        dibujo_->render(&pintor, area);
    } else {
        // An empty slot still shows where a picture would go.
        pintor.setPen(QPen(QColor(255, 255, 255, 140), 1.5, Qt::DashLine));
        pintor.setBrush(QColor(255, 255, 255, 25));
        pintor.drawRoundedRect(area.adjusted(4, 4, -4, -4), 6, 6);
    }
    DibujarMarco(pintor);
}

void BotonImagen::DibujarMarco(QPainter &pintor) const
{
    const bool foco = hasFocus();
    const bool encima = underMouse();
    if (!foco && !encima && !isDown())
        return;
    const QColor color = foco ? QColor(255, 214, 90) : QColor(255, 255, 255, 150);
    pintor.setPen(QPen(color, foco ? 2 : 1, foco ? Qt::DotLine : Qt::SolidLine));
    pintor.setBrush(isDown() ? QColor(255, 255, 255, 60) : QColor(Qt::transparent));
    pintor.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
}

void BotonImagen::keyPressEvent(QKeyEvent *evento)
{
    // Space is the button's own key; Enter does the same here, as on the other controls.
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) &&
        evento->modifiers() == Qt::NoModifier) {
        evento->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(evento);
}

CasillaImagen::CasillaImagen(const QString &svgMarcado, const QString &svgVacio, QSize tamano, QWidget *padre)
    : BotonImagen(svgVacio, tamano, padre), svgMarcado_(svgMarcado), svgVacio_(svgVacio)
{
    setCheckable(true);
    connect(this, &QAbstractButton::toggled, this, &CasillaImagen::ActualizarDibujo);
}

void CasillaImagen::ActualizarDibujo(bool marcado)
{
    PonerSvg(marcado ? svgMarcado_ : svgVacio_);
}
