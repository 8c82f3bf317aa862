#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QCheckBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QPushButton;

// Font and text colour chosen together: Qt's font dialog has no colour, and the count needs both.
class DlgFuenteColor : public QDialog
{
    Q_OBJECT

public:
    DlgFuenteColor(const QFont &fuente, const QColor &color, QWidget *padre = nullptr);

    QFont Fuente() const;
    QColor Color() const { return color_; }

private:
    void ElegirColor();
    void ActualizarMuestra();

    QFontComboBox *familia_;
    QDoubleSpinBox *tamano_;
    QCheckBox *negrita_;
    QCheckBox *cursiva_;
    QCheckBox *subrayada_;
    QCheckBox *tachada_;
    QPushButton *botonColor_;
    QLabel *muestra_;
    QColor color_;
    QFont base_;
    bool familiaElegida_ = false;
};
