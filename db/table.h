// A table held in memory: its definition and all rows, loaded completely.
#pragma once

#include "db/value.h"

#include <QHash>
#include <memory>

namespace drel::db {

class Table {
public:
    Table(TableDef def, std::vector<Row> rows);

    const TableDef& def() const { return def_; }
    const std::vector<Row>& rows() const { return rows_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int fieldCount() const { return static_cast<int>(def_.fields.size()); }

    // Position of a field without regard to letter case, -1 when there is none.
    int fieldIndex(QStringView name) const;

private:
    TableDef def_;
    std::vector<Row> rows_;
    QHash<QString, int> byLowerName_;
};

using TablePtr = std::shared_ptr<const Table>;

} // namespace drel::db
