// Reports of the print code through the program's message sink, as errors or hints.
#pragma once

#include <QString>

namespace drel::print {

void fehlerMelden(const QString& text);
void hinweisMelden(const QString& text);

} // namespace drel::print
