// The comparison printed on one page: title and operating point, the table of values
// with the differences to the first article, the overlaid envelopes and the notes.
// The window's print and PDF and `drel-cli compare --pdf` use this one report.
#pragma once

#include "report/bericht.h"

#include <memory>

namespace drel::calc {
class Einheiten;
}
namespace drel::sheet {
class Vergleich;
}

namespace drel::print {

// Builds the filled report (page `Vergleich`); the comparison may go after this.
std::unique_ptr<bericht::Bericht> vergleichsBerichtAnlegen(const sheet::Vergleich& vergleich,
                                                           const calc::Einheiten& einheiten);

} // namespace drel::print
