// "Reihenberechnung": a table of operating points from a CSV or XLSX file, each row
// rated on its own data sheet, with a progress bar and cancel; the result table is
// saved as CSV or XLSX. The rating is Reihenrechnung's; the window only shows it.
#pragma once

#include "base/ui/tdform.h"
#include "sheet/reihenrechnung.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace drel::ui {

class RasterModell;

class TFrmReihe : public TDForm {
    Q_OBJECT
public:
    TFrmReihe(db::TDataModule1& dm, fluid::TStoff& stoff, const calc::Einheiten& einheiten,
              QWidget* parent = nullptr);

    // Reads the file and rates every row (the window stays responsive; Abbrechen stops).
    void rechnen(const QString& datei);
    void abbrechenClick() { abbruch_ = true; }
    // Writes the results: .xlsx as a workbook, anything else as CSV of the program
    // language. False (with a message) when the file cannot be written.
    bool speichern(const QString& datei);

    const std::vector<sheet::ReihenErgebnis>& ergebnisse() const { return ergebnisse_; }
    QProgressBar* fortschritt() const { return fortschritt_; }
    QLabel* status() const { return status_; }
    QTableView* tabelle() const { return tabelle_; }

private:
    void oeffnenClick();
    void speichernClick();
    void zeigen();

    sheet::Reihenrechnung rechnung_;
    std::vector<sheet::ReihenErgebnis> ergebnisse_;
    bool abbruch_ = false;
    bool laeuft_ = false;
    QLineEdit* datei_ = nullptr;
    QPushButton* berechnen_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
    QPushButton* speichern_ = nullptr;
    QProgressBar* fortschritt_ = nullptr;
    QLabel* status_ = nullptr;
    QTableView* tabelle_ = nullptr;
    RasterModell* modell_ = nullptr;
};

// Opens the window on the program's tables (a message when they are not loaded).
void reihenberechnungZeigen(QWidget* parent);

} // namespace drel::ui
