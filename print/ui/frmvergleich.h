// The comparison window: up to four articles at one operating point, their values with
// the difference to the first (in %, the margin's in K), their envelopes overlaid with
// the point; printed as one page (preview, PDF) and exported as CSV or XLSX. Opened
// from the main menu (empty fields) or from the result list with the rows the user
// selected; "Offene Datenblatter" takes the articles of the open data sheets.
#pragma once

#include "base/ui/tdform.h"
#include "sheet/vergleich.h"
#include "state/datenblattauftrag.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace drel::ui {

class RasterModell;

class TFrmVergleich : public TDForm {
    Q_OBJECT
public:
    TFrmVergleich(db::TDataModule1& dm, fluid::TStoff& stoff, const calc::Einheiten& einheiten,
                  QWidget* parent = nullptr);

    // Rates the orders as the result list hands them over and shows their point.
    void vergleichen(const QList<DatenblattAuftrag>& auftraege);
    // "Vergleichen": the articles of the fields at the point of the fields.
    void VergleichenClick();
    // "Offene Datenblatter": the articles of the open data sheets (the docked one first,
    // at most four) at the point of the first of them. False when no sheet shows one.
    bool offeneBlaetterClick();
    // The exports; false (with a message) when the file cannot be written.
    bool pdfSchreiben(const QString& datei);
    bool tabelleSchreiben(const QString& datei); // .xlsx or CSV

    const sheet::Vergleich& vergleich() const { return vergleich_; }
    QLineEdit* artikelFeld(int i) const { return artikel_[static_cast<std::size_t>(i)]; }
    // The operating-point fields by their object names (eKaeltemittel, eT0, eTc, eTsaug,
    // eUeberhitzung, eUnterkuehlung).
    QLineEdit* punktFeld(const QString& name) const;
    QTableView* tabelle() const { return tabelle_; }

protected:
    void spracheGewechselt() override { zeigen(); }

private:
    void punktZeigen(const Betriebspunkt& punkt, bool luft);
    void zeigen();
    void druckenClick();
    void speichernClick();

    const calc::Einheiten& einheiten_;
    sheet::Reihenrechnung rechnung_;
    sheet::Vergleich vergleich_;
    QLineEdit* kaeltemittel_ = nullptr;
    QLineEdit* t0_ = nullptr;
    QLineEdit* tc_ = nullptr;
    QLineEdit* tsaug_ = nullptr;
    QLineEdit* tue_ = nullptr; // superheat
    QLineEdit* tu_ = nullptr;  // subcooling
    QCheckBox* luft_ = nullptr;
    Betriebspunkt letzterPunkt_; // the last point: its frequency and speed stay for the fields
    std::array<QLineEdit*, sheet::Vergleich::kMaxArtikel> artikel_{};
    QLabel* punkt_ = nullptr;
    QTableView* tabelle_ = nullptr;
    RasterModell* modell_ = nullptr;
    QWidget* diagramm_ = nullptr;
};

// Opens a comparison window on the program's tables, with these orders when given.
void vergleichZeigen(QWidget* parent, const QList<DatenblattAuftrag>& auftraege = {});

} // namespace drel::ui
