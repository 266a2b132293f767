// A line object from the top-left to the bottom-right corner of its rectangle
// (height 0: horizontal, width 0: vertical), drawn with the frame's pen.
#pragma once

#include "report/druckobjekt.h"

namespace drel::bericht {

class Linie : public Druckobjekt {
public:
    explicit Linie(QString name);

    std::unique_ptr<Druckobjekt> clone() const override;
    void paint(QPainter& painter, double dpi) const override;
};

} // namespace drel::bericht
