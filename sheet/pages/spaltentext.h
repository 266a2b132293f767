// Reading the per-language text columns of the product tables for the data-sheet pages.
#pragma once

#include <QString>

namespace drel::db {
class Cursor;
}

namespace drel::sheet {

// Text column `stamm` + language code of the current row, through HtmlZuText. A
// table without the suffixed column (the English texts of some tables carry no
// suffix, some units exist once) gives the column `stamm`; neither gives "".
QString textSpalte(const db::Cursor& c, const QString& stamm, const QString& sprachCode);
// A plain field through HtmlZuText, "" when the table lacks it or the row is null.
QString feldText(const db::Cursor& c, const QString& feld, const QString& sprachCode);
// Opens a cursor that is closed; false (reported through the message sink) when it
// cannot be opened.
bool oeffnen(db::Cursor& c);

} // namespace drel::sheet
