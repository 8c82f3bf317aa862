#pragma once

#include "reloj.h"

// A clock that shows whatever day the test sets.
class RelojFijo final : public Reloj
{
public:
    explicit RelojFijo(QDate hoy = QDate(2026, 12, 7)) : hoy_(hoy) {}
    QDate Hoy() const override { return hoy_; }
    void Poner(QDate hoy) { hoy_ = hoy; }
    void Avanzar(int dias) { hoy_ = hoy_.addDays(dias); }

private:
    QDate hoy_;
};
