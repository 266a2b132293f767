#include "sheet/pages/spaltentext.h"

#include "db/cursor.h"
#include "db/errorboundary.h"
#include "sheet/pages/htmlzutext.h"

namespace drel::sheet {

QString feldText(const db::Cursor& c, const QString& feld, const QString& sprachCode) {
    if (!c.active() || c.eof() || c.isEmpty() || !c.hasField(feld))
        return {};
    return HtmlZuText(c.asString(feld), sprachCode);
}

QString textSpalte(const db::Cursor& c, const QString& stamm, const QString& sprachCode) {
    const QString mitSprache = stamm + sprachCode;
    if (c.hasField(mitSprache))
        return feldText(c, mitSprache, sprachCode);
    return feldText(c, stamm, sprachCode);
}

bool oeffnen(db::Cursor& c) {
    if (c.active())
        return true;
    return db::runReported([&] { c.open(); });
}

} // namespace drel::sheet
