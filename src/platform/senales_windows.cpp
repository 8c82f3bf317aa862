#include "senales.h"

// A GUI program on Windows gets no POSIX signals; the end of the session reaches it through Qt.
void PrepararSenales() {}
void InstalarVigilanciaSenales(QObject *, std::function<void()>) {}
