#include "base/ui/tddbcombo.h"

namespace drel::ui {

int tdComboIndexFuer(const QStringList& items2, const QString& wert) {
    return static_cast<int>(items2.indexOf(wert));
}

TDDBCombo::TDDBCombo(QWidget* parent) : QComboBox(parent) {
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setFrame(false);
    connect(this, &QComboBox::activated, this, &TDDBCombo::auswahlGeaendert);
}

void TDDBCombo::setDataSource(TDDatenQuelle* quelle) {
    quelle_ = quelle;
    datenGeaendert();
}

void TDDBCombo::datenGeaendert() {
    if (!quelle_ || DataField.isEmpty())
        return;
    setCurrentIndex(tdComboIndexFuer(Items2, quelle_->feldText(DataField)));
}

void TDDBCombo::auswahlGeaendert(int index) {
    if (!quelle_ || DataField.isEmpty())
        return;
    if (!quelle_->imEditModus() && !quelle_->autoEdit()) {
        datenGeaendert();
        return;
    }
    // A typed text that matches no item stays as typed.
    if (index < 0 || index >= Items2.size())
        return;
    quelle_->bearbeiten();
    quelle_->feldSchreiben(DataField, Items2.at(index));
}

} // namespace drel::ui
