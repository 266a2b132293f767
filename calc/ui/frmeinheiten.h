// The units window: one radio button per unit in three groups, OK writes units.dat
// and relabels every open window, Cancel falls back to the defaults only where a
// group has no choice yet.
#pragma once

#include "base/ui/tdform.h"
#include "calc/einheiten.h"

class QButtonGroup;
class QRadioButton;

namespace drel::ui {

class TFrmEinheiten : public TDForm {
    Q_OBJECT
public:
    // `unitsDat` is the file OK writes.
    TFrmEinheiten(calc::Einheiten& einheiten, QString unitsDat, QWidget* parent = nullptr);

    QRadioButton* knopf(calc::EinheitGruppe gruppe, int index) const;

    void BitBtn1Click(); // OK
    void BitBtn2Click(); // Cancel

    // Unit labels of every open window (tags 3 to 6).
    static void alleFensterBeschriften(const calc::Einheiten& einheiten);

protected:
    // Esc and the close box: Cancel, which on a first start keeps the default units.
    void abbrechen() override { BitBtn2Click(); }
    void showEvent(QShowEvent* event) override;

private:
    QButtonGroup* gruppeAnlegen(calc::EinheitGruppe gruppe, const char* titel,
                                const std::initializer_list<std::pair<int, const char*>>& knoepfe,
                                QWidget* parent);
    void ausModell();
    QButtonGroup* gruppe(calc::EinheitGruppe g) const;

    calc::Einheiten& einheiten_;
    QString unitsDat_;
    QButtonGroup* leistung_ = nullptr;
    QButtonGroup* antrieb_ = nullptr;
    QButtonGroup* temperatur_ = nullptr;
};

} // namespace drel::ui
