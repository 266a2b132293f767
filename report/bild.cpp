#include "report/bild.h"

#include "report/einheiten.h"

#include <QPainter>

namespace drel::bericht {

QSizeF Bild::drawnSize() const {
    const QSizeF eigen(ausPixel(picture_.width()), ausPixel(picture_.height()));
    if (!stretch_)
        return eigen;
    if (!keepAspect_)
        return rect().size();
    return eigen.scaled(rect().size(), Qt::KeepAspectRatio);
}

QRectF Bild::pictureRect() const {
    if (picture_.isNull())
        return {};
    QRectF ziel(rect().topLeft(), drawnSize());
    if (center_)
        ziel.moveCenter(rect().center());
    return ziel;
}

std::unique_ptr<Druckobjekt> Bild::clone() const {
    return std::make_unique<Bild>(*this);
}

void Bild::paint(QPainter& painter, double /*dpi*/) const {
    paintBackground(painter);
    if (!picture_.isNull()) {
        painter.save();
        painter.setClipRect(rect(), Qt::IntersectClip);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(pictureRect(), picture_);
        painter.restore();
    }
    paintFrame(painter);
}

} // namespace drel::bericht
