#pragma once

#include <QLabel>

// A label that only decorates, such as the shadow drawn beneath a caption: assistive technology
// is told it is invisible and nameless, so that a screen reader reads the caption once.
class EtiquetaDecorativa : public QLabel
{
    Q_OBJECT

public:
    explicit EtiquetaDecorativa(QWidget *padre = nullptr);
};
