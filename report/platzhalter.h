// The placeholders a memo text may hold.
#pragma once

#include <QString>

namespace drel::bericht {

class Datenmenge;

// Replaces "[Field]" by the field's value in the current row; brackets that
// name no field of the set, and the page placeholders, stay as written.
QString felderEinsetzen(const QString& text, const Datenmenge& daten);

// Replaces "[Page#]" (1-based number of the printed page) and "[TotalPages#]"
// (printed pages of the report), without regard to letter case.
QString seitenzahlenEinsetzen(const QString& text, int seite, int seiten);

} // namespace drel::bericht
