#pragma once

#include "plataforma.h"

#include <QQueue>
#include <QStringList>
#include <QWidget>

// Records every call as one line ("sonido <path>", "abrir <path>", ...) and answers the dialogs
// from queues the test fills beforehand.
class PlataformaFalsa final : public Plataforma
{
public:
    void ReproducirWav(const QString &archivo) override { Anotar(QStringLiteral("sonido ") + archivo); }
    bool SonidoEnCurso() const override { return sonando; }
    bool AbrirArchivo(const QString &archivo) override
    {
        Anotar(QStringLiteral("abrir ") + archivo);
        return true;
    }
    bool AbrirUrl(const QUrl &direccion) override
    {
        Anotar(QStringLiteral("url ") + direccion.toString());
        return true;
    }
    bool IniciarPrograma(const QString &programa) override
    {
        Anotar(QStringLiteral("iniciar ") + programa);
        return true;
    }
    bool GrabarInicioSistema(const QString &nombre, const QString &programa, QString *error) override
    {
        Anotar(QStringLiteral("grabar-inicio %1 %2").arg(nombre, programa));
        if (!inicioPermitido && error)
            *error = QStringLiteral("sin permiso");
        return inicioPermitido;
    }
    bool BorrarInicioSistema(const QString &nombre) override
    {
        Anotar(QStringLiteral("borrar-inicio ") + nombre);
        return true;
    }
    QString ElegirArchivoAbrir(QWidget *, const QString &titulo, const QString &carpeta,
                               const QString &filtro) override
    {
        Anotar(QStringLiteral("dialogo-abrir ") + titulo);
        ultimaCarpeta = carpeta;
        ultimoFiltro = filtro;
        return archivos.isEmpty() ? QString() : archivos.dequeue();
    }
    QString ElegirArchivoGuardar(QWidget *, const QString &titulo, const QString &carpeta,
                                 const QString &filtro) override
    {
        Anotar(QStringLiteral("dialogo-guardar ") + titulo);
        ultimaCarpeta = carpeta;
        ultimoFiltro = filtro;
        return archivos.isEmpty() ? QString() : archivos.dequeue();
    }
    std::optional<QColor> ElegirColor(QWidget *, const QColor &) override
    {
        Anotar(QStringLiteral("dialogo-color"));
        return colores.isEmpty() ? std::nullopt : std::optional<QColor>(colores.dequeue());
    }
    std::optional<QFont> ElegirFuente(QWidget *, const QFont &) override
    {
        Anotar(QStringLiteral("dialogo-fuente"));
        return fuentes.isEmpty() ? std::nullopt : std::optional<QFont>(fuentes.dequeue());
    }
    std::optional<std::pair<QFont, QColor>> ElegirFuenteYColor(QWidget *, const QFont &,
                                                               const QColor &) override
    {
        Anotar(QStringLiteral("dialogo-fuente-color"));
        return fuentesYColores.isEmpty() ? std::nullopt
                                         : std::optional<std::pair<QFont, QColor>>(fuentesYColores.dequeue());
    }
    void Informar(QWidget *, const QString &titulo, const QString &texto) override
    {
        Anotar(QStringLiteral("informacion %1 :: %2").arg(titulo, texto));
    }
    void Avisar(QWidget *, const QString &, const QString &texto) override
    {
        Anotar(QStringLiteral("aviso ") + texto);
    }
    bool Preguntar(QWidget *, const QString &, const QString &texto) override
    {
        Anotar(QStringLiteral("pregunta ") + texto);
        return respuestas.isEmpty() ? false : respuestas.dequeue();
    }
    void AvisarError(QWidget *, const QString &titulo, const QString &texto) override
    {
        Anotar(QStringLiteral("error %1 :: %2").arg(titulo, texto));
    }
    // Unanswered, the question goes back to the work: nothing is lost.
    RespuestaGuardar PreguntarGuardar(QWidget *, const QString &, const QString &texto) override
    {
        Anotar(QStringLiteral("pregunta-guardar ") + texto);
        return respuestasGuardar.isEmpty() ? RespuestaGuardar::Volver : respuestasGuardar.dequeue();
    }
    LugarVentanas LugarDeVentanas() const override { return lugarVentanas; }
    QPoint LugarVentana(const QWidget &ventana) const override { return ventana.pos(); }
    void VigilarTerminacion(std::function<void()> alTerminar) override { terminar = std::move(alTerminar); }

    // Calls whose line starts with the prefix.
    QStringList Llamadas(const QString &prefijo) const
    {
        QStringList encontradas;
        for (const QString &llamada : llamadas) {
            if (llamada.startsWith(prefijo))
                encontradas << llamada;
        }
        return encontradas;
    }

    QStringList llamadas;
    bool sonando = false; // what SonidoEnCurso answers
    bool inicioPermitido = true;
    LugarVentanas lugarVentanas = LugarVentanas::Conocido;
    QQueue<QString> archivos;
    QQueue<QColor> colores;
    QQueue<QFont> fuentes;
    QQueue<std::pair<QFont, QColor>> fuentesYColores;
    QQueue<bool> respuestas;
    QQueue<RespuestaGuardar> respuestasGuardar;
    QString ultimaCarpeta; // of the last file dialog
    QString ultimoFiltro;
    std::function<void()> terminar;

private:
    void Anotar(const QString &llamada) { llamadas << llamada; }
};
