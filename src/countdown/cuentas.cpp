#include "cuentas.h"

#include "claves.h"
#include "frmmain.h"
#include "menuprincipal.h"
#include "modgral.h"
#include "pantallas.h"
#include "perfil.h"
#include "plataforma.h"
#include "unidades.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kSeparacion = 8; // pixels between a new count and the one it was made from

// What a new countdown takes from the one it is made beside: its look, not its date or notice.
constexpr ClaveAjuste kAspecto[] = {
    Ajustes::Transp,        Ajustes::FColor,        Ajustes::SVisible,      Ajustes::FuenteNombre,
    Ajustes::FuenteTam,     Ajustes::FuenteNegrita, Ajustes::FuenteCursiva, Ajustes::FuenteSubrayada,
    Ajustes::FuenteTachada, Ajustes::FuenteColor,
};

} // namespace

Cuentas::Cuentas(ModGral &gral, FrmMain &principal) : gral_(gral), principal_(principal)
{
    Conectar(principal_);
    // Whatever closes the first countdown (its menu, a signal, the end of the session), every
    // other window goes with it and saves its place first.
    connect(&principal_, &FrmMain::cerrandose, this, [this] {
        for (FrmMain *ventana : Ventanas()) {
            if (ventana != &principal_)
                ventana->Terminar();
        }
    });
    connect(&principal_, &FrmMain::programaTerminado, this, &Cuentas::programaTerminado);
}

Cuentas::~Cuentas() = default;

void Cuentas::AbrirGuardadas()
{
    for (const QString &archivo : gral_.carpetas.ArchivosDeCuentas())
        Abrir(archivo).show();
}

FrmMain &Cuentas::Abrir(const QString &archivo)
{
    Cuenta cuenta;
    cuenta.gral = std::make_unique<ModGral>(gral_, archivo);
    cuenta.ventana = std::make_unique<FrmMain>(*cuenta.gral);
    FrmMain &ventana = *cuenta.ventana;
    cuentas_.push_back(std::move(cuenta));
    Conectar(ventana);
    ventana.Iniciar();
    return ventana;
}

void Cuentas::Conectar(FrmMain &ventana)
{
    connect(&ventana, &FrmMain::nuevaCuentaPedida, this, [this, &ventana] { Nueva(ventana); });
    connect(&ventana, &FrmMain::ajustesDelProgramaCambiados, this,
            [this, &ventana] { Sincronizar(ventana); });
    if (&ventana != &principal_)
        connect(&ventana, &FrmMain::programaTerminado, this, [this, &ventana] { Cerrada(&ventana); });
}

FrmMain *Cuentas::Nueva(FrmMain &junto)
{
    const QString archivo = gral_.carpetas.ArchivoCuentaNueva();
    const QPoint lugar = LugarJunto(junto);
    QList<EscrituraPerfil> escrituras{
        EscrituraAjuste(Ajustes::Izda, QString::number(PixelesATwips(lugar.x()))),
        EscrituraAjuste(Ajustes::Sup, QString::number(PixelesATwips(lugar.y())))};
    // The look as stored, byte for byte the same values; a key the file lacks stays missing.
    QList<ClavePerfil> aspecto;
    for (const ClaveAjuste &clave : kAspecto)
        aspecto.append({QString::fromUtf16(clave.seccion), QString::fromUtf16(clave.clave)});
    const std::vector<std::optional<QString>> valores =
        PerfilLeido(junto.Gral().ArchivoIni).LeerVarias(aspecto);
    for (size_t i = 0; i < valores.size(); ++i) {
        if (valores[i])
            escrituras.append(EscrituraAjuste(kAspecto[i], *valores[i]));
    }
    QString motivo;
    if (!QDir().mkpath(QFileInfo(archivo).path()) || !EscribirPerfilLote(archivo, escrituras, &motivo)) {
        gral_.plataforma.Avisar(&junto, QStringLiteral("Dexo"),
                                FrmMain::tr("No se pudo crear la nueva cuenta atrás en\n%1\n\n%2")
                                    .arg(QDir::toNativeSeparators(archivo), motivo));
        return nullptr;
    }
    FrmMain &nueva = Abrir(archivo);
    nueva.show();
    nueva.mnuOpciones_Click();
    return &nueva;
}

QPoint Cuentas::LugarJunto(FrmMain &junto) const
{
    // Beside the count it was made from, on the same screen; where another count stands there
    // already, beside that one, and so on along the row.
    const auto rectangulo = [](FrmMain &ventana) {
        return QRect(ventana.Gral().plataforma.LugarVentana(ventana), ventana.size());
    };
    const QScreen *pantalla = junto.screen() ? junto.screen() : QGuiApplication::primaryScreen();
    if (!pantalla)
        return rectangulo(junto).topLeft();
    QRect desde = rectangulo(junto);
    const QList<FrmMain *> ventanas = Ventanas();
    QPoint lugar;
    for (qsizetype intento = 0; intento <= ventanas.size(); ++intento) {
        lugar = PosicionJunto(desde, junto.size(), pantalla->availableGeometry(), kSeparacion);
        const auto ocupada = std::find_if(ventanas.begin(), ventanas.end(), [&](FrmMain *otra) {
            return otra->isVisible() && rectangulo(*otra).intersects(QRect(lugar, junto.size()));
        });
        if (ocupada == ventanas.end())
            break;
        desde = rectangulo(**ocupada);
    }
    return lugar;
}

void Cuentas::Cerrada(FrmMain *ventana)
{
    // Out of the list at once; the window and its state go once its close has unwound.
    const auto cuenta = std::find_if(cuentas_.begin(), cuentas_.end(),
                                     [ventana](const Cuenta &c) { return c.ventana.get() == ventana; });
    if (cuenta == cuentas_.end())
        return;
    auto *restos = new Cuenta(std::move(*cuenta));
    cuentas_.erase(cuenta);
    QTimer::singleShot(0, this, [restos] { delete restos; });
}

void Cuentas::TraerAlFrente()
{
    for (const Cuenta &cuenta : cuentas_)
        cuenta.ventana->SegundoInicio();
    principal_.SegundoInicio(); // the first one on top
}

QList<FrmMain *> Cuentas::Ventanas() const
{
    QList<FrmMain *> ventanas{&principal_};
    for (const Cuenta &cuenta : cuentas_)
        ventanas << cuenta.ventana.get();
    return ventanas;
}

void Cuentas::Sincronizar(const FrmMain &origen)
{
    if (sincronizando_)
        return;
    sincronizando_ = true;
    const QString idioma = origen.Gral().NombreIdioma;
    const bool inicio = origen.Menu()->mnuInicio->isChecked();
    for (FrmMain *ventana : Ventanas()) {
        if (ventana != &origen)
            ventana->AplicarAjustesDelPrograma(idioma, inicio);
    }
    sincronizando_ = false;
}
