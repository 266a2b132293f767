#include "report/form.h"

#include <QPainter>

namespace drel::bericht {

Form::Form(QString name) : Druckobjekt(std::move(name)) {
    setFrame(Rahmen{true, Qt::black, 2});
}

std::unique_ptr<Druckobjekt> Form::clone() const {
    return std::make_unique<Form>(*this);
}

void Form::paint(QPainter& painter, double /*dpi*/) const {
    painter.save();
    painter.setPen(frame().sichtbar ? QPen(frame().farbe, frame().breite) : QPen(Qt::NoPen));
    painter.setBrush(color().isValid() ? QBrush(color()) : QBrush(Qt::NoBrush));
    switch (outline_) {
    case Umriss::Rechteck:
        painter.drawRect(rect());
        break;
    case Umriss::AbgerundetesRechteck: {
        const double radius = std::min(width(), height()) / 4;
        painter.drawRoundedRect(rect(), radius, radius);
        break;
    }
    case Umriss::Ellipse:
        painter.drawEllipse(rect());
        break;
    }
    painter.restore();
}

} // namespace drel::bericht
