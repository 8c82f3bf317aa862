#pragma once

#include <QString>

// The editor's slots and pages, and how a text stands: what the page buttons, the tints and the
// counter of written texts show.
namespace Paginas {

inline constexpr int kSlots = 38; // 35 used; 35 to 37 exist on the last page, hidden
inline constexpr int kSlotsUsados = 35;
inline constexpr int kPaginas = 4;
// What a box holds (Qt's own limit for a line box); a longer text from a file is kept aside.
inline constexpr int kLargoCaja = 32767;

// First slot of each page: 0, 8, 18, 28.
int PrimerSlot(int pagina);
int PaginaDeSlot(int slot);

enum class EstadoTexto {
    Escrito, // ready to save
    Falta,   // empty or "?": still to translate
    Largo,   // too long for its box: the box shows its beginning, and the save writes it whole
};
EstadoTexto Estado(const QString &texto, bool largo = false);

} // namespace Paginas
