#pragma once

class QLineEdit;

// A one-line box takes a line break, typed or pasted, as a space: a line of a settings or language
// file cannot hold one, and a box that kept it would only fail when the text is saved.
void UnaSolaLinea(QLineEdit *caja);
