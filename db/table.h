// A table held in memory: its definition and all rows, loaded completely.
#pragma once

#include "db/value.h"

#include <QAnyStringView>
#include <array>
#include <memory>
#include <vector>

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

    // The cells of a row as toDouble reads them, side by side. A record's coefficients
    // and polygons then lie in a few cache lines instead of a row of variants, and the
    // rows lie one after the other in table order, so that a search over a large
    // catalogue reads them as one stream. Each row is converted at its first use;
    // `row` must be a valid row.
    const double* zahlen(int row) const;

    // One field of every row as toDouble reads it, in table order, converted at its
    // first use. A check that asks the same field of every row (the search asks each
    // article its group) then reads 8 bytes per row, not a cache line of the row.
    // `field` must be a valid field position.
    const double* spalte(int field) const;

    // One field of every row as toString reads it, in table order, converted at its
    // first use. The texts are copies made one after the other, so that they lie
    // together in memory as the column does; the loaded texts lie among all the other
    // cells of their rows. `field` must be a valid field position.
    const QString* texte(int field) const;

private:
    int lookupUncached(QAnyStringView name) const;

    TableDef def_;
    std::vector<Row> rows_;
    // Room for every row, reserved at the first use and filled row by row: a rating
    // converts (and the system maps) only the few rows it reads.
    mutable std::unique_ptr<double[]> zahlen_;
    mutable std::vector<bool> umgewandelt_;
    mutable std::vector<std::unique_ptr<double[]>> spalten_; // by field position
    mutable std::vector<std::unique_ptr<QString[]>> texte_;  // by field position
    std::vector<std::pair<QString, int>> byName_;            // sorted without regard to case

    // The names a program asks for are a few dozen literals, asked for again and again
    // (the search reads the same fields of hundreds of rows). A small cache keeps each
    // spelling as asked with its position; a hit is confirmed on the text itself.
    struct Gemerkt {
        QString name;
        int index = -1;
    };
    static constexpr std::size_t kCacheSlots = 64;
    mutable std::array<Gemerkt, kCacheSlots> cache_;
};

using TablePtr = std::shared_ptr<const Table>;

} // namespace drel::db
