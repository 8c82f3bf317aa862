#include "decorativa.h"

#include <QAccessibleWidget>

namespace {

class AccesibleDecorativo : public QAccessibleWidget
{
public:
    explicit AccesibleDecorativo(QWidget *control) : QAccessibleWidget(control, QAccessible::NoRole) {}

    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State estado = QAccessibleWidget::state();
        estado.invisible = true;
        estado.focusable = false;
        return estado;
    }
};

// Qt asks the factories with the most derived class name first, and its own factory knows only
// its own classes: this one answers for the decorative labels before QLabel's is reached.
QAccessibleInterface *FabricaDecorativa(const QString &clase, QObject *objeto)
{
    if (objeto && objeto->isWidgetType() &&
        clase == QLatin1String(EtiquetaDecorativa::staticMetaObject.className()))
        return new AccesibleDecorativo(static_cast<QWidget *>(objeto));
    return nullptr;
}

} // namespace

EtiquetaDecorativa::EtiquetaDecorativa(QWidget *padre) : QLabel(padre)
{
    static const bool instalada = [] {
        QAccessible::installFactory(FabricaDecorativa);
        return true;
    }();
    Q_UNUSED(instalada);
}
