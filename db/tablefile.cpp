#include "db/tablefile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <sqlite3.h>

namespace drel::db {

namespace {

QString sqliteMessage(sqlite3* db) {
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
}

} // namespace

namespace detail {

// Statement that finalizes itself.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql, const QString& path) {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt_, nullptr) != SQLITE_OK)
            throw DbError(QStringLiteral("%1: %2").arg(path, sqliteMessage(db)));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// Connection that closes itself.
class Connection {
public:
    Connection(const QString& path, int flags) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr) != SQLITE_OK) {
            const QString message = sqliteMessage(db_);
            sqlite3_close(db_);
            db_ = nullptr;
            throw DbError(QStringLiteral("%1: %2").arg(path, message));
        }
    }
    ~Connection() { sqlite3_close(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    sqlite3* get() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

} // namespace detail

namespace {

using detail::Connection;
using detail::Statement;

QString quoted(const QString& identifier) {
    QString q = identifier;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString sqlType(FieldType type) {
    switch (type) {
    case FieldType::Int32:
    case FieldType::Bool:
        return QStringLiteral("INTEGER");
    case FieldType::Float64:
        return QStringLiteral("REAL");
    default:
        return QStringLiteral("TEXT");
    }
}

void exec(sqlite3* db, const QString& sql, const QString& path) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "unknown error");
        sqlite3_free(error);
        throw DbError(QStringLiteral("%1: %2").arg(path, message));
    }
}

QString columnText(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char16_t*>(sqlite3_column_text16(stmt, column));
    const int bytes = sqlite3_column_bytes16(stmt, column);
    return text ? QString::fromUtf16(text, bytes / 2) : QString();
}

// Time stamps of a table repeat (an export's rows share a few); each text is read into
// local time once, as that conversion asks the time zone every time.
using Zeitpunkte = QHash<QString, QDateTime>;

Value readValue(sqlite3_stmt* stmt, int column, FieldType type, Zeitpunkte& zeitpunkte) {
    if (sqlite3_column_type(stmt, column) == SQLITE_NULL)
        return {};
    switch (type) {
    case FieldType::Int32:
        return static_cast<qint32>(sqlite3_column_int(stmt, column));
    case FieldType::Bool:
        return sqlite3_column_int(stmt, column) != 0;
    case FieldType::Float64:
        return sqlite3_column_double(stmt, column);
    case FieldType::Timestamp: {
        const QString text = columnText(stmt, column);
        auto it = zeitpunkte.constFind(text);
        if (it == zeitpunkte.cend())
            it = zeitpunkte.insert(text, QDateTime::fromString(text, Qt::ISODate));
        return it->isValid() ? Value(*it) : Value();
    }
    case FieldType::WStr:
    case FieldType::LongText:
        return columnText(stmt, column);
    }
    return {};
}

TableDef readDefinition(sqlite3* db, const QString& path) {
    TableDef def;
    {
        Statement meta(db, QStringLiteral("SELECT key, value FROM meta"), path);
        bool versionOk = false;
        while (sqlite3_step(meta.get()) == SQLITE_ROW) {
            const QString key = columnText(meta.get(), 0);
            const QString value = columnText(meta.get(), 1);
            if (key == QLatin1String("version"))
                versionOk = value.toInt() == kTableFormatVersion;
            else if (key == QLatin1String("name"))
                def.name = value;
            else if (key == QLatin1String("index_name"))
                def.index = IndexDef{value, {}};
            else if (key == QLatin1String("index_fields") && def.index)
                def.index->fields = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        }
        if (!versionOk)
            throw DbError(QStringLiteral("%1: not a table file of this program").arg(path));
    }
    Statement fields(db, QStringLiteral("SELECT name, type, size FROM fields ORDER BY position"),
                     path);
    while (sqlite3_step(fields.get()) == SQLITE_ROW) {
        const auto type = fieldTypeFromName(columnText(fields.get(), 1));
        if (!type)
            throw DbError(QStringLiteral("%1: unknown field type").arg(path));
        def.fields.push_back(
            {columnText(fields.get(), 0), *type, sqlite3_column_int(fields.get(), 2)});
    }
    if (def.fields.empty())
        throw DbError(QStringLiteral("%1: the table has no fields").arg(path));
    def.fileName = QFileInfo(path).fileName();
    return def;
}

} // namespace

QString fitText(const QString& text, int size) {
    if (size <= 0 || text.size() <= size)
        return text;
    qsizetype cut = size;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut);
}

