// What rate, table and sheet share: the options that name an article and an operating
// point, read with one set of range checks, and the data sheet they open. Every one of
// these commands is a view of that sheet, so it shows what the window shows.
#pragma once

#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "sheet/datenblatt.h"
#include "state/betriebspunkt.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace drel::cli {

struct BlattOptionen {
    QString artikel;
    Betriebspunkt punkt; // °C, K, Hz, 1/min; the program's start values where not given
    bool mitT0 = false, mitTc = false, mitLuft = false;
    QString reflibs;
    QString einheitenDatei; // units.dat to show in; empty = kW and °C, "-" = the settings'
};

enum class OptionGelesen { Ja, Fremd, Fehler };

// Reads the option at args[i] (and its value, moving i on) when it is one of the
// sheet's: --article, --refrigerant, --reflibs, --unit-file [FILE], --ts, --dtu,
// --superheat, --hz, --n and, with `punkt`, --t0, --tc and --air. A value that is no
// number or lies outside its range is a usage fault (printed; Fehler).
OptionGelesen blattOptionLesen(const QString& befehl, const QStringList& args, qsizetype& i,
                               BlattOptionen& o, bool punkt = true);

// Article, refrigerant, t0 and tc or air given, and a suction gas not below t0; else a
// usage fault is printed and false returned.
bool blattOptionenVollstaendig(const QString& befehl, const BlattOptionen& o);

// The data sheet of one article, opened without a window.
class OffenesBlatt {
public:
    // Opens the tables and fluid files and the sheet at the options' point (its
    // product pages only `mitSeiten`). On a fault the message is printed and `exitCode`
    // set (1 data, 2 usage); the result is empty.
    static std::unique_ptr<OffenesBlatt> oeffnen(const QString& befehl, const QString& dir,
                                                 const BlattOptionen& o, int& exitCode,
                                                 bool mitSeiten = true);

    sheet::Datenblatt& blatt() { return blatt_; }
    const calc::Einheiten& einheiten() const { return einheiten_; }
    const QString& name() const { return name_; } // the article as the command line names it

private:
    explicit OffenesBlatt(const QString& dir);

    db::TDataModule1 dm_;
    fluid::TStoff stoff_;
    calc::Einheiten einheiten_;
    sheet::Datenblatt blatt_;
    QString name_;
};

// Tables, fluid files and display units of the program directory, for the commands
// that open many sheets (batch, compare). Throws the DbError of a table that cannot be
// opened (main() reports it).
class OffeneDaten {
public:
    OffeneDaten(const QString& dir, const BlattOptionen& o);
    db::TDataModule1& dm() { return *dm_; }
    fluid::TStoff& stoff() { return stoff_; }
    const calc::Einheiten& einheiten() const { return einheiten_; }

private:
    std::unique_ptr<db::TDataModule1> dm_;
    fluid::TStoff stoff_;
    calc::Einheiten einheiten_;
};

// A range of the performance table, "VON:BIS:SCHRITT".
struct TabellenBereich {
    double von = 0.0, bis = 0.0, schritt = 0.0;
};
// Reads it: a positive step and no more points than a table holds; else a usage
// fault is printed and the result is empty.
std::optional<TabellenBereich> tabellenBereichLesen(const QString& befehl, const QString& option,
                                                    const QString& text);
// The table's t0 range and its rows: tc, or the air inlet temperature with `luft`.
void tabellenBereicheSetzen(sheet::TabBereiche& b, const TabellenBereich& t0,
                            const TabellenBereich& zeilen, bool luft);

// The provenance lines of rate, sepr and coefficients ("source   ...").
void herkunftZeilen(const sheet::Herkunft& h);

// A number in the sheet's English form, "-" when it is none.
QString zahlText(double wert, const char* muster = "0.00");

} // namespace drel::cli
