// The notes window of a data sheet: one label per warning of the current rating,
// each shown or hidden by the sheet; it shows itself while any label is visible.
#pragma once

#include "base/ui/tdform.h"

#include <QMap>

class QLabel;
class QPushButton;

namespace drel::calc {
struct ArtikelHinweise;
}

namespace drel::ui {

class TFrmHinweise : public TDForm {
    Q_OBJECT
public:
    explicit TFrmHinweise(QWidget* parent = nullptr);

    // Shows exactly the labels of the visible notes.
    void setzen(const calc::ArtikelHinweise& hinweise);
    // Shows and raises the window when a label is visible, closes it otherwise.
    void ZeigenOderSchliessen();
    bool einerSichtbar() const;

    QLabel* label(const QString& name) const { return labels_.value(name); }
    QPushButton* Button1() const { return Button1_; } // the info button of R717

private:
    void breiteAnpassen();

    QMap<QString, QLabel*> labels_;
    QPushButton* Button1_ = nullptr;
};

} // namespace drel::ui
