#include "paginas.h"

#include "claves_idioma.h"

#include <algorithm>
#include <array>

namespace Paginas {

namespace {

constexpr std::array<int, kPaginas + 1> kInicios = {0, 8, 18, 28, kSlots};

// The blanks that the profile layer strips from both ends of a value.
bool EsBlanco(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\v' || u == u'\f' || u == 0x1A;
}

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

EstadoTexto Estado(const QString &texto)
{
    if (texto.isEmpty() || texto == QString::fromUtf16(Idioma::kFalta))
        return EstadoTexto::Falta;
    if (EsBlanco(texto.front()) || EsBlanco(texto.back()))
        return EstadoTexto::Cambiaria;
    // A pasted line break: a line of the file cannot hold it, so the save would refuse it.
    if (texto.contains(u'\n') || texto.contains(u'\r'))
        return EstadoTexto::Cambiaria;
    const QChar primera = texto.front();
    if (texto.size() >= 2 && (primera == u'"' || primera == u'\'') && texto.back() == primera)
        return EstadoTexto::Cambiaria;
    return EstadoTexto::Escrito;
}

} // namespace Paginas
