#include "base/ui/tdspinedit.h"

namespace drel::ui {

TDSpinEdit::TDSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace drel::ui
