#pragma once

#include "accioninicio.h"
#include "carpetas.h"
#include "claves.h"
#include "traduccion.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

class Plataforma;
class QWidget;
class Reloj;
struct AjustesLeidos;

// The shared state of one countdown: created by main for the first countdown (Dexo.INI) and
// handed to each of its windows. A further countdown has one of its own, which shares with the
// first the program's folders, platform, clock, translations and program-wide settings.
class ModGral
{
    // Owned by the first countdown's state only; declared first, as the references below bind to them.
    std::unique_ptr<AccionInicioSistema> inicioPropio_;
    std::unique_ptr<Traductor> traductorPropio_;
    ModGral *programa_ = nullptr;

public:
    ModGral(Plataforma &plataforma, const Reloj &reloj);
    // A further countdown, kept in `archivoCuenta`, beside the first countdown `programa`.
    ModGral(ModGral &programa, const QString &archivoCuenta);
    ~ModGral();
    ModGral(const ModGral &) = delete;
    ModGral &operator=(const ModGral &) = delete;

    // The first countdown, Dexo.INI, is the program's: closing it ends the program.
    bool EsPrimera() const { return programa_ == nullptr; }
    // The settings as this countdown applies them: its own file, with the program-wide ones (the
    // language, start with the system) from the first countdown's.
    AjustesLeidos LeerAjustes() const;
    // Whether a key is the program's, kept in the first countdown's file whichever window writes it.
    static bool EsAjusteDelPrograma(QStringView seccion, QStringView clave);
    static bool EsAjusteDelPrograma(const ClaveAjuste &ajuste)
    {
        return EsAjusteDelPrograma(QStringView(ajuste.seccion), QStringView(ajuste.clave));
    }

    // The program folder (always ending in the native separator), the settings folder and the
    // files kept in them. Given a folder alone, it is both (a portable copy).
    void IniciarRutas(const QString &carpetaPrograma);
    void IniciarRutas(const Carpetas &decididas);

    // A language's file, the user's copy first; empty when the name is no language.
    QString ArchivoIdioma(const QString &nombre) const { return carpetas.RutaIdioma(nombre); }
    bool ExisteIdioma(const QString &nombre) const { return carpetas.ExisteIdioma(nombre); }

    // Whole-window opacity 0..255. Returns 0 when applied, 1 when the level is out of range
    // (nothing done), 2 when there was no window to apply it to.
    int AplicarTransparencia(QWidget *ventana, const qint16 &nivel) const;

    // Asynchronous; a new sound replaces one still playing; a bad file plays nothing.
    void ReproducirSonido(const QString &ruta);

    // Writes one setting (a program-wide one into the first countdown's file). The first write that fails
    // tells the user, naming the file and the reason the profile layer met; later failures stay silent and
    // the program goes on with what it holds.
    bool GuardarAjuste(const ClaveAjuste &ajuste, const QString &valor, QWidget *padre);
    // The same for a key of another settings file of the program, given as it is read.
    bool GuardarEn(const QString &archivo, const ClaveAjuste &ajuste, const QString &valor, QWidget *padre);
    // Where a save of the settings file read from `archivo` goes (see Carpetas::EscrituraAjustes);
    // once the user's copy of Dexo.INI is made, ArchivoIni reads it. Empty, with the reason, when
    // it could not be made.
    QString DestinoDeEscritura(const QString &archivo, QString *motivo);
    void SilenciarAvisosDeEscritura() { avisoEscrituraDado_ = true; }
    // While start-up runs, a failure is kept instead of shown: a modal box must not hold back the
    // count. SoltarAvisos shows what was kept, once the window is up.
    void RetenerAvisos() { retenerAvisos_ = true; }
    void SoltarAvisos(QWidget *padre);

    // The date the count runs to on `hoy`, when FechaEvento holds one: for a yearly date, its
    // next return.
    std::optional<QDate> FechaElegida(QDate hoy) const;
    static std::optional<QDate> FechaDe(const QString &fechaEvento);

    // Help: Ayuda.chm when present, else Ayuda/Ayuda.htm.
    QString ArchivoAyuda() const;
    void AbrirAyuda();
    // The two web pages of the maker (0 home, 1 documentation), opened over https.
    static QString HostWeb(int indice);
    void AbrirWeb(int indice);
    // The language editor of the program folder, with the platform's executable suffix.
    QString ProgramaTradel() const;

    Plataforma &plataforma;
    const Reloj &reloj;
    AccionInicioSistema &InicioSistema;
    // Qt's texts and the program's own messages follow the language shown.
    Traductor &Traduccion;

    Carpetas carpetas;
    QString RutaPrograma;
    QString RutaAjustes; // where Dexo.INI and Acerca.ini are written
    QString ArchivoIni;  // Dexo.INI as it is read now (Carpetas::LecturaAjustes)
    bool Recargar = false;
    QString FechaEvento = QString::fromUtf16(Ajustes::SinFecha);
    bool Anual = false; // the date comes back every year
    qint16 TipoAviso = 0;
    QString ArchivoSonido = QString::fromUtf16(Ajustes::Ninguno);
    QString ArchivoAbrir = QString::fromUtf16(Ajustes::Ninguno);
    QString IconoAviso = QStringLiteral("0");
    QString NombreIdioma = QStringLiteral("Español");

private:
    bool avisoEscrituraDado_ = false;
    bool retenerAvisos_ = false;
    QString avisoRetenido_;
};
