// Reports of the print code through the program's message sink. Kept in its own
// file: the sink's report() and the report engine's namespace share a name, so
// one file cannot include both.
#pragma once

#include <QString>

namespace drel::print {

void fehlerMelden(const QString& text);
void hinweisMelden(const QString& text);

} // namespace drel::print
