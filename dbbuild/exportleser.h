// Reads one XML export of the product database into rows of a mapping.
#pragma once

#include "dbbuild/wertebereiche.h"
#include "dbbuild/zuordnung.h"

#include <QByteArray>
#include <functional>

namespace drel::dbbuild {

// Converts an element text by the entry's type code. A text that is no value of the
// type gives null, except for bool (false) and the text codes (cut to the size).
db::Value wertUmwandeln(const ZuordnungEintrag& eintrag, const QString& text);

// The same for the build: an empty numeric text is null, while a numeric text that is
// no number, not finite or outside the field's plausible range gives null and sets
// `grund` to the reason (empty otherwise).
db::Value wertLesen(const ZuordnungEintrag& eintrag, const QString& text, QString& grund);
// The same with the field's range already looked up (wertebereichFuer).
db::Value wertLesen(const ZuordnungEintrag& eintrag, const QString& text, QString& grund,
                    const Wertebereich& bereich);

// The first run of consecutive digits 0-9 of a text; empty when there is none.
QString ersteZiffernfolge(const QString& text);

using ZeilenZiel = std::function<void(const db::Row&)>;

// Parses an export held in memory (in the encoding it declares) and hands each record
// (every element child of the root after the first, which carries the schema) to
// `ziel` as one row of the mapping; a root without children gives no rows. Throws
// DbError naming `dateiName` and the place when the XML cannot be decoded or parsed,
// and with line, record number, record ID and field when a value is refused.
void exportLesen(const QByteArray& xml, const QString& dateiName, const DBZuordnung& zuordnung,
                 const ZeilenZiel& ziel);

// Reads the export file from disk; a missing or unreadable file throws DbError.
void exportDateiLesen(const QString& pfad, const DBZuordnung& zuordnung, const ZeilenZiel& ziel);

} // namespace drel::dbbuild
