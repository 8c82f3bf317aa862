#include "menuprincipal.h"

#include "claves_idioma.h"
#include "modgral.h"
#include "textoentero.h"
#include "textoliteral.h"

#include <QEvent>

namespace {

QAction *Comando(QMenu *menu, const char *nombre, const QString &texto)
{
    QAction *accion = menu->addAction(texto);
    accion->setObjectName(QString::fromLatin1(nombre));
    return accion;
}

QAction *Marca(QMenu *menu, const char *nombre, const QString &texto)
{
    QAction *accion = Comando(menu, nombre, texto);
    accion->setCheckable(true);
    return accion;
}

QAction *Rotulo(QMenu *menu, const char *nombre, const QString &texto)
{
    QAction *accion = Comando(menu, nombre, texto);
    accion->setEnabled(false);
    return accion;
}

} // namespace

QString TextoLiteralMenu(const QString &texto)
{
    QString literal = texto;
    return literal.replace(u'&', QStringLiteral("&&"));
}

QString TextoAcotado(const QString &texto, qsizetype maximo)
{
    if (texto.size() <= maximo || maximo < 3)
        return texto;
    const qsizetype izda = (maximo - 1) / 2;
    return PrincipioEntero(texto, izda).toString() + QChar(0x2026) +
           FinalEntero(texto, maximo - 1 - izda).toString();
}

void AcotarTextoMenu(QAction *accion)
{
    const QString completo = accion->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
    const QString acotado = TextoAcotado(completo);
    if (acotado == completo) {
        accion->setToolTip(QString());
        return;
    }
    accion->setText(TextoLiteralMenu(acotado));
    accion->setToolTip(TooltipLiteral(completo));
}

MenuPrincipal::MenuPrincipal(QWidget *padre) : QMenu(QStringLiteral("Menu"), padre)
{
    setObjectName(QStringLiteral("mnuMenu"));
    setToolTipsVisible(true); // the whole text of a cut item
    mnuOpciones = Comando(this, "mnuOpciones", QStringLiteral("Configurar opciones..."));
    mnuNueva = Comando(this, "mnuNueva", QString());
    mnuQuitar = Comando(this, "mnuQuitar", QString());
    addSeparator();
    mnuVisible = Marca(this, "mnuVisible", QStringLiteral("Siempre Visible"));
    mnuInicio = Marca(this, "mnuInicio", QStringLiteral("Abrir al inicio de güindous"));

    mnuSelIdioma = addMenu(QStringLiteral("Idioma"));
    mnuSelIdioma->setObjectName(QStringLiteral("mnuSelIdioma"));
    mnuSelIdioma->setToolTipsVisible(true);
    mnuSelIdioma->menuAction()->setObjectName(QStringLiteral("mnuSelIdiomaAccion"));
    for (int n = 1; n <= 5; ++n) {
        mnuIdioma[n] = Marca(mnuSelIdioma, "mnuIdioma", QString::fromUtf16(Idioma::kIdiomas[n - 1]));
        mnuIdioma[n]->setObjectName(QStringLiteral("mnuIdioma%1").arg(n));
    }
    mnuSelIdioma->addSeparator();
    mnuTradel[0] = Comando(mnuSelIdioma, "mnuTradel0", QStringLiteral("Abrir idioma..."));
    mnuTradel[1] = Comando(mnuSelIdioma, "mnuTradel1", QStringLiteral("Editar idioma..."));
    mnuSelIdioma->addSeparator();
    mnuIdiomaSel = Rotulo(mnuSelIdioma, "mnuIdiomaSel", QStringLiteral(".: Español :."));

    addSeparator();
    mnuEvento = Comando(this, "mnuEvento", QStringLiteral("Mostrar evento..."));
    mnuEvento->setEnabled(false);
    mnuFecha = Rotulo(this, "mnuFecha", QStringLiteral(".: --- --- --- :."));
    addSeparator();
    mnuweb[0] = Comando(this, "mnuweb0", ModGral::HostWeb(0));
    mnuweb[1] = Comando(this, "mnuweb1", ModGral::HostWeb(1));
    addSeparator();
    mnuAyuda = Comando(this, "mnuAyuda", QStringLiteral("Mostrar ayuda..."));
    mnuInfo = Comando(this, "mnuInfo", QStringLiteral("Acerca de..."));
    mnuCerrar = Comando(this, "mnuCerrar", QStringLiteral("Cerrar el programa"));
    PonerTextosPropios(true);
}

void MenuPrincipal::PonerTextosPropios(bool primera)
{
    primera_ = primera;
    mnuNueva->setText(TextoLiteralMenu(tr("Nueva cuenta atrás...")));
    mnuQuitar->setText(TextoLiteralMenu(tr("Quitar esta cuenta atrás...")));
    mnuQuitar->setVisible(!primera);
}

void MenuPrincipal::changeEvent(QEvent *evento)
{
    if (evento->type() == QEvent::LanguageChange)
        PonerTextosPropios(primera_);
    QMenu::changeEvent(evento);
}
