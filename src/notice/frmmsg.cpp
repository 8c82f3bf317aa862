#include "frmmsg.h"

FrmMsg::FrmMsg(ModGral &gral) : QWidget(nullptr, Qt::FramelessWindowHint), gral_(gral)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FrmMsg"));
    resize(400, 300);
}

void FrmMsg::Abrir()
{
    show();
}

void FrmMsg::Descargar()
{
    close();
}
