// The whole data sheet as open data: one JSON document (schema in
// data/schema/datenblatt.schema.json) with the inputs in SI and display units, every
// output with unit and flags, the notes, the performance table, the limit polygons,
// the technical values, the SEPR of condensing units and the provenance. drel-cli and
// the sheet window write it with the same function.
#pragma once

#include <QJsonObject>
#include <QString>

namespace drel {
struct Betriebspunkt;
}

namespace drel::sheet {

class Datenblatt;

// The version of the document's layout; a change that drops or renames a member
// raises it.
inline constexpr int kBlattJsonVersion = 1;

// `bestellt`: the point the order asked for (drel-cli); an input the sheet moved away
// from it is flagged clamped even where the sheet's field rules moved it before rating.
QJsonObject blattJson(const Datenblatt& blatt, const Betriebspunkt* bestellt = nullptr);

// Writes the document, indented, in UTF-8 ("-" = standard output); false with the
// reason when the file cannot be written.
bool blattJsonSchreiben(const Datenblatt& blatt, const QString& datei, QString* grund,
                        const Betriebspunkt* bestellt = nullptr);

} // namespace drel::sheet
