// Temporary changes to the shared cursors of the data module (a filter switched on
// for one loop, a master link cut or redirected) are undone by these guards when
// they go out of scope, also when an exception passes.
#pragma once

#include "db/cursor.h"

namespace drel::db {

// Remembers a cursor's filter text, filter switch and master link (source and
// fields) and puts them back on destruction. The current row is not restored.
class CursorGuard {
public:
    explicit CursorGuard(Cursor& cursor);
    ~CursorGuard();
    CursorGuard(const CursorGuard&) = delete;
    CursorGuard& operator=(const CursorGuard&) = delete;

private:
    Cursor& cursor_;
    QString filter_;
    bool filtered_;
    DataSource* masterSource_;
    QString masterFields_;
};

// Remembers which cursor a data source offers and puts it back on destruction.
class DataSourceGuard {
public:
    explicit DataSourceGuard(DataSource& source) : source_(source), dataSet_(source.dataSet()) {}
    ~DataSourceGuard() { source_.setDataSet(dataSet_); }
    DataSourceGuard(const DataSourceGuard&) = delete;
    DataSourceGuard& operator=(const DataSourceGuard&) = delete;

private:
    DataSource& source_;
    Cursor* dataSet_;
};

} // namespace drel::db
