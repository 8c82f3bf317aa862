#include "frminfo.h"

FrmInfo::FrmInfo(ModGral &gral, QWidget *principal)
    : QWidget(nullptr, Qt::FramelessWindowHint), gral_(gral), principal_(principal)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FrmInfo"));
    resize(640, 480);
}

void FrmInfo::Mostrar()
{
    show();
    raise();
}

bool LeerMostrarInfo(const QString &)
{
    return false;
}
