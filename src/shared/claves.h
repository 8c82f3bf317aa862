#pragma once

#include "perfil.h"

#include <QString>

// The keys of Dexo.INI, with their sections and the default that a missing key gives.
struct ClaveAjuste
{
    const char16_t *seccion;
    const char16_t *clave;
    const char16_t *porDefecto;
};

namespace Ajustes {

inline constexpr ClaveAjuste Izda{u"Posicion", u"Izda", u"200"};
inline constexpr ClaveAjuste Sup{u"Posicion", u"Sup", u"200"};
inline constexpr ClaveAjuste Idioma{u"Opciones", u"Idioma", u"Español"};
inline constexpr ClaveAjuste Transp{u"Opciones", u"Transp", u"10"};
inline constexpr ClaveAjuste FColor{u"Opciones", u"FColor", u"&HFFFFFF"};
inline constexpr ClaveAjuste SVisible{u"Opciones", u"SVisible", u"No"};
inline constexpr ClaveAjuste Inicio{u"Opciones", u"Inicio", u"No"};
inline constexpr ClaveAjuste Fecha{u"Datos", u"Fecha", u"Ninguna"};
inline constexpr ClaveAjuste Aviso{u"Datos", u"Aviso", u"0"};
inline constexpr ClaveAjuste Evento{u"Datos", u"Evento", u"Ninguno"};
inline constexpr ClaveAjuste Sonido{u"Datos", u"Sonido", u"Ninguno"};
inline constexpr ClaveAjuste Archivo{u"Datos", u"Archivo", u"Ninguno"};
inline constexpr ClaveAjuste Icono{u"Datos", u"Icono", u"0"};
// "Si" while the date comes back every year; the key is there only then.
inline constexpr ClaveAjuste Anual{u"Datos", u"Anual", u"No"};
inline constexpr ClaveAjuste FuenteNombre{u"Fuente", u"Nombre", u"Ninguno"};
inline constexpr ClaveAjuste FuenteTam{u"Fuente", u"Tam", u"24"};
inline constexpr ClaveAjuste FuenteNegrita{u"Fuente", u"Negrita", u"False"};
inline constexpr ClaveAjuste FuenteCursiva{u"Fuente", u"Cursiva", u"False"};
inline constexpr ClaveAjuste FuenteSubrayada{u"Fuente", u"Subrayada", u"False"};
inline constexpr ClaveAjuste FuenteTachada{u"Fuente", u"Tachada", u"False"};
inline constexpr ClaveAjuste FuenteColor{u"Fuente", u"Color", u"&H00000000&"};

// Sentinels and switches, compared exactly (letter case included).
inline constexpr char16_t SinFecha[] = u"Ninguna";
inline constexpr char16_t Ninguno[] = u"Ninguno";
inline constexpr char16_t Si[] = u"Si";
inline constexpr char16_t No[] = u"No";
inline constexpr char16_t Verdadero[] = u"True";
inline constexpr char16_t Falso[] = u"False";

} // namespace Ajustes

inline QString LeerAjuste(const QString &archivo, const ClaveAjuste &ajuste)
{
    return LeerPerfil(archivo, QString::fromUtf16(ajuste.seccion), QString::fromUtf16(ajuste.clave),
                      QString::fromUtf16(ajuste.porDefecto));
}

// The same key from a snapshot, for a reader that needs several keys at one moment.
inline QString LeerAjuste(const PerfilLeido &perfil, const ClaveAjuste &ajuste)
{
    return perfil.Leer(QString::fromUtf16(ajuste.seccion), QString::fromUtf16(ajuste.clave),
                       QString::fromUtf16(ajuste.porDefecto));
}

inline bool EscribirAjuste(const QString &archivo, const ClaveAjuste &ajuste, const QString &valor)
{
    return EscribirPerfil(archivo, QString::fromUtf16(ajuste.seccion), QString::fromUtf16(ajuste.clave),
                          valor);
}

// One write of a batch (EscribirPerfilLote) for a key. The value comes back as given, even a text
// with blanks at an end or between quotes.
inline EscrituraPerfil EscrituraAjuste(const ClaveAjuste &ajuste, const QString &valor)
{
    return {QString::fromUtf16(ajuste.seccion), QString::fromUtf16(ajuste.clave), ValorLiteral(valor)};
}

// The key's line goes: a key that is not there leaves the file as it is.
inline EscrituraPerfil BorradoAjuste(const ClaveAjuste &ajuste)
{
    return {QString::fromUtf16(ajuste.seccion), QString::fromUtf16(ajuste.clave), {}, true};
}
