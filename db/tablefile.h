// Table files: each <Name>.cds is an SQLite database with one table "data" of the
// fields in file order, its stored index, and a metadata table with the format
// version and the field definitions (names, types, sizes).
#pragma once

#include "db/table.h"

#include <QList>
#include <memory>
#include <optional>

namespace drel::db {

namespace detail {
class Connection;
class Statement;
} // namespace detail

inline constexpr int kTableFormatVersion = 1;

// Writes a table file row by row; the file is complete only after commit().
// Values must have the field's type (or be null); a text longer than its field
// size is refused.
class TableFileWriter {
public:
    TableFileWriter(const QString& path, const TableDef& def); // throws DbError
    ~TableFileWriter();
    TableFileWriter(const TableFileWriter&) = delete;
    TableFileWriter& operator=(const TableFileWriter&) = delete;

    void insert(const Row& row); // throws DbError
    // An entry of the metadata table besides the format data (before commit).
    void setMeta(const QString& key, const QString& value); // throws DbError
    void commit();                                          // throws DbError

private:
    void bindValue(int column, const Value& value);

    QString path_;
    TableDef def_;
    // Declared in this order so that the statement is finalized before the connection
    // closes; both are released when the constructor throws.
    std::unique_ptr<detail::Connection> connection_;
    std::unique_ptr<detail::Statement> insert_;
};

// Creates (overwrites) a table file with all rows.
void writeTableFile(const QString& path, const TableDef& def, const std::vector<Row>& rows);

// The rows of a table file whose integer field `feld` holds one of `schluessel`: a
// command that rates one article needs only that article's records of a large table.
struct Zeilenauswahl {
    QString feld;
    QList<qint32> schluessel;
};

// Loads a table file completely, or only the rows `auswahl` names (in file order as
// well). Throws DbError with the file name when the file is missing, unreadable or not
// a table file, or when it lacks the field of the selection.
TablePtr loadTableFile(const QString& path, const std::optional<Zeilenauswahl>& auswahl = {});

// One entry of a table file's metadata table; empty when the file or entry is missing.
QString tableFileMeta(const QString& path, const QString& key);

// Cuts a text to at most `size` UTF-16 code units without splitting a surrogate pair.
QString fitText(const QString& text, int size);

} // namespace drel::db
