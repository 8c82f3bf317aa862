#pragma once

#include "carpeta_programa.h"
#include "frmmain.h"
#include "plataforma_falsa.h"

#include <memory>
#include <QFile>

// Tradel's window over a temporary program folder and a fake platform.
struct FixtureTradel
{
    // Copies a shipped language file into the program folder.
    void PonerIdioma(const QString &nombre)
    {
        QFile archivo(QStringLiteral(DEXO_IDIOMAS_FUENTE "/") + nombre + QStringLiteral(".dxl"));
        if (archivo.open(QIODevice::ReadOnly))
            carpeta.Escribir(nombre + QStringLiteral(".dxl"), archivo.readAll());
    }
    void PonerTodos()
    {
        for (const char *nombre : {"Español", "English", "Italiano", "Français", "Português"})
            PonerIdioma(QString::fromUtf8(nombre));
    }

    FrmMain &Iniciar()
    {
        ventana = std::make_unique<FrmMain>(plataforma, carpeta.Ruta());
        ventana->Form_Load();
        return *ventana;
    }

    CarpetaPrograma carpeta;
    PlataformaFalsa plataforma;
    std::unique_ptr<FrmMain> ventana;
};
