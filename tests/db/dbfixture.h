// Small tables written to a temporary folder for the cursor and data-module tests.
#pragma once

#include "db/tablefile.h"

#include <QTemporaryDir>

namespace drel::db::testing {

inline FieldDef intField(const char* name) {
    return {name, FieldType::Int32, 0};
}
inline FieldDef floatField(const char* name) {
    return {name, FieldType::Float64, 0};
}
inline FieldDef textField(const char* name, int size = 50) {
    return {name, FieldType::WStr, size};
}
inline FieldDef boolField(const char* name) {
    return {name, FieldType::Bool, 0};
}

inline Value i(qint32 v) {
    return v;
}
inline Value d(double v) {
    return v;
}
inline Value s(const char* v) {
    return QString::fromUtf8(v);
}

// Writes the table into dir and returns the file path.
inline QString writeTable(const QTemporaryDir& dir, const TableDef& def,
                          const std::vector<Row>& rows) {
    const QString path = dir.path() + "/" + def.fileName;
    writeTableFile(path, def, rows);
    return path;
}

} // namespace drel::db::testing
