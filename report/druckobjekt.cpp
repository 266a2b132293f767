#include "report/druckobjekt.h"

#include <QPainter>

namespace drel::bericht {

void Druckobjekt::setGeometry(double left, double top, double width, double height) {
    rect_ = QRectF(left, top, width, height);
}

void Druckobjekt::paintBackground(QPainter& painter) const {
    if (color_.isValid() && color_.alpha() > 0)
        painter.fillRect(rect_, color_);
}

void Druckobjekt::paintFrame(QPainter& painter) const {
    if (!frame_.sichtbar)
        return;
    painter.save();
    painter.setPen(QPen(frame_.farbe, frame_.breite));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect_);
    painter.restore();
}

} // namespace drel::bericht
