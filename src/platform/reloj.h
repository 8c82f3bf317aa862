#pragma once

#include <QDate>

// Today's date, from one source that tests can replace to move midnight or the year.
class Reloj
{
public:
    virtual ~Reloj() = default;
    virtual QDate Hoy() const = 0;
};

class RelojSistema final : public Reloj
{
public:
    QDate Hoy() const override { return QDate::currentDate(); }
};
