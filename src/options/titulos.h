#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QSvgRenderer;

// The focus ring of the dialog's controls: light amber on the dark blue of its panels.
inline constexpr QColor kColorFoco(255, 214, 90);

// A caption of the dialog and, for the captions a language file translates, the shadow label
// drawn beneath it. Both are plain text: captions come from language files.
struct Titulo
{
    QLabel *texto = nullptr;
    QLabel *sombra = nullptr; // null for the captions without a shadow
};

// Geometry in twips. The shadow sits `desplazamiento` twips to the right and below; 0 gives none.
// Long translations wrap inside the box instead of running out of it.
Titulo CrearTitulo(QWidget *padre, int indice, QRect twips, const QString &texto, int desplazamiento);

// The shadow follows its caption's text.
void PonerTitulo(const Titulo &titulo, const QString &texto);

// Twips to pixels for a whole rectangle.
QRect RectTwips(int izda, int sup, int ancho, int alto);

// A panel of the dialog: both share one background picture.
class PanelFondo : public QWidget
{
public:
    explicit PanelFondo(QWidget *padre);

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QSvgRenderer *fondo_;
};
