// The result list: sorts the results the engines left, decides which are shown,
// writes the grid texts, preselects the first row that reaches the wanted capacity
// and says what the data sheet receives for the chosen row.
#pragma once

#include "search/suchtypen.h"
#include "state/betriebspunkt.h"
#include "state/datenblattauftrag.h"

#include <QStringList>
#include <vector>

namespace drel::db {
class TDataModule1;
}
namespace drel::calc {
class Einheiten;
}

namespace drel::search {

enum class SortOption { rbKaelte, rbHub, rbAnzahl1, rbAnzahl2 };

double sortierSchluessel(SortOption option, const VdSatz& v);

// Whether an S version is hidden at this evaporating temperature (°C).
bool sVersionVerborgen(const QString& typUmgekehrt, double t0Celsius);

// Operating point and choices of the search that the data sheet takes over.
struct DatenblattKontext {
    Betriebspunkt punkt;    // t0, tc, tsaug and tu are handed on
    bool satzModus = false; // condensing-unit mode
    bool rb60Hz = false;
    int spinN = 1450;
};

class ErgebnisListe {
public:
    // The grid: row 0 is the heading; rows 1.. hold type and Qo texts.
    struct Zeile {
        QString typ;
        QString qo;
        QString rand; // envelope margin, K or R with one decimal ("-" without one)
    };

    // Sorts by the option, runs the capacity check (q0 in the user's capacity unit)
    // and fills the grid; t0Celsius is the t0 field converted to °C.
    void Sortieren(Suchergebnis& ergebnis, SortOption option, double q0, double t0Celsius,
                   const calc::Einheiten& einheiten);

    const std::vector<Zeile>& zeilen() const { return zeilen_; } // zeilen()[0] = row 1
    int RowCount() const { return static_cast<int>(zeilen_.size()) + 1; }
    int Row() const { return row_; }
    int TopRow() const { return topRow_; }
    bool Panel8() const { return panel8_; }
    void setRow(int row) { row_ = row; }
    void setPanel8(bool sichtbar) { panel8_ = sichtbar; }

    // Column 0, 1 and 2 (the margin) of a grid row; empty outside the grid.
    QString zelle(int spalte, int row) const;

    // The entry shown in the grid row, 0 when none.
    static int eintragFuerZeile(const Suchergebnis& ergebnis, int row);

    // What opens the data sheet for the selected row; nothing without results.
    bool datenblatt(const Suchergebnis& ergebnis, db::TDataModule1& dm,
                    const DatenblattKontext& kontext, DatenblattAuftrag& auftrag) const;

private:
    std::vector<Zeile> zeilen_{Zeile{}};
    int row_ = 1;
    int topRow_ = 1;
    bool panel8_ = false;
};

} // namespace drel::search
