// Record helpers over the current rows of the data-module cursors. They keep no
// state of their own; those that move cursors say so.
#pragma once

#include "base/grenzpolygon.h"
#include "db/cursor.h"
#include "db/lukotabelle.h"

#include <array>
#include <optional>

namespace drel::db {

class TDataModule1;

using drel::GrenzPolygon;
using drel::GrenzPunkt;

// EN 12900 coefficients: Qo[1..10], P[1..10], I[1..4] (index 0 unused).
struct KoeffSatz {
    std::array<long double, 11> Qo{};
    std::array<long double, 11> P{};
    std::array<long double, 5> I{};
};

// Reads polygon n (1 = KoordBlau, 2 = KoordStrich, 3 = KoordRot) of the capacity
// cursor's current row; an all-zero polygon 2 stands for polygon 1. The stored points
// 1 to 10 become punkte[0] to punkte[9].
void GrenzenLesen(const Cursor& leistung, int n, GrenzPolygon& polygon);

void KoeffizientenLesen(const Cursor& leistung, const Cursor& motor, KoeffSatz& satz);

// Series kind from Produktgruppe; the values are the stored kind codes.
enum class Baureihe : int {
    Keine = 0,         // every group not listed
    QL = 3,            // air-cooled semi-hermetic QL (single, sets, condensing units)
    QN = 4,            // suction-gas-cooled semi-hermetic QN
    W = 5,             // open compressors W (also NH3)
    WZweistufig = 6,   // W two-stage
    WY = 7,            // vehicle compressors WY
    QLDuplex = 14,     // QL duplex
    QNDuplex = 15,     // QN duplex
    QNZweistufig = 16, // QN two-stage
    Gruppe64 = 17,     // product group 64
    LV = 18,           // open motor compressors LV
};

// Open compressors rated by drive power and torque (kinds 5, 6 and 7).
bool offenerVerdichter(Baureihe art);

// Product groups by what the program does with them (the group numbers are the maker's).
// Two-stage compressors with an intermediate cooler (WT 23, QNT 26): their type text
// names the refrigerant, the subcooling is not an input and tFUA is shown.
constexpr bool zweistufigeGruppe(int gruppe) {
    return gruppe == 23 || gruppe == 26;
}
// The QNT group chooses its frequency from a list (50 or 60 Hz) instead of a field.
constexpr bool frequenzAuswahlGruppe(int gruppe) {
    return gruppe == 26;
}
// Condensing units with an air-cooled condenser (55, 57): rated over the air inlet
// temperature; the browser and the search switch to condensing-unit mode for them.
constexpr bool lukoGruppe(int gruppe) {
    return gruppe == 55 || gruppe == 57;
}

// The big picture of a product group (GrossesBild of the group table); empty when the
// group or the table is missing.
QString grossesGruppenBild(TDataModule1& dm, int gruppe);

// Series kind and set kind 0 or 9 to 13 from Produktgruppe of the current row.
Baureihe BaureihenArt(const Cursor& artikel);
int Produktgruppe(const Cursor& artikel);
// ID and Hubvolumen of the current article, read from the table's columns as the
// group is (0 without a current row).
qint32 ArtikelNummer(const Cursor& artikel);
double Hubvolumen(const Cursor& artikel);
// Bezeichnung1 and Basisartikel of the current article from the table's text
// columns, as asString reads them (empty without a current row).
QString Bezeichnung1(const Cursor& artikel);
QString BasisartikelText(const Cursor& artikel);

// Asks the processor to fetch the numbers of the current capacity record (envelope
// and coefficients) while other fields are read: over a large catalogue they lie
// outside its cache. Converts the row if it is read for the first time.
void LeistungVorladen(const Cursor& leistung);
// The same for the fields a search reads of an article (group, data flag, article ID,
// swept volume, type name) in the given table row of the article cursor, a few rows
// before the search reaches it; nothing for a row of -1.
void ArtikelVorladen(const Cursor& artikel, int tabellenZeile);

// The rating basis of the current capacity record: a suction gas temperature (°C) or,
// without the flag, a superheat (K) over t0.
struct SauggasBemessung {
    double wert = 0.0;
    bool temperatur = false;
};
SauggasBemessung SauggasLesen(const Cursor& leistung);
// KaeltemittelID of the current capacity record as a number (0 when empty), from the
// table's column; nothing when the cursor has no current row.
std::optional<double> KaeltemittelSchluessel(const Cursor& leistung);
Baureihe BaureihenArtVonGruppe(int gruppe);
int SatzArt(const Cursor& artikel);
int SatzArtVonGruppe(int gruppe);

// "X" before the first digit 1..9 (from the second character on) unless the
// refrigerant is R22 or R717 (TypBezeichnung), or only for them (…Umgekehrt).
QString typMitX(const QString& bezeichnung, const QString& kaeltemittel);
QString typMitXUmgekehrt(const QString& bezeichnung, const QString& kaeltemittel);
// On the data module: article cursor = prefix + "TBArtikel", refrigerant of TBKMittelS.
QString TypBezeichnung(TDataModule1& dm, const QString& prefix);
QString TypBezeichnungUmgekehrt(TDataModule1& dm, const QString& prefix);

// Speed limits of an article (calculated fields nGrmin and nGrmax).
struct DrehzahlGrenzen {
    qint32 min = 1450;
    qint32 max = 1740;
};
DrehzahlGrenzen drehzahlGrenzenVon(int gruppe, const QString& d);
// For the current row of the article cursor; d from TypBezeichnung with the
// refrigerant of the current row of `kaeltemittel` (TBKMittelS).
DrehzahlGrenzen drehzahlGrenzen(const Cursor& artikel, const Cursor& kaeltemittel);

// Calculated BasisID of STBArtikel: Basisartikel as a number, 0 when it is none.
qint32 basisId(const Cursor& artikel);

// The article whose capacity data rate the current article: its Basisartikel when
// that is set (not empty, not "0") and UseBaseArticleWukData is set, else 0 (its own).
qint32 datenArtikelId(const Cursor& artikel);

// Moves TBArtikel to the article and TBLeistung to the row of the refrigerant
// (past its end when the article has none).
void KaeltemittelPositionieren(TDataModule1& dm, const QString& kaeltemittel, qint32 artikelId);

// Entry number (from 1) for the current condenser row and refrigerant; 1 when none.
int LukoIndexArtikel(TDataModule1& dm, const LukoTabelle& tabelle);
int LukoIndex(TDataModule1& dm, const LukoTabelle& tabelle, qint32 kondensatorId);

} // namespace drel::db
