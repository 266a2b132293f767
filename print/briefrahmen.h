// The letter frame every printed page shares: the page header with sender, date,
// person responsible and page number, the recipient under it, the letter head
// (subject, letter text, type block) and the page footer. The letter and the
// data sheet build it under the object names of their pages.
#pragma once

#include "print/druckauswahl.h"
#include "report/einheiten.h"

#include <QFont>
#include <QString>
#include <array>

namespace drel::bericht {
class Band;
class Memo;
class Seite;
} // namespace drel::bericht

namespace drel::print {

// Usable width of a page between its margins (20 mm left, 15 mm right).
inline constexpr double kSeitenBreite = bericht::ausMm(175);
inline constexpr double kZeilenHoehe = bericht::ausMm(5);

// Names of the frame objects and bands of one page.
struct RahmenNamen {
    QString kopf;       // page header band
    QString absender;   // sender address
    QString datum;      // date
    QString zustaendig; // person responsible
    QString seitenLabel;
    QString seitenZahl; // "[Page#] / [TotalPages#]"
    QString linie;      // rule under the header
    QString empfaengerBand;
    QString empfaenger;
    // Letter head: subject, letter text and type block, each a child band.
    std::array<QString, 3> briefkopf;
    QString betreff;
    QString text;
    QString typ;
    QString kmLabel;
    QString km;
    QString logo;
    QString typLinie;
    QString fussBand;
    QString fussLinie;
    QString programm;  // "WUK 8.1 "
    QString fusszeile; // small, right-aligned
};

struct RahmenBaender {
    bericht::Band* kopf = nullptr;
    bericht::Band* empfaenger = nullptr;
    std::array<bericht::Band*, 3> briefkopf{}; // nullptr when the page has none
    bericht::Band* fuss = nullptr;
};

// Arial in `punkte` points.
QFont berichtSchrift(double punkte, bool fett = false);
// A memo one line high at the given place in the band.
bericht::Memo& berichtMemo(bericht::Band& band, const QString& name, double links, double oben,
                           double breite, const QFont& font);
// Sets the text and makes the memo as tall as its wrapped text, at least one line;
// returns the height.
double anpassen(bericht::Memo& memo, const QString& text);

// Builds the header, the recipient and the footer; the three letter-head bands
// only when `mitBriefkopf` (names in `briefkopf` and below). Texts stay empty:
// rahmenFuellen writes them.
RahmenBaender rahmenAnlegen(bericht::Seite& seite, const RahmenNamen& namen, bool mitBriefkopf);

// What the frame shows besides the letter data.
struct RahmenTexte {
    QString typ;
    QString kmLabel;
    QString km;
    QString fusszeile;
};

// Writes the letter data into the frame objects of a page and fits the heights of
// the bands to their texts.
void rahmenFuellen(bericht::Seite& seite, const RahmenNamen& namen, const Briefdaten& brief,
                   const RahmenTexte& texte);

} // namespace drel::print
