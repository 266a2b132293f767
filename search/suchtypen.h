// The records the search engines share: the series selection, the refrigerant
// selection and the result table with its records.
#pragma once

#include "base/messagesink.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace drel::search {

// Which series check boxes are ticked; each flag is the box of the same name.
struct TypRec {
    bool RBLV = false;
    bool RBQL = false;
    bool RBQN = false;
    bool RB84 = false;
    bool rbQNT = false;
    bool RBEQL = false;
    bool RBEQN = false;
    bool RBW = false;
    bool RBWY = false;
    bool RBWT = false;
    bool RBWEY = false;
    bool RBCQLL = false;
    bool RBCQNL = false;
    bool RBCQLR = false;
    bool RBCQNR = false;
    bool verbundtoo = false;
};

// Refrigerants searched for: names 1 to Anzahl of at most six characters.
struct KMRec {
    int Anzahl = 0;
    std::array<QString, 10> Name; // Name[0] is name 1

    // Count 1 and the designation of a list item: the part before its comma ("R404A,
    // R507" -> "R404A"). The record once held six characters, which cut R1234ze(E)
    // and R1234yf to names that no longer match their capacity records.
    static KMRec ausListenEintrag(const QString& eintrag);
};

// Upper case with every blank removed: the form in which the search compares
// type names, type texts and refrigerant names.
QString normalisiert(const QString& text);
// Removes the first "X" (type texts and type names are compared without it).
QString ohneErstesX(QString text);
// Whether a normalised refrigerant name matches the selection: name 1 contains
// "ALL" or one of the selected names contains it. An empty name never matches.
bool kaeltemittelPasst(const KMRec& km, const QString& kaeltemittel);

// Qo to a multiple of 0.05 kW, halves to even (12.375 -> 12.40, 12.325 -> 12.30).
double qoRunden(double qo);
// Two decimals as the text "0.00" shows them (halves away from zero, decided on the
// shortest decimal form) and reads back; 0 for a value that is no number.
double zweiStellen(double wert);

// One result of a search.
struct VdSatz {
    int Durchlauf = 0;   // loop pass (or unit list entry) that produced the result
    int Durchlauf2 = 0;  // the same pass again; 0 for condensing units
    int KondIndex = 0;   // condenser list entry of a condensing unit, else 0
    double Anzahl = 1.0; // number of compressors
    double t0 = 0.0;     // °C
    double tc = 0.0;     // °C (air inlet temperature for condensing units)
    double n = 1450.0;
    double Hubvolumen = 0.0; // m³/h
    double Qo = 0.0;         // kW
    double Sortier = 0.0;    // sort key of the result list
    QString Zeile;           // fixed-column summary line, at most 60 characters
    QString Typ;
    QString TypUmgekehrt;
    QString Kaeltemittel;
    qint32 ArtikelID = 0;
    qint32 BasisArtikel = 0;
    double P = 0.0;     // kW
    double I = 0.0;     // A
    int GridZeile = -1; // row of the result list, -1 when not shown
    // Envelope margin in K of the listed point (chart::einsatzRand), NaN without one.
    double Rand = std::numeric_limits<double>::quiet_NaN();
};

// The shared result table: entries 1 to anzahl() hold results, entry 0 stays
// unused (the first row is 1). It starts with room for 500 results and grows
// when a search finds more, so nothing is cut off.
class Suchergebnis {
public:
    static constexpr int kStartGroesse = 500;

    Suchergebnis();

    // What the engines saw on the way to the results, so that an empty list can say
    // why: candidates of the ticked series with the selected refrigerant, and of
    // those the ones whose limits hold the operating point.
    struct Zaehler {
        int passend = 0;
        int imBereich = 0;
    };

    int anzahl() const { return anzahl_; }
    void leeren() {
        anzahl_ = 0;
        zaehler = {};
    }
    Zaehler zaehler;
    // The next free entry (reset to a fresh record); the count grows by one.
    VdSatz& anhaengen();

    VdSatz& operator[](int i) { return vd_[slot(i)]; }
    const VdSatz& operator[](int i) const { return vd_[slot(i)]; }

    // Selection sort of entries 1..anzahl ascending by the key: for each position the
    // first entry with the smallest key among the rest is exchanged with it. The same
    // order, ties included, is found in O(n log n).
    void auswahlSortieren(const std::function<double(const VdSatz&)>& schluessel);
    void nachQoSortieren();

private:
    std::size_t slot(int i) const {
        return static_cast<std::size_t>(slot_[static_cast<std::size_t>(i)]);
    }

    // Entries stay in the slots they were appended to; sorting reorders only the slot
    // numbers. Slots 1..anzahl are a permutation of 1..anzahl, so slot anzahl + 1 is free.
    std::vector<VdSatz> vd_;
    std::vector<int> slot_;
    int anzahl_ = 0;
};

} // namespace drel::search
