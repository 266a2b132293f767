// The start window, shown while the program comes up.
#pragma once

#include "base/ui/tdform.h"

#include <QElapsedTimer>

class QLabel;
class QPushButton;

namespace drel::ui {

class TFrmSplash : public TDForm {
    Q_OBJECT
public:
    // How long the start window stays at least, so that it can be read on a fast start.
    static constexpr int kMindestMs = 2000;

    explicit TFrmSplash(QWidget* parent = nullptr);

    QLabel* lblVersion() const { return lblVersion_; }

    // Shows the window and waits (briefly) until it is painted: the start-up work that
    // follows processes no window messages.
    void zeigen();
    // Closes and frees the window once it has been up `mindestMs`; at once where no one
    // can see it (offscreen tests, screenshots). A click on it closes it earlier.
    void schliessenNach(int mindestMs = kMindestMs);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void schliessen();

    QLabel* lblVersion_;
    QPushButton* btnHinweis_;
    QPushButton* btnProgrammstart_;
    QElapsedTimer seit_;
};

// Whether the windows of this process can be seen (not the offscreen or minimal platform).
bool bildschirmSichtbar();

} // namespace drel::ui
