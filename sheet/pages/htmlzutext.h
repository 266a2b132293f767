// The markup of the product texts turned into plain text for display and print.
#pragma once

#include "state/sprache.h"

#include <QString>

namespace drel::sheet {

// HtmlZuText: strips <P …> and <FONT …> tags, turns <BR>, <BR /> and <P> into line
// breaks, <\N> into two blanks, drops bold/strong tags, "</P>" and pairs of double
// quotes, maps two mangled superscripts for Russian, and removes line feeds that no
// carriage return precedes. The replacements run in a fixed order (a later one sees
// what an earlier one produced); searches ignore letter case.
QString HtmlZuText(const QString& text, const QString& sprachCode = sprache().code);

} // namespace drel::sheet
