// The letter on its own: one page with the letter frame (sender, date, person
// responsible, page number, recipient), the subject and the letter text. The
// print window prints it while no data sheet supplies a report.
#pragma once

#include "print/druckauswahl.h"
#include "report/bericht.h"

#include <memory>

namespace drel::print {

// Page `Page1` with the letter-frame objects of the first data-sheet page:
// `QRMemo1` sender, `QRLabel1` date, `QRLabel2` person responsible, `QRLabel10`
// page label with `Seitenzahl` "[Page#] / [TotalPages#]", `QRMemo2` recipient,
// `QRMemo3` subject, `QRMemo4` letter text (one printed row per line, so long
// letters break across pages) and `QRLabel5` the program name.
std::unique_ptr<bericht::Bericht> briefBericht(const Druckauswahl& auswahl);

} // namespace drel::print
