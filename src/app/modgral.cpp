#include "modgral.h"

#include "dexo_config.h"
#include "lectorajustes.h"
#include "plataforma.h"
#include "valores.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <utility>

ModGral::ModGral(Plataforma &plataforma_, const Reloj &reloj_)
    : inicioPropio_(std::make_unique<AccionInicioSistema>(plataforma_)),
      traductorPropio_(std::make_unique<Traductor>()), plataforma(plataforma_), reloj(reloj_),
      InicioSistema(*inicioPropio_), Traduccion(*traductorPropio_)
{
}

ModGral::ModGral(ModGral &programa, const QString &archivoCuenta)
    : programa_(&programa), plataforma(programa.plataforma), reloj(programa.reloj),
      InicioSistema(programa.InicioSistema), Traduccion(programa.Traduccion)
{
    IniciarRutas(programa.carpetas);
    ArchivoIni = archivoCuenta;
    NombreIdioma = programa.NombreIdioma;
}

ModGral::~ModGral() = default;

bool ModGral::EsAjusteDelPrograma(QStringView seccion, QStringView clave)
{
    for (const ClaveAjuste &delPrograma : {Ajustes::Idioma, Ajustes::Inicio}) {
        if (seccion == QStringView(delPrograma.seccion) && clave == QStringView(delPrograma.clave))
            return true;
    }
    return false;
}

AjustesLeidos ModGral::LeerAjustes() const
{
    AjustesLeidos ajustes = ::LeerAjustes(ArchivoIni);
    if (programa_) {
        const PerfilLeido delPrograma(programa_->ArchivoIni);
        ajustes.idioma = LeerAjuste(delPrograma, Ajustes::Idioma);
        ajustes.inicio = LeerAjuste(delPrograma, Ajustes::Inicio);
    }
    return ajustes;
}

void ModGral::IniciarRutas(const QString &carpetaPrograma)
{
    IniciarRutas(Carpetas(carpetaPrograma, carpetaPrograma));
}

void ModGral::IniciarRutas(const Carpetas &decididas)
{
    carpetas = decididas;
    RutaPrograma = carpetas.Programa();
    RutaAjustes = carpetas.Ajustes();
    ArchivoIni = carpetas.LecturaAjustes(QStringLiteral("Dexo.INI"));
}

int ModGral::AplicarTransparencia(QWidget *ventana, const qint16 &nivel) const
{
    if (nivel < 0 || nivel > 255)
        return 1;
    if (!ventana)
        return 2;
    ventana->setWindowOpacity(nivel / 255.0);
    return 0;
}

void ModGral::ReproducirSonido(const QString &ruta)
{
    plataforma.ReproducirWav(ruta);
}

bool ModGral::GuardarAjuste(const ClaveAjuste &ajuste, const QString &valor, QWidget *padre)
{
    if (programa_ && EsAjusteDelPrograma(ajuste))
        return programa_->GuardarAjuste(ajuste, valor, padre);
    return GuardarEn(ArchivoIni, ajuste, valor, padre);
}

QString ModGral::DestinoDeEscritura(const QString &archivo, QString *motivo)
{
    const QString destino = carpetas.EscrituraAjustes(archivo, motivo);
    if (!destino.isEmpty() && archivo == ArchivoIni)
        ArchivoIni = destino;
    return destino;
}

bool ModGral::GuardarEn(const QString &ruta, const ClaveAjuste &ajuste, const QString &valor, QWidget *padre)
{
    const QString seccion = QString::fromUtf16(ajuste.seccion);
    const QString clave = QString::fromUtf16(ajuste.clave);
    // A value already there needs no write: a read-only portable copy stays the one that is read.
    // (No value read holds a line break, so that default never matches.)
    if (LeerPerfil(ruta, seccion, clave, QStringLiteral("\n")) == valor)
        return true;
    // The user's settings folder is made with the first write; a failure shows in the write's.
    carpetas.PrepararAjustes();
    QString motivo;
    const QString destino = DestinoDeEscritura(ruta, &motivo);
    // A language name with a blank at an end must come back as it is.
    if (!destino.isEmpty() && EscribirPerfil(destino, seccion, clave, ValorLiteral(valor), &motivo))
        return true;
    if (avisoEscrituraDado_)
        return false;
    avisoEscrituraDado_ = true;

    // The reason is the one the profile layer met; guessing it from the folder's state named a
    // full disk for a sharing violation or a folder in the file's place.
    if (motivo.isEmpty())
        motivo = QCoreApplication::translate("ModGral", "El sistema no permitió escribir el archivo.");
    const QString texto =
        QCoreApplication::translate("ModGral", "No se pudieron guardar los ajustes en\n%1\n\n%2\n\n"
                                               "Dexo seguirá funcionando con los valores actuales, pero los "
                                               "cambios se perderán al cerrarlo.")
            .arg(QDir::toNativeSeparators(destino.isEmpty() ? ruta : destino), motivo);
    if (retenerAvisos_)
        avisoRetenido_ = texto;
    else
        plataforma.Avisar(padre, QStringLiteral("Dexo"), texto);
    return false;
}

void ModGral::SoltarAvisos(QWidget *padre)
{
    retenerAvisos_ = false;
    const QString texto = std::exchange(avisoRetenido_, QString());
    if (!texto.isEmpty())
        plataforma.Avisar(padre, QStringLiteral("Dexo"), texto);
}

std::optional<QDate> ModGral::FechaDe(const QString &fechaEvento)
{
    if (fechaEvento == QString::fromUtf16(Ajustes::SinFecha))
        return std::nullopt;
    return Valores::Fecha(fechaEvento);
}

std::optional<QDate> ModGral::FechaElegida(QDate hoy) const
{
    return Valores::FechaEfectiva(FechaDe(FechaEvento), Anual, hoy);
}

QString ModGral::ArchivoAyuda() const
{
    const QString chm = RutaPrograma + QStringLiteral("Ayuda.chm");
    if (QFileInfo::exists(chm))
        return chm;
    return RutaPrograma + QStringLiteral("Ayuda") + QDir::separator() + QStringLiteral("Ayuda.htm");
}

void ModGral::AbrirAyuda()
{
    plataforma.AbrirArchivo(ArchivoAyuda());
}

QString ModGral::HostWeb(int indice)
{
    return indice == 0 ? QStringLiteral(DEXO_WEB_INICIO) : QStringLiteral(DEXO_WEB_DOCS);
}

void ModGral::AbrirWeb(int indice)
{
    plataforma.AbrirUrl(QUrl(QStringLiteral("https://") + HostWeb(indice)));
}

QString ModGral::ProgramaTradel() const
{
    return RutaPrograma + QStringLiteral("Tradel" DEXO_SUFIJO_EJECUTABLE);
}
