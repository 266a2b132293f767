// Filter texts of the data-set syntax, parsed once and evaluated per row.
#pragma once

#include "base/numberformat.h"
#include "db/value.h"

#include <memory>

namespace drel::db {

class Table;

class FilterExpression {
public:
    virtual ~FilterExpression() = default;
    virtual Value evaluate(const Row& row) const = 0;
};

// Parses a filter text; field names are resolved against the table without regard
// to case. Numbers may use "." or the given decimal separator. Throws DbError with
// the text and position on a syntax error or an unknown field.
std::unique_ptr<FilterExpression> parseFilter(const QString& text, const Table& table,
                                              const NumberSeparators& separators);
std::unique_ptr<FilterExpression> parseFilter(const QString& text, const Table& table);

// True when the expression holds for the row (null counts as false).
bool filterAccepts(const FilterExpression& expression, const Row& row);

} // namespace drel::db
