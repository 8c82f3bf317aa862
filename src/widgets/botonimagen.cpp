#include "botonimagen.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace {

const QColor kColorFoco(0x2C, 0x62, 0xC4);
const QColor kColorSenal(0xF2, 0x68, 0x2E);

} // namespace

BotonImagen::BotonImagen(const QString &recurso, QSize tamano, QWidget *padre)
    : QAbstractButton(padre), dibujo_(new QSvgRenderer(this)), tamano_(tamano), colorFoco_(kColorFoco)
{
    setFixedSize(tamano);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    PonerSvg(recurso);
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

void BotonImagen::PonerSenal(bool senal)
{
    if (senal_ == senal)
        return;
    senal_ = senal;
    update();
}

void BotonImagen::PonerColorFoco(const QColor &color)
{
    colorFoco_ = color;
    update();
}

void BotonImagen::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF marco(QPointF(0, 0), QSizeF(tamano_));

    if (!isEnabled())
        pintor.setOpacity(0.3);
    // Pressed, the picture sinks a little; under the mouse it lights up.
    const QRectF lugar = isDown() ? marco.adjusted(1, 1, -1, -1) : marco;
    if (!imagen_.isNull()) {
        QSizeF lado = imagen_.deviceIndependentSize();
        lado.scale(lugar.size(), Qt::KeepAspectRatio);
        const QRectF destino(lugar.center() - QPointF(lado.width() / 2, lado.height() / 2), lado);
        pintor.drawPixmap(destino, imagen_, QRectF(imagen_.rect()));
    } else if (dibujo_->isValid()) {
        dibujo_->render(&pintor, lugar);
    } else {
        // An empty slot still shows where a picture would go.
        pintor.setPen(QPen(QColor(255, 255, 255, 140), 1.5, Qt::DashLine));
        pintor.setBrush(QColor(255, 255, 255, 25));
        pintor.drawRoundedRect(marco.adjusted(4, 4, -4, -4), 6, 6);
    }
    if (isEnabled() && underMouse() && !isDown()) {
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(QColor(255, 255, 255, 60));
        pintor.drawRoundedRect(marco.adjusted(1, 1, -1, -1), 5, 5);
    }
    pintor.setOpacity(1.0);

    if (hasFocus()) {
        pintor.setPen(QPen(colorFoco_, 2, Qt::DotLine));
        pintor.setBrush(Qt::NoBrush);
        pintor.drawRoundedRect(marco.adjusted(1, 1, -1, -1), 5, 5);
    }
    if (senal_) {
        const qreal radio = std::max<qreal>(3.5, tamano_.height() / 7.0);
        pintor.setPen(QPen(Qt::white, 1.5));
        pintor.setBrush(kColorSenal);
        pintor.drawEllipse(QPointF(marco.right() - radio - 0.5, marco.top() + radio + 0.5), radio, radio);
    }
}

bool PulsarConIntro(QAbstractButton *boton, QKeyEvent *evento)
{
    if (evento->key() != Qt::Key_Return && evento->key() != Qt::Key_Enter)
        return false;
    if (boton->isEnabled())
        boton->click();
    evento->accept();
    return true;
}

void BotonImagen::keyPressEvent(QKeyEvent *evento)
{
    if (!PulsarConIntro(this, evento))
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
