// The start window, shown while the program comes up.
#pragma once

#include "base/ui/quelltexte.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace drel::ui {

class TFrmSplash : public MitQuelltexten<QDialog> {
    Q_OBJECT
public:
    explicit TFrmSplash(QWidget* parent = nullptr);

    QLabel* lblVersion() const { return lblVersion_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* lblVersion_;
    QPushButton* btnHinweis_;
    QPushButton* btnProgrammstart_;
};

} // namespace drel::ui
