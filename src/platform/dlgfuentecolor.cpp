#include "dlgfuentecolor.h"

#include "valores.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QIcon MuestraDeColor(const QColor &color)
{
    QPixmap cuadro(32, 16);
    cuadro.fill(Qt::transparent);
    QPainter pintor(&cuadro);
    pintor.setPen(QColor(90, 90, 90));
    pintor.setBrush(color);
    pintor.drawRect(0, 0, 31, 15);
    return QIcon(cuadro);
}

} // namespace

DlgFuenteColor::DlgFuenteColor(const QFont &fuente, const QColor &color, QWidget *padre)
    : QDialog(padre), color_(color), base_(fuente)
{
    setObjectName(QStringLiteral("DlgFuenteColor"));
    setWindowTitle(tr("Fuente de letra, tamaño y color"));

    familia_ = new QFontComboBox(this);
    familia_->setObjectName(QStringLiteral("familia"));
    familia_->setCurrentFont(fuente);

    tamano_ = new QDoubleSpinBox(this);
    tamano_->setObjectName(QStringLiteral("tamano"));
    // Sizes a label can draw; the same bounds the settings reader accepts.
    tamano_->setRange(Valores::kTamMinimo, Valores::kTamMaximo);
    tamano_->setDecimals(2); // the settings hold sizes such as 8.25
    tamano_->setSingleStep(1.0);
    tamano_->setSuffix(QStringLiteral(" pt"));
    tamano_->setValue(fuente.pointSizeF() > 0 ? fuente.pointSizeF() : 24.0);

    negrita_ = new QCheckBox(tr("&Negrita"), this);
    cursiva_ = new QCheckBox(tr("&Cursiva"), this);
    subrayada_ = new QCheckBox(tr("&Subrayada"), this);
    tachada_ = new QCheckBox(tr("&Tachada"), this);
    negrita_->setObjectName(QStringLiteral("negrita"));
    cursiva_->setObjectName(QStringLiteral("cursiva"));
    subrayada_->setObjectName(QStringLiteral("subrayada"));
    tachada_->setObjectName(QStringLiteral("tachada"));
    negrita_->setChecked(fuente.bold());
    cursiva_->setChecked(fuente.italic());
    subrayada_->setChecked(fuente.underline());
    tachada_->setChecked(fuente.strikeOut());

    botonColor_ = new QPushButton(tr("C&olor..."), this);
    botonColor_->setObjectName(QStringLiteral("color"));
    botonColor_->setAutoDefault(false);

    muestra_ = new QLabel(QStringLiteral("00.123"), this);
    muestra_->setObjectName(QStringLiteral("muestra"));
    muestra_->setAlignment(Qt::AlignCenter);
    muestra_->setMinimumSize(300, 110);
    muestra_->setAutoFillBackground(true);
    muestra_->setFrameShape(QFrame::StyledPanel);

    auto *formulario = new QFormLayout;
    auto *etiquetaFamilia = new QLabel(tr("&Fuente:"), this);
    etiquetaFamilia->setBuddy(familia_);
    auto *etiquetaTamano = new QLabel(tr("T&amaño:"), this);
    etiquetaTamano->setBuddy(tamano_);
    formulario->addRow(etiquetaFamilia, familia_);
    formulario->addRow(etiquetaTamano, tamano_);

    auto *estilos = new QGridLayout;
    estilos->addWidget(negrita_, 0, 0);
    estilos->addWidget(cursiva_, 0, 1);
    estilos->addWidget(subrayada_, 1, 0);
    estilos->addWidget(tachada_, 1, 1);
    estilos->addWidget(botonColor_, 0, 2, 2, 1, Qt::AlignVCenter);
    formulario->addRow(tr("Estilo:"), estilos);

    auto *botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botones->button(QDialogButtonBox::Ok)->setText(tr("Aceptar"));
    botones->button(QDialogButtonBox::Cancel)->setText(tr("Cancelar"));
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *columna = new QVBoxLayout(this);
    columna->addLayout(formulario);
    columna->addWidget(new QLabel(tr("Muestra:"), this));
    columna->addWidget(muestra_, 1);
    columna->addWidget(botones);

    connect(familia_, &QComboBox::currentTextChanged, this, [this] {
        familiaElegida_ = true;
        ActualizarMuestra();
    });
    connect(tamano_, &QDoubleSpinBox::valueChanged, this, &DlgFuenteColor::ActualizarMuestra);
    for (QCheckBox *estilo : {negrita_, cursiva_, subrayada_, tachada_})
        connect(estilo, &QCheckBox::toggled, this, &DlgFuenteColor::ActualizarMuestra);
    connect(botonColor_, &QPushButton::clicked, this, &DlgFuenteColor::ElegirColor);
    ActualizarMuestra();
    familia_->setFocus();
}

QFont DlgFuenteColor::Fuente() const
{
    QFont fuente = base_;
    // A family the system lacks (MS Sans Serif on Linux) keeps its own name until the user
    // picks another one.
    if (familiaElegida_)
        fuente.setFamily(familia_->currentText());
    fuente.setPointSizeF(tamano_->value());
    fuente.setBold(negrita_->isChecked());
    fuente.setItalic(cursiva_->isChecked());
    fuente.setUnderline(subrayada_->isChecked());
    fuente.setStrikeOut(tachada_->isChecked());
    return fuente;
}

void DlgFuenteColor::ElegirColor()
{
    const QColor elegido = QColorDialog::getColor(color_, this, tr("Color de la letra"));
    if (!elegido.isValid())
        return;
    color_ = elegido;
    ActualizarMuestra();
}

void DlgFuenteColor::ActualizarMuestra()
{
    QFont fuente = Fuente();
    // The sample shows the look; a huge size would only push the buttons away.
    fuente.setPointSizeF(qMin(tamano_->value(), 48.0));
    muestra_->setFont(fuente);
    QPalette colores = muestra_->palette();
    colores.setColor(QPalette::WindowText, color_);
    colores.setColor(QPalette::Window, color_.lightness() > 200 ? QColor(90, 90, 90) : QColor(Qt::white));
    muestra_->setPalette(colores);
    botonColor_->setIcon(MuestraDeColor(color_));
}
