// Output of a prepared report page by page on a paged device: PDF writer or
// printer. One path for PDF, printer and preview.
#pragma once

#include <QString>

class QPagedPaintDevice;

namespace drel::bericht {

class Bericht;

// Paints every prepared page on `geraet`, setting each page's paper size and
// zero margins (a printer must be in full-page mode). False with `fehler`
// when the device cannot be opened.
bool seitenAusgeben(const Bericht& bericht, QPagedPaintDevice& geraet, QString& fehler);

} // namespace drel::bericht
