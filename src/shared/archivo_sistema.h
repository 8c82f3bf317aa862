#pragma once

#include <QFile>
#include <QString>

// The little that the profile layer needs from the operating system beyond Qt. One source file
// per system, chosen by the build.

// The reason the system gave for the file operation that has just failed, in words for the user
// (lower case, no final stop): our own words for the usual ones, the system's message for the
// rest, an empty text when it gave none. Call it straight after the failing call, before anything
// else can change the system's error.
QString ErrorDelSistema();
// Clears the system's error before a call, so that an old one is never taken for its reason.
void OlvidarErrorDelSistema();

// Gives the file open as `descriptor` the owner and group of the file `original`, where the
// system allows it; an atomic replace would otherwise hand the file to whoever saved it last.
void CopiarPropietario(const QString &original, int descriptor);

enum class Apertura { Abierta, NoNormal, Fallida };

// Opens `archivo` for reading into `destino` only if, once open, it is a regular file: a FIFO put
// in its place after it was looked at must not make the open wait for a writer. On Fallida the
// system's error is left for ErrorDelSistema.
Apertura AbrirArchivoNormal(const QString &archivo, QFile &destino);

// The base folder of the user's own settings: $XDG_CONFIG_HOME (~/.config when it is unset or
// relative) on Linux, %APPDATA% on Windows.
QString CarpetaConfiguracionUsuario();
