// The object names of the printed data sheet's pages, as its report definition gives
// them: each page's frame, the performance rows and the order of the letter head.
#pragma once

#include "print/briefrahmen.h"
#include "print/druckauswahl.h"
#include "report/band.h"

#include <array>

namespace drel::print::blattdefinition {

// The names of one page's frame, as the report definition gives them.
struct SeitenDefinition {
    Abschnitt abschnitt;
    const char* titel;
    const char* absender;
    const char* datum;
    const char* zustaendig;
    const char* seitenLabel;
    const char* empfaenger;
    const char* betreff;
    const char* text;
    const char* typ;
    const char* kmLabel;
    const char* km;
    const char* programm;
    const char* fusszeile;
    std::array<const char*, 3> briefkopf;
};

inline constexpr SeitenDefinition kSeiten[kAbschnittAnzahl] = {
    {Abschnitt::Leistungsdaten,
     "QRLabel60",
     "QRMemo1",
     "QRLabel1",
     "QRLabel2",
     "QRLabel10",
     "QRMemo2",
     "QRMemo3",
     "QRMemo4",
     "QRLabel8",
     "QRLabel16",
     "QRLabel39",
     "QRLabel5",
     "QRLabel4",
     {"Child2", "Child3", "Child7"}},
    {Abschnitt::TechnischeDaten,
     "Memo17",
     "Memo4",
     "Memo5",
     "Memo6",
     "Memo7",
     "Memo15",
     "Memo16",
     "Memo18",
     "Memo8",
     "Memo9",
     "Memo10",
     "Memo11",
     "Memo21",
     {"Child4", "Child5", "Child6"}},
    {Abschnitt::Einsatzgrenzen,
     "Memo38",
     "Memo24",
     "Memo25",
     "Memo26",
     "Memo27",
     "Memo31",
     "Memo32",
     "Memo33",
     "Memo34",
     "Memo35",
     "Memo36",
     "Memo37",
     "Memo39",
     {"Child8", "Child9", "Child10"}},
    {Abschnitt::Lieferumfang,
     "Memo57",
     "Memo43",
     "Memo44",
     "Memo45",
     "Memo46",
     "Memo50",
     "Memo51",
     "Memo52",
     "Memo53",
     "Memo54",
     "Memo55",
     "Memo56",
     "Memo58",
     {"Child12", "Child13", "Child14"}},
    {Abschnitt::Zubehoer,
     "Memo74",
     "Memo60",
     "Memo61",
     "Memo62",
     "Memo63",
     "Memo67",
     "Memo68",
     "Memo69",
     "Memo70",
     "Memo71",
     "Memo72",
     "Memo73",
     "Memo75",
     {"Child16", "Child17", "Child18"}},
    {Abschnitt::Masse,
     "Memo108",
     "Memo93",
     "Memo94",
     "Memo96",
     "Memo97",
     "Memo101",
     "Memo102",
     "Memo103",
     "Memo104",
     "Memo105",
     "Memo106",
     "Memo107",
     "Memo109",
     {"Child24", "Child25", "Child26"}},
    {Abschnitt::Produktfoto,
     "Memo91",
     "Memo77",
     "Memo78",
     "Memo79",
     "Memo80",
     "Memo84",
     "Memo85",
     "Memo86",
     "Memo87",
     "Memo88",
     "Memo89",
     "Memo90",
     "Memo92",
     {"Child20", "Child21", "Child22"}},
    {Abschnitt::TabelleLeistung,
     "Memo129",
     "Memo115",
     "Memo116",
     "Memo117",
     "Memo118",
     "Memo122",
     "Memo123",
     "Memo124",
     "Memo125",
     "Memo126",
     "Memo127",
     "Memo128",
     "Memo130",
     {"Child30", "Child31", "Child32"}},
};

// Label, value and unit objects of the performance rows.
struct ZeilenNamen {
    const char* label;
    const char* wert;
    const char* einheit;
};
inline constexpr ZeilenNamen kLinks[8] = {
    {"QRLabel11", "QRLabel38", "QRLabel28"}, {"QRLabel15", "QRLabel40", "QRLabel29"},
    {"QRLabel14", "QRLabel41", "QRLabel30"}, {"QRLabel13", "QRLabel6", "QRLabel31"},
    {"QRLabel20", "QRLabel42", "QRLabel32"}, {"QRLabel19", "QRLabel43", "QRLabel33"},
    {"QRLabel18", "QRLabel44", "QRLabel34"}, {"QRLabel12", "QRLabel27", "QRLabel35"},
};
inline constexpr ZeilenNamen kRechts[8] = {
    {"QRLabel26", "QRLabel50", "QRLabel36"}, {"QRLabel25", "QRLabel49", "QRLabel37"},
    {"QRLabel23", "QRLabel48", "QRLabel51"}, {"QRLabel22", "QRLabel47", "QRLabel52"},
    {"QRLabel21", "QRLabel46", "QRLabel54"}, {"QRLabel17", "QRLabel45", "QRLabel53"},
    {"QRLabel7", "QRLabel24", "QRLabel55"},  {"Memo59", "Memo135", "Memo146"},
};
inline constexpr ZeilenNamen kBedingungen[3] = {
    {"Memo136", "Memo140", "Memo141"},
    {"Memo142", "Memo144", "Memo137"},
    {"Memo143", "Memo145", "Memo138"},
};

// Page order of the letter head: a page carries it when no earlier one prints.
inline constexpr Abschnitt kReihenfolge[kAbschnittAnzahl] = {
    Abschnitt::Leistungsdaten, Abschnitt::TechnischeDaten, Abschnitt::Einsatzgrenzen,
    Abschnitt::Lieferumfang,   Abschnitt::Zubehoer,        Abschnitt::Masse,
    Abschnitt::Produktfoto,    Abschnitt::TabelleLeistung,
};

// A data band grows with the tallest text of its row.
void zeilenHoeheAnpassen(bericht::Band& band);
// The frame of a page by its definition.
RahmenNamen rahmenNamen(const SeitenDefinition& d);

} // namespace drel::print::blattdefinition
