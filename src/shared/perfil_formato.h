#pragma once

// How the text of a profile file is taken apart, for the reader and the writer alike. Not part of
// the layer's interface: callers use perfil.h.
//
// Everything that shapes a line (the line breaks, the blanks, '[', ']', ';' and '=') is ASCII, and
// an ASCII byte is never part of a longer sequence in Windows-1252 or UTF-8, so lines are taken
// apart code unit by code unit without decoding them. Only a name that might match and a value
// that is asked for are ever decoded: a value of many megabytes costs nothing until it is read, and
// no more of it than is read.

#include "codificacion.h"
#include "perfil.h"

#include <QByteArray>
#include <QStringView>

#include <algorithm>
#include <cstring>

namespace Perfil {

// A file's bytes as both the reader and the writer see them.
struct Contenido
{
    QByteArray bytes; // whole code units: a UTF-16 file cut mid-unit gets a zero byte
    Codificacion codificacion = Codificacion::Windows1252;
    qsizetype largoMarca = 0; // bytes of the byte-order mark
};

// A UTF-16 file cut in the middle of a unit is read as if the unit ended in a zero byte, by the
// reader and the writer alike, so both see the same lines and a write keeps them readable.
Contenido Preparar(QByteArray bytes);

// A stretch of the bytes, from inicio to fin.
struct Trozo
{
    qsizetype inicio = 0;
    qsizetype fin = 0;
};

// Where a line lies in the bytes: its content runs from inicio to fin, its line break from fin
// to siguiente (empty on a last line without one).
struct Tramo
{
    qsizetype inicio = 0;
    qsizetype fin = 0;
    qsizetype siguiente = 0;
};

// Names given by the caller lose spaces only; a tab is part of the name.
QStringView RecortarEspacios(QStringView texto);

// Names match without regard to letter case, in every alphabet, as the platform matches them.
bool MismoNombre(QStringView a, QStringView b);

inline bool EsComilla(char16_t c)
{
    return c == u'"' || c == u'\'';
}

// The code units of a file of one byte each: Windows-1252 and UTF-8.
class Unidades8
{
public:
    static constexpr int kAncho = 1;

    explicit Unidades8(const QByteArray &bytes) : datos_(bytes.constData()), fin_(bytes.size()) {}

    const char *Datos() const { return datos_; }
    qsizetype Fin() const { return fin_; }
    char16_t En(qsizetype i) const { return static_cast<unsigned char>(datos_[i]); }

    // The first unit c in the stretch, or its end when there is none.
    qsizetype Buscar(Trozo trozo, char16_t c) const
    {
        const void *hallado = std::memchr(datos_ + trozo.inicio, c, size_t(trozo.fin - trozo.inicio));
        return hallado ? static_cast<const char *>(hallado) - datos_ : trozo.fin;
    }

    // The line breaks, asked for in order. The next CR and the next LF are each found with memchr
    // and kept until passed: a file of millions of lines, or one line of many megabytes, stays quick.
    class Saltos
    {
    public:
        explicit Saltos(const Unidades8 &unidades) : unidades_(unidades) {}
        qsizetype Proximo(qsizetype desde)
        {
            if (proximoCr_ < desde)
                proximoCr_ = unidades_.Buscar({desde, unidades_.Fin()}, u'\r');
            if (proximoLf_ < desde)
                proximoLf_ = unidades_.Buscar({desde, unidades_.Fin()}, u'\n');
            return std::min(proximoCr_, proximoLf_);
        }

    private:
        const Unidades8 &unidades_;
        qsizetype proximoCr_ = -1;
        qsizetype proximoLf_ = -1;
    };

private:
    const char *datos_;
    qsizetype fin_;
};

// The code units of a UTF-16 file, two bytes each in the order of its mark.
template <bool BigEndian> class Unidades16
{
public:
    static constexpr int kAncho = 2;

    explicit Unidades16(const QByteArray &bytes) : datos_(bytes.constData()), fin_(bytes.size()) {}

    const char *Datos() const { return datos_; }
    qsizetype Fin() const { return fin_; }
    char16_t En(qsizetype i) const
    {
        const auto b0 = static_cast<unsigned char>(datos_[i]);
        const auto b1 = static_cast<unsigned char>(datos_[i + 1]);
        return static_cast<char16_t>(BigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0));
    }

    qsizetype Buscar(Trozo trozo, char16_t c) const
    {
        for (qsizetype i = trozo.inicio; i < trozo.fin; i += kAncho) {
            if (En(i) == c)
                return i;
        }
        return trozo.fin;
    }

    class Saltos
    {
    public:
        explicit Saltos(const Unidades16 &unidades) : unidades_(unidades) {}
        qsizetype Proximo(qsizetype desde) const
        {
            qsizetype i = desde;
            while (i < unidades_.Fin() && unidades_.En(i) != u'\r' && unidades_.En(i) != u'\n')
                i += kAncho;
            return i;
        }

    private:
        const Unidades16 &unidades_;
    };

private:
    const char *datos_;
    qsizetype fin_;
};

