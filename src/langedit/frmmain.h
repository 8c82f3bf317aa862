#pragma once

#include "carpetas.h"
#include "paginas.h"
#include "traduccion.h"

#include <QString>
#include <QWidget>

#include <array>

class BotonImagen;
class ImagenSvg;
class Plataforma;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class QTimer;

// Tradel's one window: the texts of a reference language above the boxes in which the user writes
// the 35 texts of a language file, over four pages.
class FrmMain : public QWidget
{
    Q_OBJECT

public:
    // A program folder alone is also the settings folder (a portable copy).
    FrmMain(Plataforma &plataforma, const QString &carpetaPrograma, QWidget *padre = nullptr);
    FrmMain(Plataforma &plataforma, const Carpetas &carpetas, QWidget *padre = nullptr);

    // Start: page 1, empty boxes, the labels of Dexo's current language.
    void Form_Load();

    // The 35 texts of ArchivoIdioma into the labels (with the pickers' tooltips and the save
    // button), or into the boxes.
    void CargarTitulos();
    void CargarTextos();

    // Pickers: 1 to 5 load the labels, 6 to 10 the boxes; file picker 0 the labels, 1 the boxes.
    void ImgIdioma_Click(int n);
    void ImgSelIdioma_Click(int n);

    void CmdMas_Click();
    void CmdMenos_Click();
    void EnfocarPagina();
    void TxTIdioma_GotFocus(int slot);
    void CmdGuardar_Click();

    // A box holds a text that differs from what was loaded or saved last.
    bool HayCambiosSinGuardar() const;
    // Boxes that hold a text to save (neither empty nor "?").
    int TextosEscritos() const;

    QString RutaPrograma;
    QString ArchivoIni;
    QString ArchivoAyuda;
    QString ArchivoIdioma;
    qint16 PaginaActual = 0;

    std::array<QWidget *, Paginas::kPaginas> PicMain{};
    std::array<QLabel *, Paginas::kSlots> LblTitulo{};
    std::array<QLineEdit *, Paginas::kSlots> TxTIdioma{};
    std::array<BotonImagen *, 11> ImgIdioma{}; // 1 to 10; element 0 is unused
    std::array<BotonImagen *, 2> ImgSelIdioma{};
    BotonImagen *CmdMenos = nullptr;
    BotonImagen *CmdMas = nullptr;
    QLabel *LblPag = nullptr;
    QLabel *LblCuenta = nullptr; // texts written, "28 / 35"; for a while after a save, the file saved
    QTimer *TmrNota = nullptr;   // gives the counter back after the note of a save
    ImagenSvg *ImgLogo = nullptr;
    QPushButton *CmdGuardar = nullptr;

protected:
    void closeEvent(QCloseEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;

private:
    // frmmain_ventana.cpp: the controls and their places.
    void ConstruirVentana();
    QWidget *ConstruirSelectores();
    QWidget *ConstruirPagina(int pagina);

    void MostrarPagina(int pagina);
    void IrASlot(int slot);
    void SiguienteMarcado();
    bool Teclado(int slot, QKeyEvent *evento);
    void ActualizarMarcas();
    // Loading into the boxes and closing ask first when a box holds unsaved work.
    bool PuedeDejarLosTextos(const QString &pregunta);
    // The save; false when nothing was written (cancelled or failed).
    bool Guardar();
    void TituloDeSlot(int slot, const QString &texto);
    // The box still shows the beginning of a text too long for it, as loaded.
    bool Largo(int slot) const;

    const Carpetas carpetas_;
    Plataforma &plataforma_;
    Traductor traduccion_;
    QStackedLayout *paginas_ = nullptr;
    std::array<QString, Paginas::kSlotsUsados> textosGuardados_{};
    std::array<QString, Paginas::kSlotsUsados> largos_{}; // whole, when longer than a box holds
};
