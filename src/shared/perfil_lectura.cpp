// Reading: the values of several keys in one walk over a file.
#include "perfil.h"
#include "perfil_archivo.h"
#include "perfil_formato.h"
#include "textoentero.h"

#include <algorithm>
#include <utility>

namespace Perfil {
namespace {

QString SinEspaciosFinales(const QString &texto)
{
    qsizetype fin = texto.size();
    while (fin > 0 && texto[fin - 1] == u' ')
        --fin;
    return texto.left(fin);
}

// A key's value without one pair of enclosing quotes; with `maximo` >= 0, at most that many
// characters of it, and only the bytes that can give them are decoded.
template <typename Unidades>
QString LeerValor(const Unidades &unidades, Codificacion codificacion, Trozo valor, qsizetype maximo)
{
    constexpr int ancho = Unidades::kAncho;
    if (valor.fin - valor.inicio >= 2 * ancho && EsComilla(unidades.En(valor.inicio)) &&
        unidades.En(valor.fin - ancho) == unidades.En(valor.inicio)) {
        valor.inicio += ancho;
        valor.fin -= ancho;
    }
    qsizetype largo = valor.fin - valor.inicio;
    // A character takes at most four bytes in any of the encodings.
    if (maximo >= 0)
        largo = std::min(largo, 4 * (maximo + 1));
    QString texto = Decodificar(codificacion, unidades.Datos() + valor.inicio, largo);
    if (maximo >= 0)
        texto.truncate(PrincipioEntero(texto, maximo).size());
    return texto;
}

// The keys asked for, grouped by section: each section once, as the first of its names asked for.
struct Pedido
{
    QList<QStringView> secciones;
    QList<qsizetype> seccionDe; // per key, its index in secciones
    QList<QStringView> claves;
    qsizetype largoMaximo = 0; // of every name, in UTF-16 units
};

Pedido Agrupar(const QList<ClavePerfil> &claves)
{
    Pedido pedido;
    for (const ClavePerfil &buscada : claves) {
        const QStringView seccion = RecortarEspacios(buscada.seccion);
        const auto igual = [&](QStringView otra) { return MismoNombre(otra, seccion); };
        qsizetype indice = std::find_if(pedido.secciones.cbegin(), pedido.secciones.cend(), igual) -
                           pedido.secciones.cbegin();
        if (indice == pedido.secciones.size())
            pedido.secciones.append(seccion);
        pedido.seccionDe.append(indice);
        pedido.claves.append(RecortarEspacios(buscada.clave));
        pedido.largoMaximo = std::max({pedido.largoMaximo, seccion.size(), pedido.claves.back().size()});
    }
    return pedido;
}

// Several keys in one walk over the file: the value of each, or nullopt when its section or the
// key is missing. Only the first section of a name counts, and the first key of a name in it; the
// walk ends once every key is settled.
template <typename Unidades>
std::vector<std::optional<QString>> Buscar(const Unidades &unidades, const Contenido &contenido,
                                           const Pedido &pedido, qsizetype maximo)
{
    const auto n = static_cast<size_t>(pedido.claves.size());
    std::vector<std::optional<QString>> valores(n);
    // Where the walk stands for each section asked for: not met yet, inside it, or past it.
    enum class Paso { Antes, Dentro, Despues };
    std::vector<Paso> pasos(static_cast<size_t>(pedido.secciones.size()), Paso::Antes);
    const auto pasoDe = [&](size_t i) { return pasos[static_cast<size_t>(pedido.seccionDe[qsizetype(i)])]; };
    std::vector<bool> resueltas(n, false);
    size_t pendientes = n;

    ComparadorNombres<Unidades> nombres(unidades, contenido.codificacion, pedido.largoMaximo);
    RecorrerLineas(unidades, contenido.largoMarca, [&](const Tramo &tramo) {
        const LineaAnalizada linea = Analizar(unidades, tramo);
        if (linea.tipo == TipoLinea::Seccion) {
            for (qsizetype s = 0; s < pedido.secciones.size(); ++s) {
                Paso &paso = pasos[static_cast<size_t>(s)];
                if (paso == Paso::Dentro)
                    paso = Paso::Despues;
                else if (paso == Paso::Antes && nombres.Es(linea.nombre, pedido.secciones[s]))
                    paso = Paso::Dentro;
            }
            // The keys of a section left behind are settled: missing.
            for (size_t i = 0; i < n; ++i) {
                if (!resueltas[i] && pasoDe(i) == Paso::Despues) {
                    resueltas[i] = true;
                    --pendientes;
                }
            }
        } else if (linea.tipo == TipoLinea::Clave) {
            for (size_t i = 0; i < n; ++i) {
                if (!resueltas[i] && pasoDe(i) == Paso::Dentro &&
                    nombres.Es(linea.nombre, pedido.claves[qsizetype(i)])) {
                    valores[i] = LeerValor(unidades, contenido.codificacion, linea.valor, maximo);
                    resueltas[i] = true;
                    --pendientes;
                }
            }
        }
        return pendientes > 0;
    });
    return valores;
}

} // namespace
} // namespace Perfil

using namespace Perfil;

PerfilLeido::PerfilLeido(const QString &archivo)
{
    Lectura lectura = LeerArchivo(archivo);
    if (!lectura.legible)
        return;
    Contenido contenido = Preparar(std::move(lectura.bytes));
    bytes_ = std::move(contenido.bytes);
    codificacion_ = contenido.codificacion;
    largoMarca_ = contenido.largoMarca;
}

QString PerfilLeido::Leer(const QString &seccion, const QString &clave, const QString &porDefecto) const
{
    const std::optional<QString> valor = LeerVarias({ClavePerfil{seccion, clave}}).front();
    return valor ? *valor : SinEspaciosFinales(porDefecto);
}

std::vector<std::optional<QString>> PerfilLeido::LeerVarias(const QList<ClavePerfil> &claves,
                                                            qsizetype maximo) const
{
    const Contenido contenido{bytes_, codificacion_, largoMarca_};
    const Pedido pedido = Agrupar(claves);
    return SegunUnidades(contenido,
                         [&](const auto &unidades) { return Buscar(unidades, contenido, pedido, maximo); });
}

QString LeerPerfil(const QString &archivo, const QString &seccion, const QString &clave,
                   const QString &porDefecto)
{
    return PerfilLeido(archivo).Leer(seccion, clave, porDefecto);
}
