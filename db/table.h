// A table held in memory: its definition and all rows, loaded completely.
#pragma once

#include "db/value.h"

#include <QAnyStringView>
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
    // Looks up without allocating: it runs for every field access by name.
    int fieldIndex(QAnyStringView name) const;

private:
    TableDef def_;
    std::vector<Row> rows_;
    std::vector<std::pair<QString, int>> byName_; // sorted without regard to case
};

using TablePtr = std::shared_ptr<const Table>;

} // namespace drel::db
