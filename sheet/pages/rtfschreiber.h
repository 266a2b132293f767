// Writes formatted lines as a small RTF document (the format the word processors
// open and base/rtftext.h reads back).
#pragma once

#include "sheet/pages/ausschreibung.h"

#include <QByteArray>

namespace drel::sheet {

// One paragraph per line, bold and underline per run, tabs as \tab, characters
// beyond ASCII as \uN escapes.
QByteArray rtfSchreiben(const QList<TextZeile>& zeilen);

} // namespace drel::sheet
