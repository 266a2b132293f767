// The data sheet of one article as one document: the sheet model (type, refrigerant,
// operating point, rating, outputs, notes, diagram) and every page model (technical
// values, scope of delivery, accessories, dimensions, photo, performance table, tender
// text). The window, the print window and the printed report, and drel-cli are views
// of it, so that one point shows one number everywhere. No window is needed.
#pragma once

#include "chart/grenztest.h"
#include "sheet/herkunft.h"
#include "sheet/pages/ausschreibung.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/pages/masseseite.h"
#include "sheet/pages/technDaten.h"
#include "sheet/pages/textseite.h"
#include "sheet/pages/zertifikate.h"
#include "sheet/seprblatt.h"
#include "sheet/technikmodell.h"
#include "state/datenblattauftrag.h"

#include <limits>
#include <optional>

namespace drel::sheet {

// The quantities the sheet shows: its inputs as rated and its output fields.
// Rand is the envelope margin (K or R, one decimal).
enum class Groesse { t0, tc, tle, tsaug, tu, tue, f, n, Qo, QoE, P, I, COP, Qc, m, Rand };

// One value as the sheet shows it: the number in the user's unit, rounded as shown,
// the unit's text, the decimals, and what is special about it.
struct AnzeigeWert {
    double wert = std::numeric_limits<double>::quiet_NaN();
    QString einheit;
    int stellen = 2;
    bool berechenbar = false; // false: the sheet shows "-"
    bool geklemmt = false;    // an input the sheet moved into its limits before rating
    bool ausserhalb = false;  // the rated point lies outside the application envelope
};

// What the document is opened for: to be shown (the diagram is drawn at every
// recalculation) or only to compute its values (batch, comparison: no picture is drawn,
// the values and notes are the same).
enum class BlattModus { zeigen, nurRechnen };

class Datenblatt {
public:
    Datenblatt(db::TDataModule1& dm, fluid::TStoff& stoff, const calc::Einheiten& einheiten,
               BlattModus modus = BlattModus::zeigen);

    // Opens the order: the model takes it, selects and rates the article (FormShow),
    // and the pages are filled for it (not with `mitSeiten` false: a caller that shows
    // only the ratings spares the tables of the product pages).
    void oeffnen(const DatenblattAuftrag& auftrag, bool mitSeiten = true);

    TechnikModell& modell() { return modell_; }
    const TechnikModell& modell() const { return modell_; }
    db::TDataModule1& dm() const { return dm_; }
    fluid::TStoff& stoff() const { return stoff_; }
    const calc::Einheiten& einheiten() const { return einheiten_; }

    // ---- product pages of the article shown ----
    // Fills the pages when the article or the language changed since the last time
    // (a data fault is reported, the page stays empty).
    void seitenFuellen();
    const TechnDatenSeite& technDaten() const { return technDaten_; }
    const TextSeite& lieferumfang() const { return lieferumfang_; }
    const TextSeite& zubehoer() const { return zubehoer_; }
    const MasseSeite& masse() const { return masse_; }
    const FotoSeite& foto() const { return foto_; }
    // Which pages exist: the dimension and photo pages only with their picture.
    bool masseSichtbar() const { return masse_.seiteSichtbar(); }
    bool fotoSichtbar() const { return foto_.seiteSichtbar(); }

    // The certificates of the article for the refrigerant shown (logos and notes).
    const ZertListe& zertifikate() const { return zertifikate_; }
    // Picture of certificate logo `tag` (1..3); "" when it is missing.
    QString zertLogoPfad(int tag) const;
    // What the certificate note shows for logo `tag`; false for a tag without an entry.
    bool zertHinweis(int tag, ZertListe::Hinweis& h) const;
    // The rich-text file behind the output values' help icons, for the refrigerant shown.
    QString hilfeTextDatei() const;

