#pragma once

#include <QMenu>

#include <array>

// The popup menu of the main window, in display order. The actions are named after the items
// (object names mnuOpciones, mnuVisible, ...) so that the window and the tests can find them.
class MenuPrincipal : public QMenu
{
    Q_OBJECT

public:
    explicit MenuPrincipal(QWidget *padre = nullptr);

    // The items of several countdowns are the program's own texts, not a language file's; a
    // further countdown's "Cerrar" closes only its window, and it alone can be removed.
    void PonerTextosPropios(bool primera);

    QAction *mnuOpciones;
    QAction *mnuNueva;
    QAction *mnuQuitar;
    QAction *mnuVisible;
    QAction *mnuInicio;
    QMenu *mnuSelIdioma;
    std::array<QAction *, 6> mnuIdioma{}; // 1 to 5; element 0 is unused
    std::array<QAction *, 2> mnuTradel{};
    QAction *mnuIdiomaSel;
    QAction *mnuEvento;
    QAction *mnuFecha;
    std::array<QAction *, 2> mnuweb{};
    QAction *mnuAyuda;
    QAction *mnuInfo;
    QAction *mnuCerrar;

protected:
    void changeEvent(QEvent *evento) override;

private:
    bool primera_ = true;
};

// Menu captions show text literally: an ampersand is not a mnemonic marker.
QString TextoLiteralMenu(const QString &texto);

// A menu item's text longer than this many characters is cut in the middle.
inline constexpr qsizetype kLargoMaximoMenu = 40;

// The text cut in its middle to at most `maximo` characters, an ellipsis in the cut.
QString TextoAcotado(const QString &texto, qsizetype maximo = kLargoMaximoMenu);

// A long text (a language with a long name, a long translation) would stretch the menu across the
// screen: the item's text, as set with TextoLiteralMenu, is cut in the middle and its tooltip
// holds it whole.
void AcotarTextoMenu(QAction *accion);
