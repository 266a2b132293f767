// Errors of the print code through the program's message sink.
#pragma once

#include <QString>

namespace drel::print {

void fehlerMelden(const QString& text);

} // namespace drel::print
