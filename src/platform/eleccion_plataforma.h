#pragma once

#include <QByteArray>
#include <QByteArrayList>

// What the session says about the graphical system, as the environment gives it.
struct EntornoGrafico
{
    QByteArray tipoSesion;     // XDG_SESSION_TYPE
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray display;        // DISPLAY
    QByteArray plataformaQt;   // QT_QPA_PLATFORM
};

// The environment of this process.
EntornoGrafico LeerEntornoGrafico();
// A Wayland session, whatever platform this process runs on.
bool EsSesionWayland(const EntornoGrafico &entorno);

// The Qt platforms Dexo asks for, or empty to leave Qt's own choice. In a Wayland session with an
// X server at hand it is X11: only there can a window be placed, kept on top and told where it is.
// Wayland follows, so a stale DISPLAY or a missing X11 plugin still gives a window, not an abort.
// A platform the user chose (QT_QPA_PLATFORM, "-platform X" on the command line) always wins.
QByteArray ElegirPlataforma(const EntornoGrafico &entorno, const QByteArrayList &argumentos);

// Makes the choice for this process; called before the application object exists. Programs that
// Dexo starts later get the user's environment unchanged.
void UsarPlataformaElegida(int argc, const char *const *argv);