TableFileWriter::TableFileWriter(const QString& path, const TableDef& def)
    : path_(path), def_(def) {
    if (def_.fields.empty())
        throw DbError(QStringLiteral("%1: a table needs at least one field").arg(path));
    QFile::remove(path);
    connection_ = std::make_unique<Connection>(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    sqlite3* db = connection_->get();
    // Large pages and a cache that holds them: a table of some ten megabytes goes out in
    // a few hundred writes instead of thousands.
    exec(db,
         QStringLiteral("PRAGMA page_size=65536; PRAGMA cache_size=-16384; "
                        "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN"),
         path_);
    exec(db,
         QStringLiteral("CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT);"
                        "CREATE TABLE fields(position INTEGER, name TEXT, type TEXT, "
                        "size INTEGER)"),
         path_);
    QStringList columns;
    QStringList placeholders;
    {
        Statement field(db, QStringLiteral("INSERT INTO fields VALUES(?,?,?,?)"), path_);
        for (size_t i = 0; i < def_.fields.size(); ++i) {
            const FieldDef& f = def_.fields[i];
            const QByteArray name = f.name.toUtf8();
            const QByteArray type = fieldTypeName(f.type).toUtf8();
            sqlite3_bind_int(field.get(), 1, static_cast<int>(i));
            sqlite3_bind_text(field.get(), 2, name.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(field.get(), 3, type.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(field.get(), 4, f.size);
            if (sqlite3_step(field.get()) != SQLITE_DONE)
                throw DbError(QStringLiteral("%1: %2").arg(path_, sqliteMessage(db)));
            sqlite3_reset(field.get());
            columns << quoted(f.name) + QLatin1Char(' ') + sqlType(f.type);
            placeholders << QStringLiteral("?");
        }
    }
    auto setMeta = [this, db](const QString& key, const QString& value) {
        QString v = value;
        v.replace(QLatin1Char('\''), QLatin1String("''"));
        exec(db, QStringLiteral("INSERT INTO meta VALUES('%1','%2')").arg(key, v), path_);
    };
    setMeta(QStringLiteral("version"), QString::number(kTableFormatVersion));
    setMeta(QStringLiteral("name"), def_.name);
    exec(db, QStringLiteral("CREATE TABLE data(%1)").arg(columns.join(QLatin1Char(','))), path_);
    if (def_.index) {
        QStringList indexColumns;
        for (const QString& f : def_.index->fields) {
            if (def_.fieldIndex(f) < 0)
                throw DbError(
                    QStringLiteral("%1: index field %2 is not a field of the table").arg(path_, f));
            indexColumns << quoted(f);
        }
        setMeta(QStringLiteral("index_name"), def_.index->name);
        setMeta(QStringLiteral("index_fields"), def_.index->fields.join(QLatin1Char(';')));
        exec(db,
             QStringLiteral("CREATE INDEX %1 ON data(%2)")
                 .arg(quoted(QStringLiteral("idx_") + def_.index->name),
                      indexColumns.join(QLatin1Char(','))),
             path_);
    }
    const QString insert =
        QStringLiteral("INSERT INTO data VALUES(%1)").arg(placeholders.join(QLatin1Char(',')));
    insert_ = std::make_unique<Statement>(db, insert, path_);
}

// The statement goes before the connection (member order), also when the constructor
// throws half-way.
TableFileWriter::~TableFileWriter() = default;

void TableFileWriter::bindValue(int column, const Value& value) {
    const FieldDef& field = def_.fields[static_cast<size_t>(column)];
    const int slot = column + 1;
    auto wrongType = [&] {
        return DbError(QStringLiteral("%1: wrong value type for field %2").arg(path_, field.name));
    };
    if (isNull(value)) {
        sqlite3_bind_null(insert_->get(), slot);
        return;
    }
    switch (field.type) {
    case FieldType::Int32:
        if (!std::holds_alternative<qint32>(value))
            throw wrongType();
        sqlite3_bind_int(insert_->get(), slot, std::get<qint32>(value));
        return;
    case FieldType::Bool:
        if (!std::holds_alternative<bool>(value))
            throw wrongType();
        sqlite3_bind_int(insert_->get(), slot, std::get<bool>(value) ? 1 : 0);
        return;
    case FieldType::Float64:
        if (!std::holds_alternative<double>(value))
            throw wrongType();
        sqlite3_bind_double(insert_->get(), slot, std::get<double>(value));
        return;
    case FieldType::Timestamp: {
        if (!std::holds_alternative<QDateTime>(value))
            throw wrongType();
        const QByteArray text =
            std::get<QDateTime>(value).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toUtf8();
        sqlite3_bind_text(insert_->get(), slot, text.constData(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
        return;
    }
    case FieldType::WStr:
    case FieldType::LongText: {
        if (!std::holds_alternative<QString>(value))
            throw wrongType();
        const QString& text = std::get<QString>(value);
        if (field.size > 0 && text.size() > field.size)
            throw DbError(QStringLiteral("%1: text of %2 characters is too long for field %3 (%4)")
                              .arg(path_)
                              .arg(text.size())
                              .arg(field.name)
                              .arg(field.size));
        sqlite3_bind_text16(insert_->get(), slot, text.utf16(), static_cast<int>(text.size() * 2),
                            SQLITE_TRANSIENT);
        return;
    }
    }
}

void TableFileWriter::insert(const Row& row) {
    if (row.size() != def_.fields.size())
        throw DbError(QStringLiteral("%1: a row has %2 values for %3 fields")
                          .arg(path_)
                          .arg(row.size())
                          .arg(def_.fields.size()));
    for (size_t i = 0; i < row.size(); ++i)
        bindValue(static_cast<int>(i), row[i]);
    if (sqlite3_step(insert_->get()) != SQLITE_DONE)
        throw DbError(QStringLiteral("%1: %2").arg(path_, sqliteMessage(connection_->get())));
    sqlite3_reset(insert_->get());
    sqlite3_clear_bindings(insert_->get());
}

void TableFileWriter::setMeta(const QString& key, const QString& value) {
    detail::Statement meta(connection_->get(),
                           QStringLiteral("INSERT OR REPLACE INTO meta VALUES(?,?)"), path_);
    const QByteArray k = key.toUtf8();
    const QByteArray v = value.toUtf8();
    sqlite3_bind_text(meta.get(), 1, k.constData(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(meta.get(), 2, v.constData(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(meta.get()) != SQLITE_DONE)
        throw DbError(QStringLiteral("%1: %2").arg(path_, sqliteMessage(connection_->get())));
}

QString tableFileMeta(const QString& path, const QString& key) {
    if (!QFileInfo(path).isFile())
        return {};
    sqlite3* db = nullptr;
    QString value;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        const QByteArray k = key.toUtf8();
        if (sqlite3_prepare_v2(db, "SELECT value FROM meta WHERE key = ?", -1, &stmt, nullptr) ==
            SQLITE_OK) {
            sqlite3_bind_text(stmt, 1, k.constData(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(stmt) == SQLITE_ROW)
                value = columnText(stmt, 0);
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return value;
}

void TableFileWriter::commit() {
    exec(connection_->get(), QStringLiteral("COMMIT"), path_);
}

void writeTableFile(const QString& path, const TableDef& def, const std::vector<Row>& rows) {
    TableFileWriter writer(path, def);
    for (const Row& row : rows)
        writer.insert(row);
    writer.commit();
}

namespace {

// The WHERE clause of a selection; the keys are numbers, written into the text.
QString auswahlBedingung(const TableDef& def, const Zeilenauswahl& auswahl, const QString& path) {
    if (def.fieldIndex(auswahl.feld) < 0)
        throw DbError(QStringLiteral("%1: no field %2").arg(path, auswahl.feld));
    QStringList schluessel;
    for (const qint32 k : auswahl.schluessel)
        schluessel << QString::number(k);
    return QStringLiteral(" WHERE %1 IN (%2)").arg(quoted(auswahl.feld), schluessel.join(u','));
}

TablePtr loadTable(const QString& path, const std::optional<Zeilenauswahl>& auswahl) {
    if (!QFileInfo(path).isFile())
        throw DbError(QStringLiteral("Datei nicht gefunden: %1").arg(path));
    // The connection is used by this thread only: no SQLite mutex on every column read.
    Connection connection(path, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX);
    sqlite3* db = connection.get();
    // Pages are read from a mapping of the file instead of being copied into buffers of
    // their own: a rating that reads a few tables then touches far fewer fresh pages of
    // memory. The mapping ends with the connection, before this function returns.
    sqlite3_exec(db, "PRAGMA mmap_size=1073741824", nullptr, nullptr, nullptr);
    TableDef def = readDefinition(db, path);
    const QString bedingung = auswahl ? auswahlBedingung(def, *auswahl, path) : QString();
    std::vector<Row> rows;
    {
        Statement count(db, QStringLiteral("SELECT count(*) FROM data") + bedingung, path);
        if (sqlite3_step(count.get()) == SQLITE_ROW)
            rows.reserve(static_cast<size_t>(sqlite3_column_int64(count.get(), 0)));
    }
    Statement select(db, QStringLiteral("SELECT * FROM data%1 ORDER BY rowid").arg(bedingung),
                     path);
    const int columns = sqlite3_column_count(select.get());
    if (columns != static_cast<int>(def.fields.size()))
        throw DbError(QStringLiteral("%1: the table does not match its field list").arg(path));
    int step = SQLITE_ROW;
    Zeitpunkte zeitpunkte;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
        Row row;
        row.reserve(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c)
            row.push_back(
                readValue(select.get(), c, def.fields[static_cast<size_t>(c)].type, zeitpunkte));
        rows.push_back(std::move(row));
    }
    if (step != SQLITE_DONE)
        throw DbError(QStringLiteral("%1: %2").arg(path, sqliteMessage(db)));
    return std::make_shared<const Table>(std::move(def), std::move(rows));
}

} // namespace

TablePtr loadTableFile(const QString& path, const std::optional<Zeilenauswahl>& auswahl) {
    try {
        return loadTable(path, auswahl);
    } catch (const DbError& e) {
        throw DbError(e.message(), path);
    }
}

} // namespace drel::db
