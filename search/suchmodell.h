// The state and handlers of the search window without widgets: the criteria
// fields, the series boxes with their group rules, the refrigerant list, the
// visibility of the frequency, speed and warning groups, search.ini, and the start
// of a search with the result list.
#pragma once

#include "db/recordhelpers.h"
#include "search/aggsuche.h"
#include "search/ergebnisliste.h"
#include "state/suchrec.h"

#include <QByteArray>
#include <QStringList>
#include <array>
#include <vector>

namespace drel::search {

using Box = SuchRec::Box;

// The numeric fields of the window.
enum class Feld { Q0, t0, tc, ts, dtu };

// What a search needs beyond the window's own state.
struct SuchDienste {
    db::TDataModule1& dm;
    fluid::TStoff& stoff;
    chart::GrenzChart* chart = nullptr; // hidden chart of the envelope test; none = skipped
    const AggListe* aggregate = nullptr;
    const db::LukoTabelle* kondensatoren = nullptr;
};

class SuchModell {
public:
    // Results go into `ergebnis`, the result table its owner (the start-up, a command,
    // a test) shares with the data sheets.
    explicit SuchModell(const calc::Einheiten& einheiten, Suchergebnis& ergebnis);

    // --- state under the window's control names ---
    bool rbVerdichter = true;
    bool rbSatz = false;
    QStringList KMListe;
    int KMListeIndex = -1; // selected refrigerant item, -1 = none
    QString Q0 = QStringLiteral("10");
    QString t0 = QStringLiteral("-10");
    QString tc = QStringLiteral("45");
    QString ts = QStringLiteral("20");
    QString dtu = QStringLiteral("0");
    bool rb50Hz = true;
    bool rb60Hz = false;
    int SpinN = 1450;
    int SpinNMin = 0;
    int SpinNMax = 1800;
    bool chkq0 = true;
    bool chktyp = false;
    QString vTyp;

    // Shown / enabled.
    bool Panel7 = true;  // compressor boxes
    bool Panel6 = false; // unit boxes
    bool Label7 = true;  // "Verflussigungstemperatur:"
    bool Label8 = false; // "Lufteintrittstemperatur:"
    bool RBWEnabled = true;
    bool verbundtooEnabled = true;
    bool Panel3 = true;   // frequency group
    bool Panel4 = false;  // speed group
    bool Panel10 = false; // low condensing temperature warning
    bool Panel1 = false;  // result area
    bool Q0Sichtbar = true;
    bool vTypSichtbar = false;
    QString KopfTyp, KopfQo; // grid headings

    bool box(Box b) const { return boxen_[static_cast<std::size_t>(b)]; }
    QString kaeltemittel() const; // selected list item, empty when none

    // --- handlers ---
    // A tick or untick of a series box as the user (or the program) makes it; runs the
    // box's click handler when the state changes.
    void boxSetzen(Box b, bool an);
    // Ticks the boxes in the window's start order (the group rules leave WT and the two
    // receiver sets).
    void standardBoxen();
    void rbVerdichterClick(bool verdichter);
    void RBVerdClick(Box geklickt);
    void RBAggrClick(Box geklickt);
    void RBAggrClick(); // only the label, group and list part
    void RBQLClick();
    void RBWClick();
    void SpinNChange();
    void setSpinN(int wert); // within the spin bounds
    // The user changes the speed: the bounds are recomputed (the spin's change handler).
    void SpinNEingabe(int wert);
    void rb50HzClick(bool sechzig);
    void KMittelSetzen();
    void KMListeClick(int index); // t0Change
    void tcChange();
    void chkq0Click(bool an);
    void chktypClick(bool an);

    // Leaving a field: a value outside its bounds becomes the bound.
    void feldVerlassen(Feld feld);
    // Spin button of a field: +1 or -1 to its number, then the exit check.
    void spin(Feld feld, bool hoch);
    // Whether a key typed into Q0 passes.
    bool q0TasteErlaubt(QChar taste) const;

    QString& text(Feld feld);

    // --- settings and search ---
    // FormShow: applies search.ini when it exists, else the defaults.
    void FormShow(const QString& suchIni);
    void laden(const SuchRec& rec);
    // The record as the next search writes it (bytes 256 to 323 as last read).
    QByteArray rohdaten() const { return roh_; }

    // OKBtnClick: stores the criteria (in search.ini when a path is given), runs the
    // engines and fills the result list. False when an engine reported a table fault
    // (the list is then empty); nothing is thrown.
    bool OKBtnClick(const QString& suchIni, SuchDienste& dienste);
    // Sorting again (a click on a sort option).
    void rbKaelteClick(SortOption option);

    // The result list's margin column: shown or not, kept in search.ini at once (the
    // other criteria of the file stay as they are). False when the file cannot be
    // written (reported once); the switch holds for this session anyway.
    bool randSpalte() const { return rec_.randSpalte; }
    bool setRandSpalte(bool an, const QString& suchIni);

    const SuchRec& rec() const { return rec_; }
    SuchEingabe eingabe() const { return eingabe_; }
    TypRec typRec() const;
    Suchergebnis& ergebnis() { return ergebnis_; }
    const ErgebnisListe& liste() const { return liste_; }
    ErgebnisListe& liste() { return liste_; }
    SortOption sortOption() const { return sortOption_; }
    bool datenblatt(db::TDataModule1& dm, DatenblattAuftrag& auftrag) const;
    // The orders of several grid rows (1 = first), in the order given; rows without a
    // result are left out.
    QList<DatenblattAuftrag> datenblaetter(db::TDataModule1& dm, const QList<int>& rows) const;
    // Why the last search shows no row (empty when it shows one): no article of these
    // series has data for the refrigerant, every candidate lies outside its envelope at
    // this point, none is rateable, or all results are S versions hidden from -20 °C.
    // German source text; the window translates it.
    QString leerGrund() const;

private:
    DatenblattKontext kontext() const; // what a data sheet takes over from the search
    bool anyBox(std::initializer_list<Box> boxen) const;
    void gruppenRegel(const std::vector<std::vector<Box>>& gruppen, Box geklickt);
    void boxStill(Box b, bool an) { boxen_[static_cast<std::size_t>(b)] = an; }
    void kaeltemittelWaehlen(const QString& text);
    void aufGrenzenPruefen(Feld feld, QString& wert);
    void standardWerte();
    void inRecordSchreiben();
    SuchEingabe eingabeAusRecord() const;
    void sortierenUndZeigen();

    const calc::Einheiten& einheiten_;
    std::array<bool, SuchRec::BoxAnzahl> boxen_{};
    QString gemerkt_; // remembered refrigerant text, survives mode changes
    SuchRec rec_;
    QByteArray roh_;
    QString schreibGrund_;
    bool schreibFehlerGemeldet_ = false; // search.ini could not be written once already
    SuchEingabe eingabe_;
    Suchergebnis& ergebnis_;
    ErgebnisListe liste_;
    SortOption sortOption_ = SortOption::rbKaelte;
};

} // namespace drel::search
