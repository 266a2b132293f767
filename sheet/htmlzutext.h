// The markup conversion every product text passes before it is shown or printed:
// formatting tags removed, line-break tags turned into CR LF, stray line feeds dropped.
#pragma once

#include <QString>

namespace drel::sheet {

// `sprachCode` is the two-letter language code ("Ru" repairs two unit texts).
QString HtmlZuText(const QString& text, const QString& sprachCode = QString());

} // namespace drel::sheet
