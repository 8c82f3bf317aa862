#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Every key of Dexo.INI read with its default and parsed the one way the program understands it.
// The main window applies these values; the options dialog loads its controls from them.
struct AjustesLeidos
{
    // [Posicion], in twips; a value that is not a whole 32-bit number gives 200.
    qint32 izda = 200;
    qint32 sup = 200;

    // [Opciones]
    QString idioma;
    std::optional<qint16> nivelTransp; // as stored; nullopt when it is no whole number
    quint32 fondo = 0xFFFFFF;          // 0x00BBGGRR; white when unreadable
    QString sVisible;                  // "Si" / "No" compared exactly by the callers
    QString inicio;

    // [Datos]
    QString fecha;
    // Anual is exactly "Si": the date comes back every year.
    bool anual = false;
    qint16 aviso = 0; // 0 when it is no whole number
    QString evento;
    QString sonido;
    QString archivo;
    QString icono;

    // [Fuente]; the label keeps its own font while nombre is "Ninguno".
    struct Fuente
    {
        QString nombre;
        double tam = 24; // a size that cannot be drawn gives 24
        bool negrita = false;
        bool cursiva = false;
        bool subrayada = false;
        bool tachada = false;
        quint32 color = 0; // black when unreadable
    } fuente;

    bool FuenteDefinida() const;
};

AjustesLeidos LeerAjustes(const QString &archivoIni);
