// The settings dialog ("Einstellungen") without its window: the control
// contents under their names, filled from a chart and taken back into it.
#pragma once

#include "chart/chartdaten.h"

#include <QString>
#include <array>

namespace drel::chart {

class SkalierungModell {
public:
    SkalierungModell();

    // Control contents; index = the number in the control's name (index 0 unused).
    std::array<QString, 31> Edit;      // Edit1..Edit30
    std::array<int, 12> SpinEdit{};    // SpinEdit1..10 line widths, SpinEdit11 picture quality
    std::array<bool, 21> CheckBox{};   // CheckBox1..10 lines, CheckBox11..20 crosses
    std::array<WinFarbe, 11> Farben{}; // the dialog's own colours of graphs 1..10
    int RadioGroup1 = 0;               // parameter position
    int Art = 0;                       // chart type

    // Fills the controls from the chart; the check boxes show the last confirmed state.
    void fuellen(const ChartDaten& daten);
    // A colour chosen for swatch i (1..10).
    void farbeWaehlen(int i, WinFarbe farbe);
    // Showing or activating the dialog clears the confirmation.
    void angezeigt() { bestaetigt_ = false; }
    // "&OK": stores the check-box results and marks the dialog confirmed.
    void ok();
    bool bestaetigt() const { return bestaetigt_; }

    // Takes the settings into the chart when the dialog was confirmed. A text that
    // is no number is reported and nothing is changed.
    bool uebernehmen(ChartDaten& daten) const;

private:
    // An axis field whose text is still the one filled in stands for the exact value it
    // was filled from: its text is rounded to the axis decimals (-2.5 shows "-3" with none).
    struct Gezeigt {
        QString text;
        double wert = 0.0;
    };
    double achsenWert(int feld, double gelesen) const;

    std::array<Gezeigt, 9> gezeigt_{}; // index = Edit number 1..8
    std::array<bool, 21> haken_{};     // check-box results of the last confirmed use
    bool bestaetigt_ = false;
};

// Clamps of the print margins and sizes, in mm.
int linkerRandBegrenzen(int mm);
int breiteBegrenzen(int mm);
int obererRandBegrenzen(int mm);
int hoeheBegrenzen(int mm);

} // namespace drel::chart
