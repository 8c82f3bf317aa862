#pragma once

#include <QWidget>

// The language editor's window (its pages come later).
class FrmTradel : public QWidget
{
    Q_OBJECT

public:
    explicit FrmTradel(QWidget *padre = nullptr);
};
