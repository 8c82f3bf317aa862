#pragma once

#include <QString>

#include <array>

// The 35 keys of a language file, in the order the files keep them and the language editor shows
// them: [Menu] "0" to "10", then [Opciones] "T0" to "T14", "MC", "FC", "Tip0" to "Tip6". The text
// beside each key is Dexo's own Spanish text in the form a file stores it: the decorations that a
// window adds when it shows the text (the "..." of items that open a dialog, the ".: :." of
// headings) are not part of it.
struct ClaveIdioma
{
    const char16_t *seccion;
    const char16_t *clave;
    const char16_t *textoPropio;
    bool puntos; // the window shows the text followed by "..."

    QString Seccion() const { return QString::fromUtf16(seccion); }
    QString Clave() const { return QString::fromUtf16(clave); }
    QString TextoPropio() const { return QString::fromUtf16(textoPropio); }
};

namespace Idioma {

inline constexpr int kNumClaves = 35;
inline constexpr int kNumClavesMenu = 11; // [Menu] "0" to "10" come first

inline constexpr std::array<ClaveIdioma, kNumClaves> kClaves = {{
    {u"Menu", u"0", u"Configurar opciones", true},
    {u"Menu", u"1", u"Siempre Visible", false},
    {u"Menu", u"2", u"Abrir al inicio de güindous", false},
    {u"Menu", u"3", u"Idioma", false},
    {u"Menu", u"4", u"Abrir idioma", true},
    {u"Menu", u"5", u"Editar idioma", true},
    {u"Menu", u"6", u"Mostrar evento", true},
    {u"Menu", u"7", u"Mostrar ayuda", true},
    {u"Menu", u"8", u"Cerrar el programa", true},
    {u"Menu", u"9", u"Mostrar opciones", true},
    {u"Menu", u"10", u"Acerca de", true},
    {u"Opciones", u"T0", u"Opciones", false}, // shown as ".: " + upper case + " :."
    {u"Opciones", u"T1", u"Transparencia:", false},
    {u"Opciones", u"T2", u"Idioma:", false},
    {u"Opciones", u"T3", u"Color del fondo:", false},
    {u"Opciones", u"T4", u"Fuente de letra, tamaño y color:", false},
    {u"Opciones", u"T5", u"Siempre visible:", false},
    {u"Opciones", u"T6", u"Abrir al inicio de güindous:", false},
    {u"Opciones", u"T7", u"Marbeo:", false},
    {u"Opciones", u"T8", u"Configurar aviso:", false},
    {u"Opciones", u"T9", u"Muestra:", false},
    {u"Opciones", u"T10", u"Mostrar mensaje.", false},
    {u"Opciones", u"T11", u"Icono a mostrar en el mensaje:", false},
    {u"Opciones", u"T12", u"Descripción del evento :: faltan x días para...:", false},
    {u"Opciones", u"T13", u"Reproducir un sonido.", false},
    {u"Opciones", u"T14", u"Abrir (ejecutar) un archivo o programa.", false},
    {u"Opciones", u"MC", u"Configuración de las opciones del programa", false}, // ".:: " + v + " ::."
    {u"Opciones", u"FC", u"Seleccione la fecha", false},
    {u"Opciones", u"Tip0", u"Seleccionar", true},
    {u"Opciones", u"Tip1", u"Guardar cambios", false},
    {u"Opciones", u"Tip2", u"Cancelar", false},
    {u"Opciones", u"Tip3", u"Seleccionar imagen", true},
    {u"Opciones", u"Tip4", u"Seleccionar sonido", true},
    {u"Opciones", u"Tip5", u"Seleccionar archivo", true},
    {u"Opciones", u"Tip6", u"Volver...", false},
}};

// Where each group of keys starts in the table.
inline constexpr int kMenu0 = 0; // [Menu] "0" .. "10"
inline constexpr int kT0 = 11;   // [Opciones] "T0" .. "T14"
inline constexpr int kMC = 26;
inline constexpr int kFC = 27;
inline constexpr int kTip0 = 28; // [Opciones] "Tip0" .. "Tip6"

// What a missing key reads as, and what the language editor writes for a text left empty.
inline constexpr char16_t kFalta[] = u"?";
// The options dialog reads MC and FC with this default instead.
inline constexpr char16_t kDefectoTituloOpciones[] = u"Opciones del programa";
inline constexpr char16_t kPuntos[] = u"...";

// The five languages shipped with the program, numbered 1 to 5 in Dexo's windows.
inline constexpr std::array<const char16_t *, 5> kIdiomas = {u"Español", u"English", u"Italiano", u"Français",
                                                             u"Português"};
inline constexpr char16_t kEspanol[] = u"Español"; // the default language and the fallback
inline constexpr char16_t kExtension[] = u".dxl";

} // namespace Idioma
