#include "perfil_formato.h"

#include <utility>

namespace Perfil {

Contenido Preparar(QByteArray bytes)
{
    const CodificacionDetectada detectada = DetectarCodificacion(bytes);
    if (AnchoUnidad(detectada.codificacion) == 2 && (bytes.size() - detectada.largoMarca) % 2 != 0)
        bytes.append('\0');
    return {std::move(bytes), detectada.codificacion, detectada.largoMarca};
}

QStringView RecortarEspacios(QStringView texto)
{
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && texto[inicio] == u' ')
        ++inicio;
    while (fin > inicio && texto[fin - 1] == u' ')
        --fin;
    return texto.sliced(inicio, fin - inicio);
}

bool MismoNombre(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace Perfil

bool EsBlancoDePerfil(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\v' || u == u'\f' || u == 0x1A;
}
