// Secondary windows (help, notes): Esc closes them as their close box does, and they
// open fully on their screen, never partly beyond its edge.
#pragma once

#include <QRect>

class QWidget;

namespace drel::ui {

void alsNebenfenster(QWidget* fenster);

// The frame `rahmen` moved (and, when larger, shrunk) into `frei`.
QRect aufDenBildschirm(const QRect& rahmen, const QRect& frei);

} // namespace drel::ui
