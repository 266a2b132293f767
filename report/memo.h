// A text object. Its text may hold the placeholders "[Page#]" and
// "[TotalPages#]" (page number and total of printed pages) and, in a band with a
// data set, "[Field]" for a field of the current row.
#pragma once

#include "report/druckobjekt.h"

#include <QFont>

namespace drel::bericht {

class Memo : public Druckobjekt {
public:
    // Gap between the object's edge and its text, in report units.
    static constexpr double padding = 5;

    explicit Memo(QString name);

    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }
    const QFont& font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }
    const QColor& fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color) { fontColor_ = color; }

    // Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter or Qt::AlignJustify.
    Qt::Alignment hAlign() const { return hAlign_; }
    void setHAlign(Qt::Alignment align) { hAlign_ = align & Qt::AlignHorizontal_Mask; }
    // Qt::AlignTop, Qt::AlignVCenter or Qt::AlignBottom.
    Qt::Alignment vAlign() const { return vAlign_; }
    void setVAlign(Qt::Alignment align) { vAlign_ = align & Qt::AlignVertical_Mask; }
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap) { wordWrap_ = wrap; }

    // Where the text lands inside the object, in report units (font metrics at
    // 0.1 mm per pixel); lets the layout be checked without painting.
    QRectF textRect() const;

    std::unique_ptr<Druckobjekt> clone() const override;
    void paint(QPainter& painter, double dpi) const override;

private:
    int textFlags() const;
    QRectF innerRect() const;

    QString text_;
    QFont font_;
    QColor fontColor_ = Qt::black;
    Qt::Alignment hAlign_ = Qt::AlignLeft;
    Qt::Alignment vAlign_ = Qt::AlignTop;
    bool wordWrap_ = true;
};

} // namespace drel::bericht
