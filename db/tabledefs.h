// The 24 product tables: file names, fields in file order, stored indexes.
#pragma once

#include "db/value.h"

#include <QStringView>
#include <vector>

namespace drel::db {

// All product tables in the order the database build writes them.
const std::vector<TableDef>& produktTabellen();

// The table with this name ("Articles") or file name ("Articles.cds"), without
// regard to letter case; nullptr when there is none.
const TableDef* tabelle(QStringView nameOrFileName);

} // namespace drel::db
