// The product browser without its window: what a click on a tree node, on the size
// list or on the type list shows, which articles a click opens, and which start
// picture belongs to the node under the mouse. TFrmMenue binds its widgets to it.
#pragma once

#include "calc/einheiten.h"
#include "db/recordhelpers.h"
#include "search/ergebnisliste.h"
#include "state/betriebspunkt.h"
#include "state/datenblattauftrag.h"

#include <QMetaType>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace drel::db {
class TDataModule1;
}

namespace drel {

// The articles a browser click opens on a data sheet: their designations with the
// article IDs beside them in the same order, the one to select first and the
// refrigerant the sheet starts with.
struct ArtikelAuswahl {
    QStringList typen;
    std::vector<qint32> ids;
    int index = 0; // 0-based into typen
    QString kaeltemittel;
    int gruppe = 0;
    bool lukoModus = false; // groups 55 and 57: condensing units with air-cooled condenser
};

// What opens the data sheet for a browser choice: the types and their article IDs, the
// chosen one shown, the refrigerant, and the program-wide operating point.
DatenblattAuftrag datenblattAuftrag(const ArtikelAuswahl& auswahl, const Betriebspunkt& punkt);

// A node of the series tree as the browser sees it.
struct BrowserKnoten {
    int gruppe = 0;
    int ebene = 0;
    bool hatKinder = false;
};

enum class KnotenAktion {
    Suche,      // the search node opens the search area
    Aufklappen, // a series family: only expand, start panel stays
    Liste,      // a series: its size list
};

enum class BrowserAnsicht { Start, Groessenliste, Typenliste };

// A click on a node sets the program's condensing-unit mode from the node's group, also
// before the product data are there.
void lukoModusSetzen(const BrowserKnoten& knoten);

inline constexpr int kListenSpalten = 7; // column 6 is always hidden
using ListenZeile = std::array<QString, kListenSpalten>;

// Indexes of the heading texts the window keeps (translated) in ListBox1.
enum Ueberschrift {
    AktuelleTypen = 0,
    Hubvolumen50Hz = 1,
    HubvKurz = 2,
    MotorKwPs = 3,
    Vorgaengertyp = 4,
    HubvolumenOffen = 5,
    Hubv = 6,
    LpHp = 7,
    HubraumCcm = 8,
};

class BrowserModell {
public:
    explicit BrowserModell(db::TDataModule1& dm);

    static KnotenAktion knotenAktion(const BrowserKnoten& knoten);
    // 23, 31, 32, 33, 38, 39, 51, 63, 66: sorted by BaugroesseN, own headings.
    static bool offeneVerdichter(int gruppe);
    static bool zweistufig(int gruppe) { return db::zweistufigeGruppe(gruppe); }
    static bool duplex(int gruppe) { return gruppe == 29 || gruppe == 30; }
    static bool fahrzeug(int gruppe) { return gruppe == 33 || gruppe == 66; }

    // The nine heading texts in the window's language; for Russian (7) the first "?"
    // of a heading stands for "3".
    void setUeberschriften(const QStringList& texte, int sprachNummer);
    // The language code that picks the description column and the LV text.
    void setSprachCode(const QString& code) { sprachCode_ = code; }
    void setProgrammVerzeichnis(const QString& verzeichnis) { programm_ = verzeichnis; }

    // A tree node was clicked (or the tree click is run again).
    KnotenAktion TV1Click(const BrowserKnoten& knoten);
    // Back button: the size list of the last series again.
    void RueckBtnClick();
    // A cell of the size or type list; a result means: open these articles.
    std::optional<ArtikelAuswahl> StringGrid1Click(int zeile, int spalte);
    // Type list of one size (size text as in column 0, blanks allowed).
    void typenlisteZeigen(QString groesse);
    // The articles of a designation or size text `d`, narrowed to the swept volume
    // (or displacement) range x − 0.09 … x when x is not 0; empty when none match
    // (keineDaten() then holds).
    std::optional<ArtikelAuswahl> ArtikelAnzeigen(const QString& d, double x);

    // The number a list cell shows: a leading "2x " removed, 0 for no number.
    static double zellenZahl(const QString& text);

    // State the window shows.
    BrowserAnsicht ansicht() const { return ansicht_; }
    int gruppe() const { return gruppe_; }
    bool linksbuendig() const { return linksbuendig_; }
    bool rueckSichtbar() const { return rueckSichtbar_; }
    // Panel4 with the LV note (its two lines are also Memo1's hint)
    bool lvHinweisSichtbar() const { return lvHinweis_; }
    bool kopfzeileSichtbar() const {
        return zweistufig(gruppe_) && ansicht_ != BrowserAnsicht::Start;
    }
    bool keineDaten() const { return keineDaten_; }
    const QString& label1() const { return label1_; }
    const QString& label2() const { return label2_; }
    const QString& label3() const { return label3_; }
    const QString& memo1() const { return memo1_; }
    const std::array<int, kListenSpalten>& breiten() const { return breiten_; }
    const std::vector<ListenZeile>& zeilen() const { return zeilen_; }

private:
    void groessenlisteZeigen();
    QString ueberschrift(int index) const;
    QString wertText(int artikelId, double hubvolumen, double hubraum) const;
    QString technischerWert(int artikelId, int beschreibungId) const;
    QString gruppenBeschreibung() const;
    QString lvText() const;

    db::TDataModule1& dm_;
    QStringList ueberschriften_;
    int sprachNummer_ = 1;
    QString sprachCode_ = QStringLiteral("De");
    QString programm_;

    BrowserKnoten knoten_;
    BrowserAnsicht ansicht_ = BrowserAnsicht::Start;
    int gruppe_ = 0;
    bool linksbuendig_ = false;
    bool rueckSichtbar_ = false;
    bool lvHinweis_ = false;
    bool keineDaten_ = false;
    QString label1_, label2_, label3_, memo1_;
    std::array<int, kListenSpalten> breiten_{};
    std::vector<ListenZeile> zeilen_;
};

// Cleans a series description for the text box: formatting tags removed, line-break
// tags as line breaks, stray line feeds dropped.
QString beschreibungBereinigen(const QString& html);

// The picture of the start panel for the node under the mouse.
class StartBildWahl {
public:
    struct Knoten {
        int id = -1; // any key that tells nodes apart
        int gruppe = 0;
        int ebene = 0;
        int ahnId = -1; // the level-0 ancestor (the node itself on level 0)
        int ahnGruppe = 0;
    };
    struct Ergebnis {
        bool geaendert = false; // false: leave the panel as it is
        bool bildGefunden = false;
        QString datei;     // a picture file, or empty
        QString eingebaut; // the built-in picture's name (Image1, Image5 ... Image8)
    };

    // `grossesBild` gives a group's large picture name from ProductGroups.
    StartBildWahl(QString programmVerzeichnis, std::function<QString(int)> grossesBild);

    Ergebnis TV1MouseMove(const Knoten* knoten);

    // The start picture file name of a group, empty when it has none.
    static QString startBildName(int gruppe, int ebene);
    static QString eingebautesBild(int gruppe);
    // Fits a picture into 457 × 319 keeping its aspect ratio.
    static QSize bildGroesse(QSize original);

private:
    QString bildDatei(const QString& name) const;

    QString programm_;
    std::function<QString(int)> grossesBild_;
    int letzter_ = -1;
    bool hatLetzten_ = false;
};

} // namespace drel
Q_DECLARE_METATYPE(drel::ArtikelAuswahl)
