#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

#include <memory>
#include <vector>

class FrmMain;
class ModGral;

// The countdowns of one Dexo: the first, Dexo.INI, whose window ends the program, and every
// further one, kept in a file of its own in Cuentas/, each a full countdown in a window of this
// process. The language and start with the system are the program's: a change in one window
// reaches them all.
class Cuentas : public QObject
{
    Q_OBJECT

public:
    Cuentas(ModGral &gral, FrmMain &principal);
    ~Cuentas() override;

    // Opens every further countdown that has a file, in the order they were made.
    void AbrirGuardadas();
    // A new countdown beside `junto`, with its look and no date, and its options dialog open.
    // Null when its file could not be made (the user is told why).
    FrmMain *Nueva(FrmMain &junto);
    // The program was started again: every count window comes forward.
    void TraerAlFrente();
    // The open windows, in the order the countdowns were made.
    QList<FrmMain *> Ventanas() const;

signals:
    // The first countdown has closed, after every other window saved its place.
    void programaTerminado();

private:
    FrmMain &Abrir(const QString &archivo);
    QPoint LugarJunto(FrmMain &junto) const;
    void Conectar(FrmMain &ventana);
    void Cerrada(FrmMain *ventana);
    void Sincronizar(const FrmMain &origen);

    struct Cuenta
    {
        std::unique_ptr<ModGral> gral;
        std::unique_ptr<FrmMain> ventana; // goes before its state
    };

    ModGral &gral_;
    FrmMain &principal_;
    std::vector<Cuenta> cuentas_;
    bool sincronizando_ = false;
};
