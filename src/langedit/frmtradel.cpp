#include "frmtradel.h"

FrmTradel::FrmTradel(QWidget *padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("FrmTradel"));
    setWindowTitle(QStringLiteral("Tradel"));
    resize(480, 360);
}