// Calls hacer(unidades) with the units of the file's encoding; the result is hacer's. The one place
// where the widths part ways: everything below is written once for all of them.
template <typename Hacer> decltype(auto) SegunUnidades(const Contenido &contenido, Hacer &&hacer)
{
    switch (contenido.codificacion) {
    case Codificacion::Utf16LE:
        return hacer(Unidades16<false>(contenido.bytes));
    case Codificacion::Utf16BE:
        return hacer(Unidades16<true>(contenido.bytes));
    case Codificacion::Windows1252:
    case Codificacion::Utf8:
        break;
    }
    return hacer(Unidades8(contenido.bytes));
}

// Calls visitar(tramo) for each line after the mark until it returns false; CRLF, LF and a lone
// CR all end a line. Lines are found in the bytes, so a malformed sequence never moves a line break.
template <typename Unidades, typename Visitante>
void RecorrerLineas(const Unidades &unidades, qsizetype largoMarca, Visitante &&visitar)
{
    constexpr int ancho = Unidades::kAncho;
    const qsizetype n = unidades.Fin();
    typename Unidades::Saltos saltos(unidades);
    qsizetype inicio = largoMarca;
    for (qsizetype i = saltos.Proximo(inicio); i < n; i = saltos.Proximo(i)) {
        const bool crlf = unidades.En(i) == u'\r' && i + 2 * ancho <= n && unidades.En(i + ancho) == u'\n';
        const qsizetype siguiente = i + (crlf ? 2 * ancho : ancho);
        if (!visitar(Tramo{inicio, i, siguiente}))
            return;
        i = inicio = siguiente;
    }
    if (inicio < n)
        visitar(Tramo{inicio, n, n});
}

// The stretch without the blanks that the platform strips from both ends of a line, a name and a
// value.
template <typename Unidades> Trozo Recortar(const Unidades &unidades, Trozo trozo)
{
    while (trozo.inicio < trozo.fin && EsBlancoDePerfil(QChar(unidades.En(trozo.inicio))))
        trozo.inicio += Unidades::kAncho;
    while (trozo.fin > trozo.inicio && EsBlancoDePerfil(QChar(unidades.En(trozo.fin - Unidades::kAncho))))
        trozo.fin -= Unidades::kAncho;
    return trozo;
}

enum class TipoLinea { Otra, Comentario, Seccion, Clave };

// A line taken apart: the name of a section or a key, and a key's value, each without the
// blanks around it.
struct LineaAnalizada
{
    TipoLinea tipo = TipoLinea::Otra;
    Trozo nombre;
    Trozo valor;
};

template <typename Unidades> LineaAnalizada Analizar(const Unidades &unidades, const Tramo &tramo)
{
    constexpr int ancho = Unidades::kAncho;
    const Trozo linea = Recortar(unidades, {tramo.inicio, tramo.fin});
    if (linea.inicio == linea.fin)
        return {};
    const char16_t primera = unidades.En(linea.inicio);
    if (primera == u';')
        return {TipoLinea::Comentario, {}, {}};
    if (primera == u'[') {
        const Trozo resto{linea.inicio + ancho, linea.fin};
        return {TipoLinea::Seccion, Recortar(unidades, {resto.inicio, unidades.Buscar(resto, u']')}), {}};
    }
    const qsizetype igual = unidades.Buscar(linea, u'=');
    if (igual == linea.fin)
        return {};
    return {TipoLinea::Clave, Recortar(unidades, {linea.inicio, igual}),
            Recortar(unidades, {igual + ancho, linea.fin})};
}

// Tells whether a name of the file is one asked for, as MismoNombre says, over the names of one
// walk. While both are ASCII they are compared where they lie, unit by unit; the first unit beyond
// ASCII in either decides by decoding the name, into one buffer reused for every line.
template <typename Unidades> class ComparadorNombres
{
public:
    // `largoMaximo`: the longest name asked for. A name that matches has as many UTF-16 units as
    // the name asked for, and a unit never takes more than three bytes in any of the encodings: a
    // longer name is passed over undecoded.
    ComparadorNombres(const Unidades &unidades, Codificacion codificacion, qsizetype largoMaximo)
        : unidades_(unidades), decodificador_(codificacion), bytesMaximos_(3 * largoMaximo * Unidades::kAncho)
    {
    }

    bool Es(Trozo nombre, QStringView buscado)
    {
        qsizetype i = nombre.inicio;
        for (const QChar c : buscado) {
            if (i == nombre.fin)
                return false; // the name is shorter
            const char16_t u = unidades_.En(i);
            if (u >= 0x80 || c.unicode() >= 0x80)
                return EsDecodificado(nombre, buscado);
            if (MinusculaAscii(u) != MinusculaAscii(c.unicode()))
                return false;
            i += Unidades::kAncho;
        }
        return i == nombre.fin;
    }

private:
    static char16_t MinusculaAscii(char16_t c)
    {
        return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
    }

    bool EsDecodificado(Trozo nombre, QStringView buscado)
    {
        const qsizetype largo = nombre.fin - nombre.inicio;
        return largo <= bytesMaximos_ &&
               MismoNombre(decodificador_.Decodificar(unidades_.Datos() + nombre.inicio, largo), buscado);
    }

    const Unidades &unidades_;
    DecodificadorReutilizable decodificador_;
    qsizetype bytesMaximos_;
};

} // namespace Perfil
