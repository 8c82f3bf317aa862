#pragma once

#include "opcioneseditadas.h"
#include "titulos.h"

#include <QDate>
#include <QDialog>

#include <array>
#include <map>
#include <optional>

class BarrasTransparencia;
class BotonImagen;
class CasillaImagen;
class ModGral;
class PanelAviso;
class SelectorFecha;
class VistaMuestra;

// The options dialog: the date, the notice, the look of the count and the language, loaded from
// Dexo.INI when it opens and written back, all at once, by "Guardar cambios". It runs modal over
// the main window, whose transparency it previews while open.
class FrmOpc : public QDialog
{
    Q_OBJECT

public:
    FrmOpc(ModGral &gral, QWidget *principal);
    ~FrmOpc() override;

    // Copies every setting of the file into the controls and the dialog's edits.
    void CargarOpciones();
    // What the dialog holds beyond its controls, as edited so far.
    const OpcionesEditadas &Edicion() const { return edicion_; }
    // The day has changed while the dialog is open: days that became past are greyed.
    void CambiarHoy(QDate hoy);
    // The [Opciones] texts of the current language.
    void AplicarIdioma();
    // 0 picks a language file, 1 to 5 the built-in languages.
    void ImgIdioma_Click(int indice);

    void CmdGuardar_Click();
    void CmdCancelar_Click();
    void CmdAviso_Click();
    void CmdAvisoOk_Click();
    void PicTr_Click(int nivel);
    void CmdFColor_Click();
    void CmdFuente_Click();

    // Captions 0 to 17 and 30, and the shadows 0 to 14.
    QLabel *LblTitulo(int indice) const;
    QLabel *LblSombra(int indice) const;
    QWidget *PicOpciones() const { return PicOpciones_; }
    PanelAviso *PicAviso() const { return PicAviso_; }
    SelectorFecha *FraFecha() const { return FraFecha_; }
    BarrasTransparencia *Barras() const { return Barras_; }
    VistaMuestra *PicMuestra() const { return PicMuestra_; }
    CasillaImagen *ImgSvisible() const { return ImgSvisible_; }
    CasillaImagen *ImgInicio() const { return ImgInicio_; }
    BotonImagen *ImgIdioma(int indice) const { return ImgIdioma_[static_cast<size_t>(indice)]; }

    static constexpr int kNivelMinimo = 1;
    static constexpr int kNivelMaximo = 10;

public slots:
    void reject() override;
    void done(int resultado) override;

private:
    void CrearPanelOpciones();
    // The designed size, or what the screen's area leaves of it, with room for scroll bars.
    QSize TamanoEnPantalla(QSize diseno) const;
    void CargarFecha(const QString &guardada);
    void PonerTextosIncorporados();
    // Captions, title and tips, as the built-in texts or a language's values give them.
    void PonerTextos(const QStringList &titulos, const QString &ventana, const QStringList &consejos);
    bool IdiomaDisponible() const;
    QString ArchivoIdioma() const;

    ModGral &gral_;
    QWidget *principal_;
    QDate hoy_;
    OpcionesEditadas edicion_;
    int nivelGuardado_ = kNivelMaximo;
    bool enRespaldoIdioma_ = false;

    PanelFondo *PicOpciones_;
    PanelAviso *PicAviso_;
    SelectorFecha *FraFecha_;
    BarrasTransparencia *Barras_;
    VistaMuestra *PicMuestra_;
    CasillaImagen *ImgSvisible_;
    CasillaImagen *ImgInicio_;
    BotonImagen *CmdAviso_;
    BotonImagen *CmdFColor_;
    BotonImagen *CmdFuente_;
    BotonImagen *CmdGuardar_;
    BotonImagen *CmdCancelar_;
    std::array<BotonImagen *, 6> ImgIdioma_{};
    std::map<int, Titulo> titulos_;
};
