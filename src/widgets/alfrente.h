#pragma once

class QWidget;

// Brings a window in front of the user: shown, restored when minimised, raised and active. A
// modal dialog or box open over it is raised and activated above it, since that is where the
// user's work waits.
void TraerAlFrente(QWidget *ventana);
