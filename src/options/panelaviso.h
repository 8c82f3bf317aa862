#pragma once

#include "claves.h"
#include "opcioneseditadas.h"
#include "titulos.h"

#include <QLineEdit>
#include <QWidget>

#include <array>
#include <map>

class BotonImagen;
class CasillaImagen;
class ModGral;
class QFrame;
class QLabel;
struct AjustesLeidos;

// The event's description: the whole text is selected on focus and on double click, and typing
// stops at 50 characters (pasting does not).
class TextoEvento : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int kLimite = 50;
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *evento) override;
    void mouseDoubleClickEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;

private:
    bool seleccionarAlSoltar_ = false;
};

// The notice panel: the three choices (message, sound, file), the icon of the message, the event's
// description and the sound and file chosen. It edits TipoAviso, ArchivoSonido, ArchivoAbrir and
// IconoAviso of the dialog's edits; only the dialog's save writes them.
class PanelAviso : public PanelFondo
{
    Q_OBJECT

public:
    static constexpr int kIconoPropio = 12;

    PanelAviso(ModGral &gral, OpcionesEditadas &edicion, QWidget *padre);

    // Steps of the dialog's load: the code, the event, the sound, the file and the icon.
    void Cargar(const AjustesLeidos &ajustes);
    // Closing the panel recomputes the code from the three checks.
    void CmdAvisoOk_Click();

    void ImgAviso_Click(int indice);
    void ImgIcono_Click(int indice);
    void ImgSelec_Click(int indice);

    // The code 0 to 7 of the three checks (an enumeration, not a bit mask).
    int CodigoDeMarcas() const;
    const std::map<int, Titulo> &Titulos() const { return titulos_; }

    std::array<CasillaImagen *, 3> ImgAviso{};
    std::array<BotonImagen *, 13> ImgIcono{};
    std::array<BotonImagen *, 3> ImgSelec{};
    QLabel *ImgSelected;
    QFrame *Line19;
    TextoEvento *TxtEvento;
    BotonImagen *CmdAvisoOk;

signals:
    void cerrado();

protected:
    void changeEvent(QEvent *evento) override;

private:
    static QString NombreIcono(int indice);
    void MarcarCodigo(int codigo);
    void ReglaDeRuta(int indice);
    void MostrarRuta(int indice, const QString &ruta);
    // The own picture into slot 12; false (slot empty) when it cannot be read, with `error` set.
    bool CargarImagenPropia(const QString &ruta, QString *error);

    ModGral &gral_;
    OpcionesEditadas &edicion_;
    std::map<int, Titulo> titulos_;
    // The sound and the file as chosen or stored (their labels may show them shortened).
    std::array<QString, 2> rutas_{QString::fromUtf16(Ajustes::Ninguno), QString::fromUtf16(Ajustes::Ninguno)};
};

// A path as the panel shows it: 46 characters or more become the first three, "..." and the file
// name after the last separator ("\" or "/").
QString RutaAbreviada(const QString &ruta);
