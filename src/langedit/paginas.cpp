#include "paginas.h"

#include "claves_idioma.h"

#include <algorithm>
#include <array>

namespace Paginas {

namespace {

constexpr std::array<int, kPaginas + 1> kInicios = {0, 8, 18, 28, kSlots};

} // namespace

int PrimerSlot(int pagina)
{
    return kInicios[std::clamp(pagina, 0, kPaginas - 1)];
}

int PaginaDeSlot(int slot)
{
    for (int pagina = kPaginas - 1; pagina > 0; --pagina) {
        if (slot >= kInicios[pagina])
            return pagina;
    }
    return 0;
}

EstadoTexto Estado(const QString &texto, bool largo)
{
    if (largo)
        return EstadoTexto::Largo;
    if (texto.isEmpty() || texto == QString::fromUtf16(Idioma::kFalta))
        return EstadoTexto::Falta;
    return EstadoTexto::Escrito;
}

} // namespace Paginas
