#pragma once

#include <QWidget>

class ModGral;

// The notice message window (being built): opened by the event command, unloaded at once by the
// options command.
class FrmMsg : public QWidget
{
    Q_OBJECT

public:
    explicit FrmMsg(ModGral &gral);

    // Shows the window and starts its fade-in (the caller checks that it is not visible).
    void Abrir();
    // Unloads the window at once, without fading.
    void Descargar();

private:
    ModGral &gral_;
};
