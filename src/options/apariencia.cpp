#include "apariencia.h"

#include "botonimagen.h"
#include "unidades.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {

const QColor kMarcada(128, 0, 0);
const QColor kGris(145, 145, 145);
constexpr int kAnchoBarra = 255;  // twips
constexpr int kPasoBarras = 360;  // twips
constexpr int kAltoBajo = 255;    // twips, bars 1 to 3
constexpr int kAumentoAlto = 120; // twips for each bar after the third

int AltoBarra(int nivel)
{
    return kAltoBajo + qMax(0, nivel - 3) * kAumentoAlto;
}

// One bar: a plain coloured block that the keyboard can reach and press.
class Barra : public QAbstractButton
{
public:
    Barra(int nivel, QWidget *padre) : QAbstractButton(padre), nivel_(nivel)
    {
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
        setObjectName(QStringLiteral("PicTr%1").arg(nivel));
        setToolTip(QStringLiteral("%1 %").arg(nivel * 10));
        setAccessibleName(Nombre());
        PonerColor(kMarcada);
    }
    void PonerColor(const QColor &color)
    {
        color_ = color;
        update();
    }
    QColor Color() const { return color_; }

protected:
    QString Nombre() const
    {
        return QCoreApplication::translate("BarrasTransparencia", "Transparencia %1 %").arg(nivel_ * 10);
    }
    void changeEvent(QEvent *evento) override
    {
        if (evento->type() == QEvent::LanguageChange)
            setAccessibleName(Nombre());
        QAbstractButton::changeEvent(evento);
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter pintor(this);
        pintor.fillRect(rect(), color_);
        pintor.setPen(QColor(30, 30, 40));
        pintor.drawRect(rect().adjusted(0, 0, -1, -1));
        if (hasFocus()) {
            pintor.setPen(QPen(QColor(255, 214, 90), 2));
            pintor.drawRect(rect().adjusted(1, 1, -1, -1));
        }
    }
    void keyPressEvent(QKeyEvent *evento) override
    {
        if (!PulsarConIntro(this, evento))
            QAbstractButton::keyPressEvent(evento);
    }

private:
    int nivel_;
    QColor color_;
};

} // namespace

BarrasTransparencia::BarrasTransparencia(QWidget *padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("Barras"));
    const int altoTotal = AltoBarra(10);
    resize(TwipsAPixeles(9 * kPasoBarras + kAnchoBarra), TwipsAPixeles(altoTotal));
    for (int nivel = 1; nivel <= 10; ++nivel) {
        auto *barra = new Barra(nivel, this);
        const int alto = AltoBarra(nivel);
        // Bottoms aligned.
        barra->setGeometry(TwipsAPixeles((nivel - 1) * kPasoBarras), TwipsAPixeles(altoTotal - alto),
                           TwipsAPixeles(kAnchoBarra), TwipsAPixeles(alto));
        connect(barra, &QAbstractButton::clicked, this, [this, nivel] { emit barraPulsada(nivel); });
        PicTr[static_cast<size_t>(nivel - 1)] = barra;
    }
}

void BarrasTransparencia::Marcar(int nivel)
{
    for (int k = 1; k <= 10; ++k)
        static_cast<Barra *>(PicTr[static_cast<size_t>(k - 1)])->PonerColor(k <= nivel ? kMarcada : kGris);
}

int BarrasTransparencia::Nivel() const
{
    for (int k = 1; k <= 10; ++k) {
        if (static_cast<Barra *>(PicTr[static_cast<size_t>(k - 1)])->Color() != kMarcada)
            return k - 1;
    }
    return 10;
}

VistaMuestra::VistaMuestra(QWidget *padre) : QFrame(padre)
{
    setObjectName(QStringLiteral("PicMuestra"));
    setAutoFillBackground(true);
    QPalette colores = palette();
    colores.setColor(QPalette::Window, kGris);
    setPalette(colores);
    setFrameShape(QFrame::StyledPanel);

    LblDiasAux = new QLabel(QStringLiteral("0"), this);
    LblDiasAux->setObjectName(QStringLiteral("LblDiasAux"));
    LblDiasAux->setTextFormat(Qt::PlainText);
    LblDiasAux->setAutoFillBackground(true);
    LblDiasAux->setFont(FuenteOriginal());
    PonerColores(Qt::white, Qt::black);

    TmrMuestra = new QTimer(this);
    TmrMuestra->setObjectName(QStringLiteral("TmrMuestra"));
    TmrMuestra->setInterval(kIntervalo);
    connect(TmrMuestra, &QTimer::timeout, this, &VistaMuestra::TmrMuestra_Timer);
}

QFont VistaMuestra::FuenteOriginal()
{
    QFont fuente(QStringLiteral("MS Sans Serif"));
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPointSizeF(24);
    fuente.setBold(true);
    return fuente;
}

QColor VistaMuestra::ColorFondo() const
{
    return LblDiasAux->palette().color(QPalette::Window);
}

QColor VistaMuestra::ColorTexto() const
{
    return LblDiasAux->palette().color(QPalette::WindowText);
}

void VistaMuestra::PonerColores(const QColor &fondo, const QColor &texto)
{
    QPalette colores = LblDiasAux->palette();
    colores.setColor(QPalette::Window, fondo);
    colores.setColor(QPalette::WindowText, texto);
    LblDiasAux->setPalette(colores);
}

void VistaMuestra::Centrar()
{
    LblDiasAux->adjustSize();
    LblDiasAux->move((width() - LblDiasAux->width()) / 2, (height() - LblDiasAux->height()) / 2);
}

void VistaMuestra::TmrMuestra_Timer()
{
    int digito = LblDiasAux->text().toInt() + 1;
    if (digito > 9)
        digito = 0;
    LblDiasAux->setText(QString::number(digito));
}

void VistaMuestra::Detener()
{
    TmrMuestra->stop();
}

void VistaMuestra::resizeEvent(QResizeEvent *evento)
{
    QFrame::resizeEvent(evento);
    Centrar();
}
