// What rate, table and sheet share: the options that name an article and an operating
// point, read with one set of range checks, and the data sheet they open. Every one of
// these commands is a view of that sheet, so it shows what the window shows.
#pragma once

#include "calc/einheiten.h"
#include "cli/commands.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "sheet/datenblatt.h"
#include "state/betriebspunkt.h"

#include <QStringList>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

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

// Reads arguments that are all sheet options; any other one is a usage fault. Empty
// when one is refused (the reason is printed).
std::optional<BlattOptionen> nurBlattOptionenLesen(const QString& befehl, const QStringList& args,
                                                   bool punkt = true);

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

// What a sheet command holds while it runs: its options, the message scope and the
// sheet opened at the options' point (the sheet closes before the scope ends).
template <class Optionen> struct BlattBefehl {
    explicit BlattBefehl(Optionen o) : optionen(std::move(o)) {}
    Optionen optionen;
    Befehlsmeldungen meldungen;
    std::unique_ptr<OffenesBlatt> offen;
};

// The sheet options inside a command's options (or the options themselves).
template <class Optionen> const BlattOptionen& blattTeil(const Optionen& o) {
    if constexpr (std::is_same_v<Optionen, BlattOptionen>)
        return o;
    else
        return o.blatt;
}

// The start every sheet command shares: program directory, the command's options read
// by `leser`, then `pruefen` (an exit code, 0 to go on) and the sheet, with its product
// pages only `mitSeiten`. Empty with `exitCode` set when a step refuses (reason printed).
template <class Optionen, class Leser, class Pruefen = std::nullptr_t>
std::unique_ptr<BlattBefehl<Optionen>>
blattBefehlStarten(const QStringList& arguments, const QString& befehl, Leser leser, int& exitCode,
                   bool mitSeiten = true, Pruefen pruefen = nullptr) {
    exitCode = 2;
    auto anfang = befehlsAnfang<Optionen>(arguments, befehl, leser);
    if (!anfang)
        return nullptr;
    if constexpr (!std::is_null_pointer_v<Pruefen>) {
        exitCode = pruefen(anfang->second);
        if (exitCode != 0)
            return nullptr;
    }
    exitCode = 0;
    auto b = std::make_unique<BlattBefehl<Optionen>>(std::move(anfang->second));
    b->offen =
        OffenesBlatt::oeffnen(befehl, anfang->first, blattTeil(b->optionen), exitCode, mitSeiten);
    if (!b->offen)
        return nullptr;
    return b;
}

// Runs a sheet command: starts it as blattBefehlStarten does, then `ausgabe(options,
// sheet)` gives the exit code.
template <class Optionen, class Leser, class Ausgabe, class Pruefen = std::nullptr_t>
int blattBefehlAusfuehren(const QStringList& arguments, const QString& befehl, Leser leser,
                          bool mitSeiten, Ausgabe ausgabe, Pruefen pruefen = nullptr) {
    int exitCode = 0;
    const auto b =
        blattBefehlStarten<Optionen>(arguments, befehl, leser, exitCode, mitSeiten, pruefen);
    return b ? ausgabe(std::as_const(b->optionen), *b->offen) : exitCode;
}

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

// The program's language by its code ("De", "en", ...), its translations loaded (the
// documents a command writes are in it); false for an unknown code.
bool spracheWaehlen(const QString& code);

// A number in the sheet's English form, "-" when it is none.
QString zahlText(double wert, const char* muster = "0.00");

} // namespace drel::cli
