// The page "Tabelle Leistungsdaten": the nine range fields, Tab.ini, the table of
// capacity, power and current over t0 (columns) and tc or the air inlet temperature
// (row blocks), filled only inside the application envelope, and the take-over of a
// clicked point.
#pragma once

#include "calc/artikelrechnung.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <limits>
#include <vector>

namespace drel::fluid {
class TStoff;
}
namespace drel::calc {
class Einheiten;
} // namespace drel::calc
namespace drel::chart {
class GrenzChart;
}
namespace drel::db {
class TDataModule1;
}

namespace drel::sheet {

// One spin field: its value and the range of the control.
struct SpinFeld {
    double wert = 0.0;
    double min = 0.0;
    double max = 0.0;
    // Value as the control takes it: clamped into its range.
    void setzen(double v);
};

// Smallest and largest t0 and tc of the envelope (°C); an empty polygon leaves the
// start values.
struct HuellenExtreme {
    double t0Min = 2147483647.0;
    double t0Max = -2147483648.0;
    double tcMin = 2147483647.0;
    double tcMax = -2147483648.0;
};

// MinMaxTabLeistung: selects the capacity record of `artikelId` (the data article)
// for the refrigerant and takes the dashed polygon, or the blue one when the dashed
// one has no points.
HuellenExtreme MinMaxTabLeistung(db::TDataModule1& dm, const QString& kaeltemittel,
                                 qint32 artikelId);

// Which t0 bound the user changed last (program-wide; initially the lower one).
enum class T0Grenze { Unten, Oben };
T0Grenze& letzteT0Grenze();

// SpaltenZahlHolen: the smallest integer not below |upper − lower| / step + 1.
int SpaltenZahlHolen(double schritt, double oben, double unten);

class TabBereiche {
public:
    SpinFeld SpinEdit1{-40, -200, 50}; // to min
    SpinFeld SpinEdit2{10, -200, 50};  // to max
    SpinFeld SpinEdit3{5, 1, 50};      // to step
    SpinFeld SpinEdit4{30, -100, 100}; // tc min
    SpinFeld SpinEdit5{50, -100, 100}; // tc max
    SpinFeld SpinEdit6{10, 1, 20};     // tc step
    SpinFeld SpinEdit7{27, -100, 100}; // tle min
    SpinFeld SpinEdit8{42, -100, 100}; // tle max
    SpinFeld SpinEdit9{5, 1, 20};      // tle step

    // The change handlers of SpinEdit1 and SpinEdit2 remember the bound.
    void SpinEdit1Change() { letzteT0Grenze() = T0Grenze::Unten; }
    void SpinEdit2Change() { letzteT0Grenze() = T0Grenze::Oben; }

    // Reset at every recalculation: in the display unit, truncated to integers, the
    // t0 fields get the range t0min−5 … t0max+5 and the values t0min and t0max, the
    // tc fields likewise.
    void ausHuelle(const HuellenExtreme& h, const calc::Einheiten& einheiten);
    // Switch between °C and °F: bounds as temperatures, steps as differences, each
    // kept as its shortest decimal form would read back.
    void einheitWechseln(bool nachFahrenheit);

    // Tab.ini, section "Tabelle", keys TOV TOB TOS TCV TCB TCS (the air inlet range is
    // not stored). A missing file or key keeps the value; a text that is no number
    // after its first "," and "." became the decimal separator counts as 0.
    void lesen(const QString& datei);
    bool schreiben(const QString& datei) const;
    // The same on the file's bytes.
    void lesenAus(QByteArrayView inhalt);
    QByteArray inhalt() const;
    // <settings directory>/Tab.ini
    static QString standardDatei();
};

// One cell of the table grid. A block outside the envelope is marked and stays
// empty; a rating that is not computable shows "-".
struct TabellenZelle {
    QString text;
    bool ausserhalb = false;
    double zahl = std::numeric_limits<double>::quiet_NaN(); // the value shown, for exports
    QString zahlFormat = QString(); // a workbook number format for `zahl` ("" = general)
};

// What a click takes over (GridMouseUp): t0 and the row value in the display unit.
struct PunktUebernahme {
    double t0 = 0.0;
    double zeilenWert = 0.0; // tc, or the air inlet temperature in condensing-unit mode
    bool luftEintritt = false;
};

class LeistungsTabelle {
    // The header block goes into customer files (CSV, XLSX, clipboard): its names are the
    // program's texts in the user's language.
    Q_DECLARE_TR_FUNCTIONS(LeistungsTabelle)

public:
    // Button1Click (a data fault is reported through the message sink). Writes capped t0 bounds and
    // swapped bounds back into `bereiche`. Every point is rated as the sheet rates its own
    // operating point: `eingabe` is what the sheet's last rating was given (°C and K),
    // each cell replaces t0 and tc, or the air inlet temperature with `luftEintritt`,
    // and shows the sheet's quantities (the compressor cooling capacity at the sheet's
    // suction gas temperature, subcooling and superheat). A point outside the
    // envelope, or one the rating had to move, stays empty.
    void Button1Click(db::TDataModule1& dm, fluid::TStoff& stoff, const calc::Einheiten& einheiten,
                      chart::GrenzChart& chart, TabBereiche& bereiche,
                      const calc::ArtikelEingabe& eingabe, bool vierPolig, bool luftEintritt);

    int spalten() const { return spalten_; }
    int zeilen() const { return zeilen_; }
    static constexpr int kFesteSpalten = 3;
    static constexpr int kFesteZeilen = 2;
    // More row blocks than this no range of the page can ask for.
    static constexpr int kMaxBloecke = 1000;
    // Cell (column, row) as the grid addresses it; outside the grid an empty cell.
    const TabellenZelle& zelle(int spalte, int zeile) const;
    QString text(int spalte, int zeile) const { return zelle(spalte, zeile).text; }
    // Value cells (column > 2, row > 1) are drawn bold and right-aligned.
    static bool istWertZelle(int spalte, int zeile) { return spalte > 2 && zeile > 1; }
    // Background of an unselected cell: 16245718 on odd rows, 0 on even rows (the
    // window uses the tooltip colour there). Windows colour value.
    static quint32 hintergrund(int zeile);

    // Every t0 the column rule wrote, in order, including a value beyond the grid.
    const std::vector<double>& t0Werte() const { return t0Werte_; }
    bool luftEintritt() const { return luftEintritt_; } // Panel7 shown, Panel6 hidden

    // GridMouseUp at the current cell.
    PunktUebernahme GridMouseUp(int spalte, int zeile) const;

    // Header of the exports: article, refrigerant, units, rating basis.
    QList<QPair<QString, QString>> kopf() const { return kopf_; }

private:
    struct Auftrag {
        const calc::ArtikelEingabe& eingabe;
        bool vierPolig;
        bool luftEintritt;
    };
    void berechnen(db::TDataModule1& dm, fluid::TStoff& stoff, const calc::Einheiten& einheiten,
                   chart::GrenzChart& chart, TabBereiche& bereiche, const Auftrag& auftrag);
    TabellenZelle& setzen(int spalte, int zeile, const QString& text);
    void kopfFuellen(const calc::Einheiten& e, const Auftrag& auftrag);

    int spalten_ = 0;
    int zeilen_ = 0;
    std::vector<TabellenZelle> zellen_;
    std::vector<double> t0Werte_;
    bool luftEintritt_ = false;
    QList<QPair<QString, QString>> kopf_;
};

} // namespace drel::sheet
