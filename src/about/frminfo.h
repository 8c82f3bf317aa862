#pragma once

#include <QPointer>
#include <QWidget>

class ModGral;

// The about window (being built).
class FrmInfo : public QWidget
{
    Q_OBJECT

public:
    // `principal` is the main window, which the continue button shows.
    FrmInfo(ModGral &gral, QWidget *principal);

    // Shows the window modeless; a second call only raises it.
    void Mostrar();

private:
    ModGral &gral_;
    QPointer<QWidget> principal_;
};

// The start-up flag: whether the about window opens at start-up. Absent or unreadable means yes.
bool LeerMostrarInfo(const QString &rutaPrograma);
