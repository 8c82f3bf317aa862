#pragma once

#include <QString>

// The folder of the single-instance locks: the user's own, out of the way, and there for as long
// as the session lasts. One implementation per OS, chosen by CMake.
QString CarpetaDeCerrojos();
