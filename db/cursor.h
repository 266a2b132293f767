// A cursor is a view on a loaded table: index order, filter, master link,
// current row and calculated fields, as the windows and calculations use it.
#pragma once

#include "db/filter.h"
#include "db/table.h"
#include "db/tablefile.h"

#include <QAnyStringView>
#include <functional>
#include <memory>
#include <utility>

namespace drel::db {

class Cursor;
class TableCache;

// Makes a cursor available as a master; may have no cursor (detached).
class DataSource {
public:
    explicit DataSource(QString name, Cursor* dataSet = nullptr);
    ~DataSource();
    DataSource(const DataSource&) = delete;
    DataSource& operator=(const DataSource&) = delete;
    const QString& name() const { return name_; }
    Cursor* dataSet() const { return dataSet_; }
    void setDataSet(Cursor* dataSet);

private:
    QString name_;
    Cursor* dataSet_ = nullptr;
    std::vector<Cursor*> users_; // cursors whose master source this is

    friend class Cursor;
};

class Cursor {
public:
    using CalcFunction = std::function<Value(const Cursor&)>;
    using FilterPredicate = std::function<bool(const Cursor&, int row)>;

    explicit Cursor(QString name, TableCache* cache = nullptr);
    ~Cursor();
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    const QString& name() const { return name_; }

    // Table file; takes effect at the next open().
    void setFileName(const QString& path) { fileName_ = path; }
    const QString& fileName() const { return fileName_; }

    void open();  // throws DbError (missing file, unknown index or filter field)
    void close(); // keeps file name, index, filter and link
    bool active() const { return table_ != nullptr; }
    const TablePtr& table() const { return table_; }

    // Sort order as "Field1;Field2"; empty = file order.
    void setIndexFieldNames(const QString& fields);
    const QString& indexFieldNames() const { return indexFieldNames_; }

    // Filter text in the data-set syntax (=, <>, <, <=, >, >=, and, or, not,
    // parentheses, quoted texts, numbers). Applies only while filtered is on.
    void setFilter(const QString& text);
    const QString& filter() const { return filterText_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }
    // An additional predicate filter (row index into the table); applies while set.
    void setFilterPredicate(FilterPredicate predicate);

    // Master-detail link: the first fields of the index order must equal the given
    // master fields of the master's current row. Either argument empty = no link.
    void setMasterSource(DataSource* source);
    void setMasterFields(const QString& masterFields);
    DataSource* masterSource() const { return masterSource_; }
    const QString& masterFields() const { return masterFieldsText_; }

    void addCalculatedField(const QString& name, FieldType type, CalcFunction function);

    // Navigation over the visible rows.
    void first();
    void last();
    void next();
    void prior();
    bool eof() const {
        aktualisieren();
        return eof_;
    }
    bool bof() const {
        aktualisieren();
        return bof_;
    }
    bool isEmpty() const {
        aktualisieren();
        return view_.empty();
    }
    int recordCount() const {
        aktualisieren();
        return static_cast<int>(view_.size());
    }
    // 0-based position in the view, -1 if empty
    int recNo() const {
        aktualisieren();
        return position_;
    }

    // Moves to the first row whose leading index fields equal the key values.
    bool findKey(const std::vector<Value>& key);
    // Moves to the first visible row whose fields equal the values (texts compared
    // without regard to case when caseInsensitive).
    bool locate(const QString& fields, const std::vector<Value>& values,
                bool caseInsensitive = false);
    // Moves to the row of the table with the given table row index, if it is visible.
    bool gotoTableRow(int tableRow);

    // Field access by name without regard to case; an unknown name throws DbError.
    // On an empty view every field is null.
    Value value(QAnyStringView field) const;
    qint32 asInteger(QAnyStringView field) const { return toInt(value(field)); }
    double asFloat(QAnyStringView field) const { return toDouble(value(field)); }
    QString asString(QAnyStringView field) const { return toString(value(field)); }
    bool asBool(QAnyStringView field) const { return toBool(value(field)); }
    bool isNull(QAnyStringView field) const { return drel::db::isNull(value(field)); }
    bool hasField(QAnyStringView field) const;

