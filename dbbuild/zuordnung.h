// Field mappings of the database build: which XML element fills which table field,
// with the type code that decides how the element's text is converted.
#pragma once

#include "db/value.h"

#include <vector>

namespace drel::dbbuild {

// Type codes of a mapping entry.
enum TypCode : int {
    kTypText = 1,      // wstr(size): the text unchanged
    kTypInt = 2,       // int32
    kTypFloat = 3,     // float64
    kTypLangText = 4,  // long text, size 2000
    kTypZeitpunkt = 5, // timestamp 2006-05-31T14:07:09
    kTypBool = 6,      // "TRUE" in any case
};

// The few value rewrites of the build, bound to single entries.
enum class Umschreibung {
    Keine,
    Produktgruppe,     // remember the record's group
    Bezeichnung1,      // cut before the last blank for groups 23 and 26
    BaugroesseNH3,     // append " NH3" for groups 51 and 63
    ErsteZiffernfolge, // first run of digits
    SpannungSternZuY,  // every "S" becomes "Y"
};

struct ZuordnungEintrag {
    QString feld;
    int typCode = kTypText;
    int groesse = 0;
    QString element; // XML element name, compared without regard to case
    Umschreibung umschreibung = Umschreibung::Keine;
};

using DBZuordnung = std::vector<ZuordnungEintrag>;

// One step of the build: table file, export file and the mapping between them.
struct BauSchritt {
    QString tabellenDatei; // "Articles.cds"
    QString xmlDatei;      // "Articles.xml"
    DBZuordnung zuordnung;
    db::TableDef definition; // fields in entry order plus the stored index
};

// The 24 steps in build order.
std::vector<BauSchritt> dbZuordnungErstellen();

int typCodeFuer(db::FieldType type);
db::FieldType feldTypFuer(int typCode);

// The table definition a mapping creates: one field per entry in entry order
// (size 2000 for long text), with the given stored index.
db::TableDef definitionAusZuordnung(const QString& name, const DBZuordnung& zuordnung,
                                    const std::optional<db::IndexDef>& index);

} // namespace drel::dbbuild
