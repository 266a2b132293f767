// The catalogue's texts in the eight languages beyond German and English. They are
// kept in uebersetzungen.tsv beside the generator, one row per English text, so that
// a translator edits one table instead of the generator's code.
#pragma once

#include "tools/catalogue/exportschreiber.h"

#include <QStringList>

namespace drel::katalog {

// The English text in the ten languages (Text10 order) with the given German text.
// A text the table lacks keeps English in the other columns and is listed by
// fehlendeUebersetzungen(); the generator fails on such texts. The empty text
// stays empty everywhere.
Text10 uebersetzt(const QString& de, const QString& en);

// The English texts asked for so far that the table lacks, sorted.
QStringList fehlendeUebersetzungen();

} // namespace drel::katalog
