#include "textoentero.h"

#include <algorithm>

namespace {

bool PartePar(QStringView texto, qsizetype posicion)
{
    return posicion > 0 && posicion < texto.size() && texto[posicion - 1].isHighSurrogate() &&
           texto[posicion].isLowSurrogate();
}

} // namespace

QStringView PrincipioEntero(QStringView texto, qsizetype maximo)
{
    qsizetype largo = std::clamp<qsizetype>(maximo, 0, texto.size());
    if (PartePar(texto, largo))
        --largo;
    return texto.first(largo);
}

QStringView FinalEntero(QStringView texto, qsizetype maximo)
{
    qsizetype inicio = texto.size() - std::clamp<qsizetype>(maximo, 0, texto.size());
    if (PartePar(texto, inicio))
        ++inicio;
    return texto.sliced(inicio);
}
