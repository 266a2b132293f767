// A spin edit whose number can be right-aligned or centred.
#pragma once

#include <QSpinBox>

namespace drel::ui {

class TDSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TDSpinEdit(QWidget* parent = nullptr);
    Qt::Alignment Alignment() const { return alignment(); }
    void setAlignment(Qt::Alignment a) { QSpinBox::setAlignment(a); }
};

} // namespace drel::ui
