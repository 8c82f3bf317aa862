#include "lectorajustes.h"

#include "claves.h"
#include "valores.h"

bool AjustesLeidos::FuenteDefinida() const
{
    return fuente.nombre != QString::fromUtf16(Ajustes::Ninguno);
}

AjustesLeidos LeerAjustes(const QString &archivoIni)
{
    // One read of the file for all its keys: a large file read once per key made the start slow.
    // Nothing is kept afterwards, so a change made by another program shows at the next call.
    const PerfilLeido ini(archivoIni);
    AjustesLeidos leidos;
    leidos.izda = Valores::Entero32(LeerAjuste(ini, Ajustes::Izda)).value_or(200);
    leidos.sup = Valores::Entero32(LeerAjuste(ini, Ajustes::Sup)).value_or(200);

    leidos.idioma = LeerAjuste(ini, Ajustes::Idioma);
    leidos.nivelTransp = Valores::Entero16(LeerAjuste(ini, Ajustes::Transp));
    leidos.fondo = Valores::ColorBgr(LeerAjuste(ini, Ajustes::FColor)).value_or(0xFFFFFF);
    leidos.sVisible = LeerAjuste(ini, Ajustes::SVisible);
    leidos.inicio = LeerAjuste(ini, Ajustes::Inicio);

    leidos.fecha = LeerAjuste(ini, Ajustes::Fecha);
    leidos.anual = LeerAjuste(ini, Ajustes::Anual) == QString::fromUtf16(Ajustes::Si);
    leidos.aviso = Valores::Entero16(LeerAjuste(ini, Ajustes::Aviso)).value_or(0);
    leidos.evento = LeerAjuste(ini, Ajustes::Evento);
    leidos.sonido = LeerAjuste(ini, Ajustes::Sonido);
    leidos.archivo = LeerAjuste(ini, Ajustes::Archivo);
    leidos.icono = LeerAjuste(ini, Ajustes::Icono);

    AjustesLeidos::Fuente &fuente = leidos.fuente;
    fuente.nombre = LeerAjuste(ini, Ajustes::FuenteNombre);
    if (!leidos.FuenteDefinida())
        return leidos; // the other font keys mean nothing without a name
    fuente.tam = Valores::Real2(LeerAjuste(ini, Ajustes::FuenteTam)).value_or(24);
    if (fuente.tam < Valores::kTamMinimo || fuente.tam > Valores::kTamMaximo)
        fuente.tam = 24;
    const QString verdadero = QString::fromUtf16(Ajustes::Verdadero);
    fuente.negrita = LeerAjuste(ini, Ajustes::FuenteNegrita) == verdadero;
    fuente.cursiva = LeerAjuste(ini, Ajustes::FuenteCursiva) == verdadero;
    fuente.subrayada = LeerAjuste(ini, Ajustes::FuenteSubrayada) == verdadero;
    fuente.tachada = LeerAjuste(ini, Ajustes::FuenteTachada) == verdadero;
    fuente.color = Valores::ColorBgr(LeerAjuste(ini, Ajustes::FuenteColor)).value_or(0);
    return leidos;
}
