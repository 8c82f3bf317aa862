#pragma once

#include <QFont>
#include <QFrame>

#include <array>

class QAbstractButton;
class QLabel;
class QTimer;

// The ten transparency bars, a rising staircase: bars 1 to the level are dark red, the rest grey.
class BarrasTransparencia : public QWidget
{
    Q_OBJECT

public:
    explicit BarrasTransparencia(QWidget *padre);

    void Marcar(int nivel);
    // The number of dark-red bars: the first grey one less one, or 10 when none is grey.
    int Nivel() const;

    std::array<QAbstractButton *, 10> PicTr{};

signals:
    void barraPulsada(int nivel);
};

// The preview: the digit in the chosen font and colours, stepping 0 to 9 twice a second while the
// dialog is open.
class VistaMuestra : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kIntervalo = 500; // ms

    explicit VistaMuestra(QWidget *padre);

    // The look of the count until the first save: MS Sans Serif, 24 pt, bold, black on white.
    static QFont FuenteOriginal();

    void Centrar();
    void TmrMuestra_Timer();
    void Detener();

    QLabel *LblDiasAux;
    QTimer *TmrMuestra;
    QColor ColorFondo() const;
    QColor ColorTexto() const;
    void PonerColores(const QColor &fondo, const QColor &texto);

protected:
    void resizeEvent(QResizeEvent *evento) override;
};
