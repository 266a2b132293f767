// The information window shown while the product tables are rebuilt.
#pragma once

#include "base/ui/tdform.h"

#include <functional>

class QLabel;
class QProgressBar;

namespace drel::dbbuild {

class TFrmDBInfo : public ui::TDForm {
    Q_OBJECT
public:
    explicit TFrmDBInfo(QWidget* parent = nullptr);

    // Table n of count is being built; repaints at once.
    void setFortschritt(int schritt, int anzahl, const QString& tabellenDatei);

    QProgressBar* fortschritt() const { return pbFortschritt_; }

private:
    QLabel* lblText1_;
    QLabel* lblText2_;
    QProgressBar* pbFortschritt_;
};

// The data check of the start: shows TFrmDBInfo in front while the tables are
// rebuilt. Returns false when a build was needed and failed (it was reported; the old
// tables stay). `gebaut` runs after a successful build while the window is still shown
// (the program checks the new coefficients there).
bool dateienPruefenMitFenster(const QString& programmVerzeichnis, QWidget* parent = nullptr,
                              const std::function<void()>& gebaut = {});

} // namespace drel::dbbuild
