// An object that is painted on the page: position and size inside its band,
// fill colour and frame. Memo, picture, shape and line derive from it.
#pragma once

#include "report/berichtobjekt.h"
#include "report/rahmen.h"

#include <QColor>
#include <QRectF>
#include <memory>

class QPainter;

namespace drel::bericht {

class Druckobjekt : public BerichtObjekt {
public:
    using BerichtObjekt::BerichtObjekt;

    // In report units; inside a band relative to the band, on a laid-out page
    // relative to the paper.
    double left() const { return rect_.left(); }
    double top() const { return rect_.top(); }
    double width() const { return rect_.width(); }
    double height() const { return rect_.height(); }
    void setLeft(double left) { rect_.moveLeft(left); }
    void setTop(double top) { rect_.moveTop(top); }
    void setWidth(double width) { rect_.setWidth(width); }
    void setHeight(double height) { rect_.setHeight(height); }
    void setGeometry(double left, double top, double width, double height);
    const QRectF& rect() const { return rect_; }
    void moveBy(double dx, double dy) { rect_.translate(dx, dy); }

    // Fill colour; an invalid colour leaves the object transparent.
    const QColor& color() const { return color_; }
    void setColor(const QColor& color) { color_ = color; }
    const Rahmen& frame() const { return frame_; }
    void setFrame(const Rahmen& frame) { frame_ = frame; }

    // A snapshot for a laid-out page: the layout copies the object as it stands
    // when its band prints, so later changes by handlers do not reach it.
    virtual std::unique_ptr<Druckobjekt> clone() const = 0;
    // Paints on a painter whose coordinates are report units; `dpi` is the
    // resolution of the device underneath (fonts are sized against it).
    virtual void paint(QPainter& painter, double dpi) const = 0;

protected:
    void paintBackground(QPainter& painter) const;
    void paintFrame(QPainter& painter) const;

private:
    QRectF rect_;
    QColor color_;
    Rahmen frame_;
};

} // namespace drel::bericht
