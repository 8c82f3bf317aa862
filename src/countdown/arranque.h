#pragma once

class FrmMain;
class ModGral;
class Plataforma;
class QString;
class Reloj;

// Dexo from its first step to the end of its event loop; returns the exit status. The requests to
// end (signals, the end of the session) are watched before anything else: one that comes before
// the window exists ends the program with status 0 and nothing written; a later one closes any
// open box or dialog and runs the close sequence. A program folder that the system could not name
// to Qt (an empty path) is refused with a message instead of falling back to another folder.
int EjecutarDexo(Plataforma &plataforma, const Reloj &reloj, const QString &carpetaPrograma);

// Start-up once this is the only instance: the settings applied and the count on screen first;
// then, from the event loop, the about window when its start-up flag says so (with the notice of
// the chosen day kept above it), and only then a failed write of the start-up, in a message box.
void Arrancar(FrmMain &principal, ModGral &gral);