    // Table row index of the current row, -1 when the view is empty.
    int currentTableRow() const;
    // Table row index of the row `schritte` rows after the current one, -1 past the end.
    int tableRowAhead(int schritte) const;
    // For a detail cursor: asks the processor to fetch the remembered range of this
    // master table row, a few master rows before it is reached (a hint only).
    void bereichVorladen(int masterZeile) const;
    // Value of a stored field (by position) of the current row; null on an empty view.
    const Value& storedValue(int fieldIndex) const;
    int fieldIndex(QAnyStringView field) const; // stored fields only, -1 when none

private:
    struct CalcField {
        QString name;
        FieldType type;
        CalcFunction function;
    };

    void rebuild();       // recompute the view, go to the first row, tell details
    void notifyDetails(); // the current row changed: the details are out of date
    // A detail whose master moved is brought up to date when it is next read, not at
    // every move of the master: a search that walks thousands of articles then does
    // not rebuild the motor, condenser and other details it never reads.
    void aktualisieren() const {
        if (veraltet_)
            nachziehen();
    }
    void nachziehen() const;
    void veraltetMarkieren();
    void setPosition(int position);
    Cursor* linkedMaster() const;
    // The rows of a one-field integer link, found once per master row among the first
    // keys; false when the link or the master's value is not of that kind.
    bool schluesselBereich(const Cursor& master, std::vector<int>::const_iterator& begin,
                           std::vector<int>::const_iterator& end) const;
    // Rows of sorted_ that match the master's current row; false when none can.
    bool masterRange(std::vector<int>::const_iterator& begin,
                     std::vector<int>::const_iterator& end) const;
    // Compares the leading index fields of a table row with a key; -1, 0 or 1.
    int compareToKey(int tableRow, const std::vector<Value>& key) const;
    bool rowVisible(int tableRow) const;
    void sortAll();
    std::vector<int> resolveFields(const Table& table, const QString& fields) const;

    QString name_;
    TableCache* cache_ = nullptr;
    QString fileName_;
    TablePtr table_;

    QString indexFieldNames_;
    std::vector<int> indexFields_;
    std::vector<int> sorted_; // all rows in index order
    // The first index field of sorted_ as numbers (null lowest), when it holds integers
    // only: a detail finds the rows of its master without reaching into each row.
    std::vector<qint64> ersteSchluessel_;
    // The master's field of a one-field link, kept per master table: found once,
    // not by name at every move of the master. The table is held so that its address
    // cannot come back as another table's while the ranges below are kept.
    mutable const Cursor* masterCursor_ = nullptr;
    mutable TablePtr masterTabelle_;
    mutable int masterFeld_ = -1;
    // The range of sorted_ found for each row of the master table ({-1, -1}: not yet
    // looked up). A master that walks its rows in order reads this array in order, so
    // a search over a large catalogue finds each row's range once, then reads it.
    mutable std::vector<std::pair<int, int>> bereichJeMasterZeile_;
    void masterBereicheVergessen() const;

    QString filterText_;
    bool filtered_ = false;
    std::unique_ptr<FilterExpression> filterExpr_;
    FilterPredicate predicate_;

    DataSource* masterSource_ = nullptr;
    QString masterFieldsText_;
    QStringList masterFieldList_;
    std::vector<DataSource*> sources_; // data sources that show this cursor

    std::vector<CalcField> calcFields_;

    std::vector<int> view_;
    int position_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    // The master moved since the view was built; every reader calls aktualisieren().
    // When set, the flag of every detail of this cursor is set as well.
    mutable bool veraltet_ = false;

    friend class DataSource;
};

// Keeps loaded tables so that two cursors on one file share the rows; a file that
// changed on disk since it was loaded is loaded again.
class TableCache {
public:
    TablePtr load(const QString& path);
    void clear();

    // Tables of this file name (e.g. "CapacityData.cds") loaded from now on hold only
    // the rows of the selection: for a command that reads the records of one article.
    void setZeilenauswahl(const QString& dateiName, Zeilenauswahl auswahl);

private:
    struct Entry {
        TablePtr table;
        qint64 size = -1;
        QDateTime modified;
    };
    QHash<QString, Entry> entries_;
    QHash<QString, Zeilenauswahl> auswahl_; // by file name in lower case
};

} // namespace drel::db
