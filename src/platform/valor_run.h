#pragma once

#include <QString>

// The data of the Windows Run value that starts `programa` (the full path without ".exe"): the
// path in double quotes, so that a folder with a space ("C:\Program Files\...") is never taken
// as a shorter program followed by arguments. Plain text work, so every OS can test it.
QString ValorRun(const QString &programa);
