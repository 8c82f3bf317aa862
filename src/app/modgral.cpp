#include "modgral.h"

#include "dexo_config.h"
#include "plataforma.h"
#include "valores.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

ModGral::ModGral(Plataforma &plataforma_, const Reloj &reloj_) : plataforma(plataforma_), reloj(reloj_) {}

void ModGral::IniciarRutas(const QString &carpetaPrograma)
{
    RutaPrograma = QDir::toNativeSeparators(carpetaPrograma);
    if (!RutaPrograma.endsWith(QDir::separator()))
        RutaPrograma += QDir::separator();
    ArchivoIni = RutaPrograma + QStringLiteral("Dexo.INI");
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
    return GuardarEn(ArchivoIni, ajuste, valor, padre);
}

bool ModGral::GuardarEn(const QString &ruta, const ClaveAjuste &ajuste, const QString &valor, QWidget *padre)
{
    if (EscribirAjuste(ruta, ajuste, valor))
        return true;
    if (avisoEscrituraDado_)
        return false;
    avisoEscrituraDado_ = true;

    const QFileInfo archivo(ruta);
    const QFileInfo carpeta(archivo.absolutePath());
    QString motivo;
    if (!carpeta.exists())
        motivo = QStringLiteral("La carpeta del programa ya no existe.");
    else if (archivo.exists() && !archivo.isWritable())
        motivo = QStringLiteral("El archivo es de solo lectura.");
    else if (!carpeta.isWritable())
        motivo = QStringLiteral("La carpeta del programa no permite escribir en ella.");
    else
        motivo = QStringLiteral("El disco está lleno o no respondió.");
    plataforma.Avisar(padre, QStringLiteral("Dexo"),
                      QStringLiteral("No se pudieron guardar los ajustes en\n%1\n\n%2\n\n"
                                     "Dexo seguirá funcionando con los valores actuales, pero los "
                                     "cambios se perderán al cerrarlo.")
                          .arg(QDir::toNativeSeparators(ruta), motivo));
    return false;
}

std::optional<QDate> ModGral::FechaElegida() const
{
    if (FechaEvento == QString::fromUtf16(Ajustes::SinFecha))
        return std::nullopt;
    return Valores::Fecha(FechaEvento);
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
