// A picture object. By default the picture is scaled into the object keeping
// its aspect ratio and placed at the object's top-left corner.
#pragma once

#include "report/druckobjekt.h"

#include <QImage>

namespace drel::bericht {

class Bild : public Druckobjekt {
public:
    using Druckobjekt::Druckobjekt;

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture) { picture_ = picture; }

    // Scale the picture into the object; otherwise it keeps its own size
    // (one pixel per 96th of an inch) and is cut at the object's edges.
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch) { stretch_ = stretch; }
    bool keepAspect() const { return keepAspect_; }
    void setKeepAspect(bool keep) { keepAspect_ = keep; }
    bool center() const { return center_; }
    void setCenter(bool center) { center_ = center; }

    // Where the picture is drawn, in the coordinates of the object.
    QRectF pictureRect() const;

    std::unique_ptr<Druckobjekt> clone() const override;
    void paint(QPainter& painter, double dpi) const override;

private:
    QSizeF drawnSize() const;

    QImage picture_;
    bool stretch_ = true;
    bool keepAspect_ = true;
    bool center_ = false;
};

} // namespace drel::bericht
