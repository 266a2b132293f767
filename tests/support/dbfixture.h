// Small tables written to a temporary folder for the cursor and data-module tests.
#pragma once

#include "db/tabledefs.h"
#include "db/tablefile.h"

#include <QTemporaryDir>
#include <map>

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

using Fields = std::map<QString, Value>;

// A row of a product table with the named fields set and every other field null.
inline Row rowOf(const char* table, const Fields& fields) {
    const TableDef* def = tabelle(QString::fromLatin1(table));
    Row row(def->fields.size());
    for (const auto& [name, value] : fields) {
        const int index = def->fieldIndex(name);
        if (index < 0)
            throw DbError("test fixture: no field " + name);
        row[static_cast<size_t>(index)] = value;
    }
    return row;
}

// Polygon fields stem1to, stem1tc, ... for the given points.
inline Fields polygon(const char* stem, const std::vector<std::pair<double, double>>& points) {
    Fields f;
    for (size_t k = 0; k < points.size(); ++k) {
        const QString p = QString::fromLatin1(stem) + QString::number(k + 1);
        f[p + "to"] = points[k].first;
        f[p + "tc"] = points[k].second;
    }
    return f;
}

inline Fields merged(Fields a, const Fields& b) {
    a.insert(b.begin(), b.end());
    return a;
}

// Writes a product table (by name) into <dir>/Daten.
inline void writeProductTable(const QString& programDir, const char* table,
                              const std::vector<Row>& rows) {
    const TableDef* def = tabelle(QString::fromLatin1(table));
    writeTableFile(programDir + "/Daten/" + def->fileName, *def, rows);
}

} // namespace drel::db::testing