    // ---- what the sheet shows, value by value ----
    AnzeigeWert wert(Groesse groesse) const;
    // Whether the rated point lies outside the envelope (a limit note is shown).
    bool ausserhalb() const;
    // The envelope margin of the rated point in K (chart::einsatzRand): NaN without a
    // rating or without a polygon that has an area.
    double einsatzRand(chart::RandPolygon* gemessen = nullptr) const;

    // ---- provenance and seasonal ratio ----
    // Catalogue build, rating basis of the capacity record, property model, version.
    Herkunft herkunft() const;
    // The SEPR of a condensing unit (gerechnet clear for others). It rates its own
    // points, so it is rated again only for another unit, refrigerant or condenser.
    const SeprBlatt& sepr() const;

    // ---- the tender text ----
    void ausschreibungErstellen(const AusschreibungsAuswahl& auswahl,
                                const AusschreibungsWerte& werte,
                                const TextBreite& breite = zeichenBreite);
    const Ausschreibung& ausschreibung() const { return ausschreibung_; }

    // ---- the performance table ----
    TabBereiche& bereiche() { return modell_.bereiche; }
    const TabBereiche& bereiche() const { return modell_.bereiche; }
    // "Berechnen": the table over the current ranges at the sheet's operating point.
    void tabelleBerechnen();
    const LeistungsTabelle& tabelle() const { return tabelle_; }
    // The table belongs to the sheet's last rating (no input changed since).
    bool tabelleAktuell() const {
        return tabelle_.zeilen() > 0 && tabelleBild_ == modell_.bildNummer();
    }
    // The table the printout shows: the sheet's own when current, else one over the
    // sheet's ranges (the sheet's own stays as it is).
    LeistungsTabelle tabelleZumDrucken() const;
    // Condensing-unit mode of the table: rows over the air inlet temperature.
    bool tabelleUeberLuft() const { return modell_.lukoModus(); }

    // The user switched °C and °F (the confirmed unit is already the new one).
    void einheitGewechselt(bool warFahrenheit);

    // Tab.ini, the table's ranges between sheets (a file that is missing, too large or
    // no regular file keeps the defaults; writing never replaces such a thing).
    void tabIniLesen(const QString& datei) { modell_.bereiche.lesen(datei); }
    bool tabIniSchreiben(const QString& datei) const { return modell_.bereiche.schreiben(datei); }

private:
    void tabelleRechnen(LeistungsTabelle& tabelle, TabBereiche& bereiche) const;

    db::TDataModule1& dm_;
    fluid::TStoff& stoff_;
    const calc::Einheiten& einheiten_;
    TechnikModell modell_;
    TechnDatenSeite technDaten_;
    TextSeite lieferumfang_{TextSeitenArt::Lieferumfang};
    TextSeite zubehoer_{TextSeitenArt::Zubehoer};
    MasseSeite masse_;
    FotoSeite foto_;
    ZertListe zertifikate_;
    Ausschreibung ausschreibung_;
    LeistungsTabelle tabelle_;
    int tabelleBild_ = -1;
    mutable chart::GrenzChart chart_; // the envelope test of the table's points
    mutable SeprBlatt sepr_;
    mutable QString seprFuer_; // article, data article, refrigerant and condenser rated
    QString seitenFuer_;       // article, refrigerant and language the pages were filled for
};

// "Abstand zur Einsatzgrenze: 12,5 K" in the program language and number format, or
// with "-" where there is no margin; the text the window, the printout and the lists
// show beside the diagram.
QString einsatzRandText(const Datenblatt& blatt);
// Only the number with its unit ("12,5 K", "-" without a margin).
QString einsatzRandZahl(const AnzeigeWert& rand);

// The order that opens one article at one point, as drel-cli gives it: the article by
// its ID or designation ("QNX2-22" also finds "QN2-22"), its type text for the
// refrigerant. Empty when no article has that ID or designation.
std::optional<DatenblattAuftrag> artikelAuftrag(db::TDataModule1& dm, const QString& artikel,
                                                const Betriebspunkt& punkt, bool luko);

} // namespace drel::sheet
