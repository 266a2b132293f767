// Pictures of the sample catalogue, drawn with QPainter: start pictures of the
// browser, group pictures, product photos, dimension drawings and certificate logos.
#pragma once

#include "tools/catalogue/katalog.h"

namespace drel::katalog {

// Start pictures of the product browser by file name.
const QStringList& startbildNamen();

void bilderSchreiben(const Katalog& k, const QString& verzeichnis);

} // namespace drel::katalog
