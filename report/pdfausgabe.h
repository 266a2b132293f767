// PDF output without any printer.
#pragma once

#include <QString>

namespace drel::bericht {

class Bericht;

// Prepares the report and writes it to `pfad` as PDF with the report's title
// (fonts embedded). The file is replaced only once the whole document is on the
// disk; false with `fehler` (the file and the reason) when the report cannot be
// prepared or the file cannot be written, and an existing file then stays as it was.
bool pdfSchreiben(Bericht& bericht, const QString& pfad, QString& fehler);

} // namespace drel::bericht
