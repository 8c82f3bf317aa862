#include "selectorfecha.h"

#include "botonimagen.h"
#include "foco.h"
#include "titulos.h"
#include "unidades.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QRadioButton>

namespace {

const QColor kGris(145, 145, 145);
constexpr int kColumnaTwips = 360;
constexpr int kFilaTwips = 240;
constexpr QPoint kOrigenRejilla(420, 600); // twips, top left of column 1, row 1

// A day of the grid: a small flat button with its number, since a radio circle and a caption do
// not fit 24 by 16 pixels. Still a radio button to the keyboard and to assistive tools.
class BotonDia : public QRadioButton
{
public:
    BotonDia(const QString &texto, QWidget *padre) : QRadioButton(texto, padre) {}

protected:
    bool hitButton(const QPoint &punto) const override { return rect().contains(punto); }
    // Enter picks the day too, as on the dialog's picture buttons.
    void keyPressEvent(QKeyEvent *evento) override
    {
        if (!PulsarConIntro(this, evento))
            QRadioButton::keyPressEvent(evento);
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter pintor(this);
        pintor.setRenderHint(QPainter::Antialiasing);
        const QRectF caja = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QColor fondo = isChecked() ? QColor(128, 0, 0) : QColor(236, 238, 242);
        if (!isEnabled())
            fondo = isChecked() ? QColor(150, 90, 90) : QColor(170, 170, 170);
        // The focus ring must stand out from the button: amber on the dark red of the chosen day,
        // dark blue on the light ones.
        const QColor foco = isChecked() ? QColor(255, 214, 90) : QColor(44, 98, 196);
        pintor.setPen(hasFocus() ? QPen(foco, 2) : QPen(QColor(80, 80, 80)));
        pintor.setBrush(fondo);
        pintor.drawRoundedRect(caja, 3, 3);
        pintor.setPen(isChecked() ? QColor(Qt::white)
                                  : (isEnabled() ? QColor(20, 20, 30) : QColor(120, 120, 120)));
        pintor.drawText(rect(), Qt::AlignCenter, text());
    }
};

// "Cada año": a check box drawn like the day buttons beside it (their face, the dark red of the
// chosen day for the tick, their blue focus ring), so that it reads as part of the frame.
class CasillaAnual : public QCheckBox
{
public:
    explicit CasillaAnual(QWidget *padre) : QCheckBox(padre) {}

protected:
    bool hitButton(const QPoint &punto) const override { return rect().contains(punto); }
    void keyPressEvent(QKeyEvent *evento) override
    {
        if (!PulsarConIntro(this, evento))
            QCheckBox::keyPressEvent(evento);
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter pintor(this);
        pintor.setRenderHint(QPainter::Antialiasing);
        const qreal lado = std::min(height(), 14) - 1;
        const QRectF caja(1.5, (height() - lado) / 2.0, lado, lado);
        pintor.setPen(hasFocus() ? QPen(QColor(44, 98, 196), 2) : QPen(QColor(80, 80, 80)));
        pintor.setBrush(QColor(236, 238, 242));
        pintor.drawRoundedRect(caja, 3, 3);
        if (isChecked()) {
            pintor.setPen(QPen(QColor(128, 0, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const QPointF marca[] = {caja.topLeft() + QPointF(lado * 0.22, lado * 0.52),
                                     caja.topLeft() + QPointF(lado * 0.42, lado * 0.74),
                                     caja.topLeft() + QPointF(lado * 0.80, lado * 0.28)};
            pintor.drawPolyline(marca, 3);
        }
        pintor.setPen(QColor(20, 20, 30));
        const QRect texto = rect().adjusted(qRound(lado) + 6, 0, 0, 0);
        pintor.drawText(texto, Qt::AlignLeft | Qt::AlignVCenter,
                        fontMetrics().elidedText(text(), Qt::ElideRight, texto.width()));
    }
};

QFont FuentePequena(bool negrita)
{
    QFont fuente(QStringLiteral("MS Sans Serif"));
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPointSizeF(7.5);
    fuente.setBold(negrita);
    return fuente;
}

// Day i + 1 in its fixed cell: day 1 is column 2 of row 1, and rows hold six days after it.
QPoint CeldaDia(int indice)
{
    const int posicion = indice + 1; // column 1 of row 1 is empty
    return {posicion % 6, posicion / 6};
}

} // namespace

QString SelectorFecha::NombreMes(int mes)
{
    static const char *const meses[] = {
        QT_TR_NOOP("Enero"),      QT_TR_NOOP("Febrero"), QT_TR_NOOP("Marzo"),     QT_TR_NOOP("Abril"),
        QT_TR_NOOP("Mayo"),       QT_TR_NOOP("Junio"),   QT_TR_NOOP("Julio"),     QT_TR_NOOP("Agosto"),
        QT_TR_NOOP("Septiembre"), QT_TR_NOOP("Octubre"), QT_TR_NOOP("Noviembre"), QT_TR_NOOP("Diciembre")};
    return tr(meses[mes - 1]);
}

void SelectorFecha::changeEvent(QEvent *evento)
{
    // The month list and the names read aloud follow the language; the chosen month stays.
    if (evento->type() == QEvent::LanguageChange) {
        CmbAnno->setAccessibleName(tr("Año"));
        CmbMes->setAccessibleName(tr("Mes"));
        for (int mes = 1; mes <= 12; ++mes)
            CmbMes->setItemText(mes - 1, NombreMes(mes));
        ChkAnual->setText(tr("Cada año"));
    }
    QFrame::changeEvent(evento);
}

SelectorFecha::SelectorFecha(QDate hoy, QWidget *padre) : QFrame(padre), hoy_(hoy)
{
    setObjectName(QStringLiteral("FraFecha"));
    setAutoFillBackground(true);
    QPalette colores = palette();
    colores.setColor(QPalette::Window, kGris);
    colores.setColor(QPalette::WindowText, QColor(20, 20, 30));
    setPalette(colores);
    setFrameShape(QFrame::StyledPanel);

    CmbAnno = new ConFoco<QComboBox>(kColorFoco, this);
    CmbAnno->setObjectName(QStringLiteral("CmbAnno"));
    CmbAnno->setAccessibleName(tr("Año"));
    CmbAnno->setGeometry(RectTwips(120, 120, 1200, 330));
    for (int anno = hoy.year(); anno <= hoy.year() + kAnnos - 1; ++anno)
        CmbAnno->addItem(QString::number(anno));

    CmbMes = new ConFoco<QComboBox>(kColorFoco, this);
    CmbMes->setObjectName(QStringLiteral("CmbMes"));
    CmbMes->setAccessibleName(tr("Mes"));
    CmbMes->setGeometry(RectTwips(1380, 120, 1500, 330));
    for (int mes = 1; mes <= 12; ++mes)
        CmbMes->addItem(NombreMes(mes), mes);
    CmbMes->setMaxVisibleItems(12);

    grupo_ = new QButtonGroup(this);
    for (int i = 0; i < 31; ++i) {
        auto *dia = new BotonDia(QString::number(i + 1), this);
        dia->setObjectName(QStringLiteral("OptDia%1").arg(i));
        dia->setFont(FuentePequena(true));
        const QPoint celda = CeldaDia(i);
        dia->setGeometry(RectTwips(kOrigenRejilla.x() + celda.x() * kColumnaTwips,
                                   kOrigenRejilla.y() + celda.y() * kFilaTwips, 345, 225));
        grupo_->addButton(dia, i);
        OptDia[static_cast<size_t>(i)] = dia;
    }

    // In the last row, beside day 31: after the days in reading order and in the Tab order.
    ChkAnual = new CasillaAnual(this);
    ChkAnual->setObjectName(QStringLiteral("ChkAnual"));
    ChkAnual->setText(tr("Cada año"));
    ChkAnual->setFont(FuentePequena(true));
    ChkAnual->setGeometry(RectTwips(kOrigenRejilla.x() + 2 * kColumnaTwips + 60,
                                    kOrigenRejilla.y() + 5 * kFilaTwips, 1740, 225));
    connect(ChkAnual, &QCheckBox::toggled, this, [this] {
        AtenuarPasados();
        PonerEntradaDias();
    });

    indicacion_ = QStringLiteral("Seleccione la fecha");
    LblDexo = new QLabel(indicacion_, this);
    LblDexo->setObjectName(QStringLiteral("LblDexo"));
    LblDexo->setTextFormat(Qt::PlainText);
    LblDexo->setWordWrap(true);
    LblDexo->setAlignment(Qt::AlignCenter);
    LblDexo->setGeometry(RectTwips(60, 2130, 2880, 660));
    QFont fuente = FuentePequena(true);
    fuente.setPointSizeF(8.25);
    LblDexo->setFont(fuente);

    connect(CmbAnno, &QComboBox::activated, this, &SelectorFecha::AnnoOMesElegido);
    connect(CmbMes, &QComboBox::activated, this, &SelectorFecha::AnnoOMesElegido);
    connect(grupo_, &QButtonGroup::idClicked, this, &SelectorFecha::DiaElegido);
}

bool SelectorFecha::Ofrecida(QDate fecha) const
{
    return fecha.isValid() && fecha.year() >= hoy_.year() && fecha.year() < hoy_.year() + kAnnos;
}

void SelectorFecha::Cargar(std::optional<QDate> fecha)
{
    elegida_.reset();
    if (!fecha || !Ofrecida(*fecha)) {
        CmbAnno->setCurrentIndex(0);
        AnnoOMesElegido();
        CmbMes->setCurrentIndex(hoy_.month() - 1);
        AnnoOMesElegido();
        return;
    }
    CmbAnno->setCurrentIndex(fecha->year() - hoy_.year());
    AnnoOMesElegido();
    CmbMes->setCurrentIndex(fecha->month() - 1);
    AnnoOMesElegido();
    // Selected even when the button is disabled (a date earlier this year stays the saved one).
    OptDia[static_cast<size_t>(fecha->day() - 1)]->setChecked(true);
    DiaElegido(fecha->day() - 1);
    PonerEntradaDias(); // a click gives the day the focus, and Qt makes it the entry then
}

void SelectorFecha::PonerIndicacion(const QString &texto, bool mostrar)
{
    indicacion_ = texto;
    if (mostrar)
        LblDexo->setText(texto);
}

void SelectorFecha::AnnoOMesElegido()
{
    LblDexo->setText(indicacion_);
    AjustarDias();
    PonerEntradaDias();
}

void SelectorFecha::LimpiarDias()
{
    // An exclusive group keeps one button checked; lift it to clear them all.
    grupo_->setExclusive(false);
    for (QRadioButton *dia : OptDia)
        dia->setChecked(false);
    grupo_->setExclusive(true);
}

void SelectorFecha::AjustarDias()
{
    // By the month's number: its name is in the language shown.
    const int mes = CmbMes->currentData().toInt();
    const int anno = CmbAnno->currentText().toInt();
    static const QList<int> meses31{1, 3, 5, 7, 8, 10, 12};
    static const QList<int> meses30{4, 6, 9, 11};
    if (meses31.contains(mes)) {
        OptDia[28]->setVisible(true);
        OptDia[29]->setVisible(true);
        OptDia[30]->setVisible(true);
    } else if (meses30.contains(mes)) {
        OptDia[28]->setVisible(true);
        OptDia[29]->setVisible(true);
        OptDia[30]->setVisible(false);
    } else if (mes == 2) {
        OptDia[29]->setVisible(false);
        OptDia[30]->setVisible(false);
        // Every offered year lies within 50 years of today: no century rule is needed.
        OptDia[28]->setVisible((anno & 3) == 0);
    }

    LimpiarDias();
    AtenuarPasados();
}

void SelectorFecha::CambiarHoy(QDate hoy)
{
    hoy_ = hoy;
    AtenuarPasados();
    PonerEntradaDias();
}

void SelectorFecha::AtenuarPasados()
{
    // A date that comes back every year may be any day: a birthday in March is fine in December.
    const bool anual = ChkAnual->isChecked();
    const int mes = CmbMes->currentData().toInt();
    const int anno = CmbAnno->currentText().toInt();
    for (int i = 0; i < 31; ++i) {
        // A day the month does not have is hidden; it stays enabled like any other.
        const QDate dia(anno, mes, i + 1);
        OptDia[static_cast<size_t>(i)]->setEnabled(anual || CmbMes->currentIndex() < 0 || !dia.isValid() ||
                                                   dia >= hoy_);
    }
}

void SelectorFecha::PonerEntradaDias()
{
    QRadioButton *entrada = nullptr;
    for (QRadioButton *dia : OptDia) {
        if (!dia->isEnabled() || dia->isHidden())
            continue;
        if (dia->isChecked()) {
            entrada = dia;
            break;
        }
        if (!entrada)
            entrada = dia;
    }
    // Once in the grid, the arrows move from day to day, as in any group of option buttons.
    for (QRadioButton *dia : OptDia)
        dia->setFocusPolicy(dia == entrada ? Qt::StrongFocus : Qt::ClickFocus);
}

void SelectorFecha::DiaElegido(int indice)
{
    // Built from the three numbers, never from a date text, so the system's date order is moot.
    const QDate fecha(CmbAnno->currentText().toInt(), CmbMes->currentData().toInt(), indice + 1);
    if (!fecha.isValid())
        return;
    elegida_ = fecha;
    LblDexo->setText(QLocale().toString(fecha, QLocale::LongFormat));
    emit fechaElegida(fecha);
}
