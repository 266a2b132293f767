// PDF output without any printer.
#pragma once

#include <QString>

namespace drel::bericht {

class Bericht;

// Prepares the report and writes it to `pfad` as PDF with the report's title
// (fonts embedded). False with `fehler` when the report cannot be prepared or
// the file cannot be written.
bool pdfSchreiben(Bericht& bericht, const QString& pfad, QString& fehler);

} // namespace drel::bericht
