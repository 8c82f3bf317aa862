#pragma once

class FrmMain;
class ModGral;

// Start-up once this is the only instance: the settings applied and the count on screen first;
// then, from the event loop, the about window when its start-up flag says so.
void Arrancar(FrmMain &principal, const ModGral &gral);
