#pragma once

#include <QDate>
#include <QFrame>

#include <array>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

// The date frame: the year and month lists, the 31 day buttons in their fixed grid and the label
// that shows the date chosen, and "Cada año" for a date that comes back every year. Past days of
// this month and every day of past months of this year cannot be chosen, unless the date comes
// back every year; earlier years are not offered.
class SelectorFecha : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kAnnos = 51;

    SelectorFecha(QDate hoy, QWidget *padre);

    // Selects year, month and day of a stored date, each with the reaction of a user's click;
    // nullopt selects this year and month and no day.
    void Cargar(std::optional<QDate> fecha);
    // The prompt of the language shown (its own text), put up after every change of year or month;
    // `mostrar` puts it up at once.
    void PonerIndicacion(const QString &texto, bool mostrar);
    void AjustarDias();
    // A new day while the frame is shown: the days that became past are greyed; the day chosen
    // stays chosen.
    void CambiarHoy(QDate hoy);

    std::optional<QDate> Elegida() const { return elegida_; }
    // The name of month 1..12 in the language shown.
    static QString NombreMes(int mes);
    // Whether a stored date can be shown: it lies in one of the offered years.
    bool Ofrecida(QDate fecha) const;

    QComboBox *CmbAnno;
    QComboBox *CmbMes;
    std::array<QRadioButton *, 31> OptDia{};
    QLabel *LblDexo;
    QCheckBox *ChkAnual;

signals:
    void fechaElegida(QDate fecha);

protected:
    void changeEvent(QEvent *evento) override;

private:
    void AnnoOMesElegido();
    void DiaElegido(int indice);
    void LimpiarDias();
    // Past days cannot be chosen: days before today in the month shown are greyed.
    void AtenuarPasados();
    // Tab enters the grid at the chosen day, else at the first day that can be chosen.
    void PonerEntradaDias();

    QButtonGroup *grupo_;
    QDate hoy_;
    std::optional<QDate> elegida_;
    QString indicacion_;
};
