#include "report/memo.h"

#include "report/berichtschrift.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

namespace drel::bericht {

namespace {

// Qt sizes point fonts by the device's resolution, and the painter is scaled to
// report units on top of that; shrinking the point size by the same factor
// leaves the printed text at its nominal size.
QFont schriftFuerEinheiten(QFont font, double dpi) {
    font = eigeneSchrift(font);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 254.0 / dpi);
    font.setHintingPreference(QFont::PreferNoHinting);
    // No ligatures in printed text: a PDF whose "fl" is one glyph cannot be searched for
    // "Verflüssigung", nor can its values be copied as they read.
    font.setStyleStrategy(
        static_cast<QFont::StyleStrategy>(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

// A device of 254 dpi, where one pixel is one report unit.
const QImage& messGeraet() {
    static const QImage geraet = [] {
        QImage bild(1, 1, QImage::Format_ARGB32);
        bild.setDotsPerMeterX(10000);
        bild.setDotsPerMeterY(10000);
        return bild;
    }();
    return geraet;
}

} // namespace

Memo::Memo(QString name) : Druckobjekt(std::move(name)), font_(QStringLiteral("Arial"), 10) {}

int Memo::textFlags() const {
    return static_cast<int>(hAlign_ | vAlign_) | (wordWrap_ ? Qt::TextWordWrap : 0);
}

QRectF Memo::innerRect() const {
    return rect().adjusted(padding, padding, -padding, -padding);
}

QRectF Memo::textRect() const {
    const QFontMetricsF metrik(schriftFuerEinheiten(font_, 254.0), &messGeraet());
    return metrik.boundingRect(innerRect(), textFlags(), text_);
}

std::unique_ptr<Druckobjekt> Memo::clone() const {
    return std::make_unique<Memo>(*this);
}

void Memo::paint(QPainter& painter, double dpi) const {
    paintBackground(painter);
    painter.save();
    painter.setFont(schriftFuerEinheiten(font_, dpi));
    painter.setPen(fontColor_);
    painter.drawText(innerRect(), textFlags(), text_);
    painter.restore();
    paintFrame(painter);
}

} // namespace drel::bericht
