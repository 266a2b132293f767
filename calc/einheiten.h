// Units of measure: the user's choice for capacities, drive powers and
// temperatures, its file units.dat, the display conversions and the converters.
#pragma once

#include <QString>

class QObject;

namespace drel::calc {

enum class EinheitGruppe { Leistung, Antrieb, Temperatur };

// Exact factors from kW.
inline constexpr double kBtuProKw = 3413.0;
inline constexpr double kTonProKw = 0.2846;
inline constexpr double kKcalProKw = 859.85;
inline constexpr double kHpProKw = 1.3411;
inline constexpr double kPsProKw = 1.36;

class Einheiten {
public:
    // Captions of the radio buttons, by index.
    static QString caption(EinheitGruppe gruppe, int index);
    static int anzahl(EinheitGruppe gruppe);

    // A click on a radio button: sets the working index and caption of the group.
    void klick(EinheitGruppe gruppe, int index);
    // Whether a radio button of the group is checked.
    bool gewaehlt(EinheitGruppe gruppe) const;
    int index(EinheitGruppe gruppe) const;      // working
    int bestaetigt(EinheitGruppe gruppe) const; // confirmed
    QString text(EinheitGruppe gruppe) const;   // working caption
    void bestaetigen();                         // confirmed := working
    // Cancel: checks the default of every group without a checked button and
    // returns whether any was needed (then the caller confirms as with OK).
    bool standardFuerLeereGruppen();

    // units.dat: three lines of decimal integers (CR LF). A missing or unreadable
    // file, or a line that is no index of its group, leaves that group unchecked.
    void laden(const QString& pfad);
    // Writes units.dat atomically; a failure is reported with file and reason (false).
    bool speichern(const QString& pfad) const;

    // Display conversions on the working choice; an index outside the table gives 0.
    double TempAnzeige(double celsius) const;
    double TempIntern(double anzeige) const;
    double DiffAnzeige(double kelvin) const;
    double DiffIntern(double anzeige) const;
    double LeistungAnzeige(double kw) const;
    double LeistungIntern(double anzeige) const;
    double AntriebAnzeige(double kw) const;
    QString TempEinheitText() const;

private:
    struct Wahl {
        int index = 0;
        int bestaetigt = 0;
        bool gewaehlt = false;
        QString text;
    };
    Wahl& wahl(EinheitGruppe gruppe);
    const Wahl& wahl(EinheitGruppe gruppe) const;

    Wahl leistung_;
    Wahl antrieb_;
    Wahl temperatur_;
};

// The program-wide unit choice.
Einheiten& einheiten();

// Labels (objects that inherit QLabel) with the dynamic property "tag": 3 gets the
// capacity caption, 4 the power caption, 5 "°C"/"°F", 6 "K"/"R".
void EinhLabelsSetzen(QObject* fenster, const Einheiten& einheiten);

// The converter service of the units window, as functions over its field texts.
// Called with a sender (a key or button on the panel) the combo box is set to kW,
// otherwise to the working unit; the edit's value is read in the combo's unit.
struct Q0Umrechnung {
    QString ComboQ0;
    QString Edit1, Edit2, Edit3, Edit4; // kW, Btu/h, ton, kcal/h
    QString Edit9;                      // in the working capacity unit
};
Q0Umrechnung CalcQ0(const Einheiten& e, const QString& editQ0, bool mitSender);

struct PeUmrechnung {
    QString ComboPe;
    QString Edit11, Edit13, Edit15; // kW, HP, PS
    QString Edit10;                 // in the working power unit
};
PeUmrechnung CalcPe(const Einheiten& e, const QString& editPe, bool mitSender);

struct TUmrechnung {
    QString Edit16, Edit17; // °C, °F
};
TUmrechnung CalcT(const QString& editT, const QString& comboT);

} // namespace drel::calc
