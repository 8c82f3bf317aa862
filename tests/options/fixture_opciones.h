#pragma once

#include "carpeta_programa.h"
#include "frmopc.h"
#include "modgral.h"
#include "plataforma_falsa.h"
#include "reloj_fijo.h"

#include <QWidget>

#include <memory>

// The options dialog over a temporary program folder, a fake platform and a fixed clock, with a
// plain window standing in for the main window (it receives the transparency preview).
class FixtureOpciones
{
public:
    explicit FixtureOpciones(QDate hoy = QDate(2026, 12, 7)) : reloj(hoy), gral(plataforma, reloj)
    {
        gral.IniciarRutas(carpeta.Ruta());
    }

    FrmOpc &Abrir()
    {
        dialogo = std::make_unique<FrmOpc>(gral, &principal);
        return *dialogo;
    }

    CarpetaPrograma carpeta;
    PlataformaFalsa plataforma;
    RelojFijo reloj;
    ModGral gral;
    QWidget principal;
    std::unique_ptr<FrmOpc> dialogo;
};
