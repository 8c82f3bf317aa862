#pragma once

class Plataforma;
class QString;
class QWidget;

// Start with the system: sets or removes the entry that starts Dexo with the user's session. The
// first entry that cannot be written tells the user why; later failures stay silent. The menu
// switch and the options dialog's save share one instance, so the user is told once.
class AccionInicioSistema
{
public:
    explicit AccionInicioSistema(Plataforma &plataforma) : plataforma_(plataforma) {}

    // `rutaPrograma` is the program folder, ending in the separator. Returns whether the entry
    // is now as asked.
    bool Aplicar(bool activar, const QString &rutaPrograma, QWidget *padre);

private:
    Plataforma &plataforma_;
    bool avisoDado_ = false;
};
