// The note window: a read-only rich-text box showing a note or readme text.
#pragma once

#include "base/ui/tdform.h"

class QTextEdit;

namespace drel::ui {

class TFrmHinweis : public TDForm {
    Q_OBJECT
public:
    explicit TFrmHinweis(QWidget* parent = nullptr);

    // Loads an RTF (or plain) text file; a missing file leaves the box empty.
    void laden(const QString& datei);
    QTextEdit* richEdit() const { return richEdit_; }

private:
    QTextEdit* richEdit_;
};

} // namespace drel::ui
