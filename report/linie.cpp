#include "report/linie.h"

#include <QPainter>

namespace drel::bericht {

Linie::Linie(QString name) : Druckobjekt(std::move(name)) {
    setFrame(Rahmen{true, Qt::black, 2});
}

std::unique_ptr<Druckobjekt> Linie::clone() const {
    return std::make_unique<Linie>(*this);
}

void Linie::paint(QPainter& painter, double /*dpi*/) const {
    if (!frame().sichtbar)
        return;
    painter.save();
    painter.setPen(QPen(frame().farbe, frame().breite));
    painter.drawLine(rect().topLeft(), rect().bottomRight());
    painter.restore();
}

} // namespace drel::bericht
