#include "db/table.h"

namespace drel::db {

Table::Table(TableDef def, std::vector<Row> rows) : def_(std::move(def)), rows_(std::move(rows)) {
    for (size_t i = 0; i < def_.fields.size(); ++i)
        byLowerName_.insert(def_.fields[i].name.toLower(), static_cast<int>(i));
}

int Table::fieldIndex(QStringView name) const {
    return byLowerName_.value(name.toString().toLower(), -1);
}

} // namespace drel::db
