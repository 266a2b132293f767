// A structural check of compiled translation files (.qm) before QTranslator sees them.
//
// QTranslator takes the offsets and lengths of a .qm file on trust: a file with a few
// flipped bytes makes a later lookup read far outside the file and crash. This check
// walks every table a lookup can reach and accepts the file only when each offset and
// length stays inside it.
#pragma once

#include <QByteArray>
#include <QString>

namespace drel::i18n {

// True when every lookup in `daten` stays inside the file; else false with the first
// fault in `grund`. Files that load other translation files are refused too.
bool qmPruefen(const QByteArray& daten, QString* grund = nullptr);

} // namespace drel::i18n
