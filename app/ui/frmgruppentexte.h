// The group-text window: the series description of the browser in a window of its
// own, read-only; the caption is the chosen tree node's text.
#pragma once

#include "base/ui/tdform.h"

class QPlainTextEdit;

namespace drel::ui {

class TFrmGruppenTexte : public TDForm {
    Q_OBJECT
public:
    TFrmGruppenTexte(const QString& caption, const QString& text, QWidget* parent = nullptr);
    QPlainTextEdit* memo() const { return memo_; }

private:
    QPlainTextEdit* memo_;
};

} // namespace drel::ui
