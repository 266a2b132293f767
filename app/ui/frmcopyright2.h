// The copyright window: the maker's notice and the year, modal and on top.
#pragma once

#include "base/ui/quelltexte.h"

#include <QDialog>

class QLabel;

namespace drel::ui {

class TFrmCopyright2 : public MitQuelltexten<QDialog> {
    Q_OBJECT
public:
    explicit TFrmCopyright2(QWidget* parent = nullptr);
    QLabel* jahr() const { return jahr_; }

private:
    QLabel* jahr_;
};

} // namespace drel::ui
