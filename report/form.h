// A shape object: a rectangle, rounded rectangle or ellipse, filled with the
// object's colour and outlined with its frame (visible by default).
#pragma once

#include "report/druckobjekt.h"

namespace drel::bericht {

enum class Umriss { Rechteck, AbgerundetesRechteck, Ellipse };

class Form : public Druckobjekt {
public:
    explicit Form(QString name);

    Umriss outline() const { return outline_; }
    void setOutline(Umriss outline) { outline_ = outline; }

    std::unique_ptr<Druckobjekt> clone() const override;
    void paint(QPainter& painter, double dpi) const override;

private:
    Umriss outline_ = Umriss::Rechteck;
};

} // namespace drel::bericht
