#pragma once

#include <QElapsedTimer>
#include <QTest>

#include <functional>

// Waits for another process to reach a state (a file written, a lock taken), turning the event
// loop meanwhile. False when the time runs out first.
inline bool Esperar(const std::function<bool()> &condicion, int milisegundos = 20000)
{
    QElapsedTimer reloj;
    reloj.start();
    while (!condicion()) {
        if (reloj.elapsed() > milisegundos)
            return false;
        QTest::qWait(50);
    }
    return true;
}
