// The frame of a printed object; for shapes and lines it is their outline.
#pragma once

#include <QColor>

namespace drel::bericht {

struct Rahmen {
    bool sichtbar = false;
    QColor farbe = Qt::black;
    double breite = 2; // report units (0.1 mm)
};

} // namespace drel::bericht
