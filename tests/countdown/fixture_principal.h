#pragma once

#include "carpeta_programa.h"
#include "frmmain.h"
#include "modgral.h"
#include "plataforma_falsa.h"
#include "reloj_fijo.h"

#include <memory>
#include <QApplication>
#include <QEvent>
#include <QFile>

// A main window over a temporary program folder, a fake platform and a fixed clock. The folder
// holds the shipped Español.dxl, as an installed program folder does. The opening
// of the notice message window is written into the fake's call list ("mensaje"), so a test sees
// it in order with the sounds and files.
class FixturePrincipal : public QObject
{
public:
    explicit FixturePrincipal(QDate hoy = QDate(2026, 12, 7)) : reloj(hoy), gral(plataforma, reloj)
    {
        gral.IniciarRutas(carpeta.Ruta());
        PonerIdioma(QStringLiteral("Español"));
        qApp->installEventFilter(this);
    }
    ~FixturePrincipal() override { qApp->removeEventFilter(this); }

    FrmMain &Iniciar()
    {
        ventana = std::make_unique<FrmMain>(gral);
        ventana->Iniciar();
        return *ventana;
    }

    // Copies a shipped language file into the program folder.
    void PonerIdioma(const QString &nombre)
    {
        QFile archivo(QStringLiteral(DEXO_IDIOMAS_FUENTE "/") + nombre + QStringLiteral(".dxl"));
        if (archivo.open(QIODevice::ReadOnly))
            carpeta.Escribir(nombre + QStringLiteral(".dxl"), archivo.readAll());
    }

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Show && objeto->objectName() == QLatin1String("FrmMsg"))
            plataforma.llamadas << QStringLiteral("mensaje");
        return false;
    }

    CarpetaPrograma carpeta;
    PlataformaFalsa plataforma;
    RelojFijo reloj;
    ModGral gral;
    std::unique_ptr<FrmMain> ventana;
};
