#include "db/cursor.h"

#include "db/tablefile.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>

namespace drel::db {

// --- DataSource -------------------------------------------------------------

DataSource::DataSource(QString name, Cursor* dataSet) : name_(std::move(name)) {
    setDataSet(dataSet);
}

void DataSource::setDataSet(Cursor* dataSet) {
    if (dataSet_ == dataSet)
        return;
    if (dataSet_)
        std::erase(dataSet_->sources_, this);
    dataSet_ = dataSet;
    if (dataSet_)
        dataSet_->sources_.push_back(this);
    for (Cursor* user : users_)
        if (user->active())
            user->rebuild();
}

DataSource::~DataSource() {
    if (dataSet_)
        std::erase(dataSet_->sources_, this);
    for (Cursor* user : users_)
        user->masterSource_ = nullptr;
}

// --- Cursor -----------------------------------------------------------------

Cursor::Cursor(QString name, TableCache* cache) : name_(std::move(name)), cache_(cache) {}

Cursor::~Cursor() {
    if (masterSource_)
        std::erase(masterSource_->users_, this);
    for (DataSource* source : sources_)
        source->dataSet_ = nullptr;
}

void Cursor::open() {
    if (active())
        return;
    TablePtr table = cache_ ? cache_->load(fileName_) : loadTableFile(fileName_);
    // Resolve everything before the cursor counts as open, so that a bad index or
    // filter leaves it closed.
    std::vector<int> index = resolveFields(*table, indexFieldNames_);
    std::unique_ptr<FilterExpression> expr;
    if (!filterText_.trimmed().isEmpty())
        expr = parseFilter(filterText_, *table);
    table_ = std::move(table);
    indexFields_ = std::move(index);
    filterExpr_ = std::move(expr);
    sortAll();
    rebuild();
}

void Cursor::close() {
    table_.reset();
    sorted_.clear();
    ersteSchluessel_.clear();
    masterBereicheVergessen();
    view_.clear();
    filterExpr_.reset();
    position_ = -1;
    eof_ = bof_ = true;
    veraltet_ = false;
    notifyDetails();
}

std::vector<int> Cursor::resolveFields(const Table& table, const QString& fields) const {
    std::vector<int> result;
    for (const QString& f : fields.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int i = table.fieldIndex(f.trimmed());
        if (i < 0)
            throw DbError(QStringLiteral("%1: Feld '%2' nicht gefunden").arg(name_, f.trimmed()));
        result.push_back(i);
    }
    return result;
}

void Cursor::setIndexFieldNames(const QString& fields) {
    if (active()) {
        std::vector<int> index = resolveFields(*table_, fields);
        indexFieldNames_ = fields;
        indexFields_ = std::move(index);
        const int keep = currentTableRow();
        sortAll();
        rebuild();
        if (keep >= 0)
            gotoTableRow(keep);
        return;
    }
    indexFieldNames_ = fields;
}

void Cursor::setFilter(const QString& text) {
    if (active()) {
        std::unique_ptr<FilterExpression> expr;
        if (!text.trimmed().isEmpty())
            expr = parseFilter(text, *table_);
        filterExpr_ = std::move(expr);
        filterText_ = text;
        if (filtered_)
            rebuild();
        return;
    }
    filterText_ = text;
}

void Cursor::setFiltered(bool on) {
    if (filtered_ == on)
        return;
    filtered_ = on;
    if (active())
        rebuild();
}

void Cursor::setFilterPredicate(FilterPredicate predicate) {
    predicate_ = std::move(predicate);
    if (active())
        rebuild();
}

void Cursor::setMasterSource(DataSource* source) {
    if (masterSource_ == source)
        return;
    if (masterSource_)
        std::erase(masterSource_->users_, this);
    masterSource_ = source;
    if (masterSource_)
        masterSource_->users_.push_back(this);
    if (active())
        rebuild();
}

void Cursor::setMasterFields(const QString& masterFields) {
    masterFieldsText_ = masterFields;
    masterFieldList_.clear();
    masterCursor_ = nullptr;
    for (const QString& f : masterFields.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        masterFieldList_ << f.trimmed();
    if (active())
        rebuild();
}

void Cursor::addCalculatedField(const QString& name, FieldType type, CalcFunction function) {
    calcFields_.push_back({name, type, std::move(function)});
}

void Cursor::sortAll() {
    sorted_.resize(static_cast<size_t>(table_->rowCount()));
    for (size_t i = 0; i < sorted_.size(); ++i)
        sorted_[i] = static_cast<int>(i);
    ersteSchluessel_.clear();
    masterBereicheVergessen();
    if (indexFields_.empty())
        return;
    const auto& rows = table_->rows();
    std::stable_sort(sorted_.begin(), sorted_.end(), [&](int a, int b) {
        const Row& ra = rows[static_cast<size_t>(a)];
        const Row& rb = rows[static_cast<size_t>(b)];
        for (int f : indexFields_) {
            const int c = compareValues(ra[static_cast<size_t>(f)], rb[static_cast<size_t>(f)]);
            if (c != 0)
                return c < 0;
        }
        return false;
    });
    // Null sorts before every number (compareValues), as the lowest value does here.
    const auto erstes = static_cast<size_t>(indexFields_.front());
    ersteSchluessel_.reserve(sorted_.size());
    for (int row : sorted_) {
        const Value& v = rows[static_cast<size_t>(row)][erstes];
        if (const auto* zahl = std::get_if<qint32>(&v)) {
            ersteSchluessel_.push_back(*zahl);
        } else if (drel::db::isNull(v)) {
            ersteSchluessel_.push_back(std::numeric_limits<qint64>::min());
        } else {
            ersteSchluessel_.clear();
            return;
        }
    }
}

void Cursor::masterBereicheVergessen() const {
    masterCursor_ = nullptr;
    masterTabelle_.reset();
    masterFeld_ = -1;
    bereichJeMasterZeile_.clear();
}

bool Cursor::schluesselBereich(const Cursor& master, std::vector<int>::const_iterator& begin,
                               std::vector<int>::const_iterator& end) const {
    if (masterFieldList_.size() != 1 || ersteSchluessel_.empty())
        return false;
    if (masterCursor_ != &master || masterTabelle_ != master.table_) {
        masterCursor_ = &master;
        masterTabelle_ = master.table_;
        masterFeld_ = master.fieldIndex(masterFieldList_.front());
        bereichJeMasterZeile_.assign(static_cast<size_t>(master.table_->rowCount()), {-1, -1});
    }
    if (masterFeld_ < 0)
        return false; // a calculated field: read by name below
    const int masterZeile = master.currentTableRow();
    if (masterZeile < 0)
        return false;
    std::pair<int, int>& bereich = bereichJeMasterZeile_[static_cast<size_t>(masterZeile)];
    if (bereich.first < 0) {
        const auto* zahl = std::get_if<qint32>(&master.storedValue(masterFeld_));
        if (!zahl)
            return false;
        const auto [von, bis] =
            std::equal_range(ersteSchluessel_.cbegin(), ersteSchluessel_.cend(), qint64{*zahl});
        bereich = {static_cast<int>(von - ersteSchluessel_.cbegin()),
                   static_cast<int>(bis - ersteSchluessel_.cbegin())};
    }
    begin = sorted_.cbegin() + bereich.first;
    end = sorted_.cbegin() + bereich.second;
    return true;
}

Cursor* Cursor::linkedMaster() const {
    if (!masterSource_ || masterFieldList_.isEmpty())
        return nullptr;
    Cursor* master = masterSource_->dataSet();
    return master && master->active() ? master : nullptr;
}

bool Cursor::masterRange(std::vector<int>::const_iterator& begin,
                         std::vector<int>::const_iterator& end) const {
    begin = sorted_.begin();
    end = sorted_.end();
    Cursor* master = linkedMaster();
    if (!master)
        return true;
    if (master->isEmpty())
        return false;
    const QStringList& masterFields = masterFieldList_;
    if (static_cast<size_t>(masterFields.size()) > indexFields_.size())
        throw DbError(
            QStringLiteral("%1: the index has fewer fields than the master link").arg(name_));
    if (schluesselBereich(*master, begin, end))
        return true;
    std::vector<Value> key;
    key.reserve(static_cast<size_t>(masterFields.size()));
    for (const QString& f : masterFields) {
        const int stored = master->fieldIndex(f);
        key.push_back(stored >= 0 ? master->storedValue(stored) : master->value(f));
    }
    if (key.size() == 1 && !ersteSchluessel_.empty() && std::holds_alternative<qint32>(key[0])) {
        const auto [von, bis] = std::equal_range(ersteSchluessel_.cbegin(), ersteSchluessel_.cend(),
                                                 qint64{std::get<qint32>(key[0])});
        begin = sorted_.cbegin() + (von - ersteSchluessel_.cbegin());
        end = sorted_.cbegin() + (bis - ersteSchluessel_.cbegin());
        return true;
    }
    auto compareKey = [&](int row) { return compareToKey(row, key); };
    begin = std::partition_point(sorted_.begin(), sorted_.end(),
                                 [&](int row) { return compareKey(row) < 0; });
    end =
        std::partition_point(begin, sorted_.cend(), [&](int row) { return compareKey(row) == 0; });
    return true;
}

int Cursor::compareToKey(int tableRow, const std::vector<Value>& key) const {
    const Row& r = table_->rows()[static_cast<size_t>(tableRow)];
    for (size_t k = 0; k < key.size(); ++k) {
        const int c = compareValues(r[static_cast<size_t>(indexFields_[k])], key[k]);
        if (c != 0)
            return c;
    }
    return 0;
}

bool Cursor::rowVisible(int tableRow) const {
    if (filtered_ && filterExpr_ &&
        !filterAccepts(*filterExpr_, table_->rows()[static_cast<size_t>(tableRow)]))
        return false;
    if (predicate_ && !predicate_(*this, tableRow))
        return false;
    return true;
}

void Cursor::rebuild() {
    // The master first: bringing it up to date on the way would mark this view out of
    // date again and have it built twice.
    if (Cursor* master = masterSource_ ? masterSource_->dataSet() : nullptr)
        master->aktualisieren();
    veraltet_ = false;
    const int before = currentTableRow();
    view_.clear();
    if (active()) {
        std::vector<int>::const_iterator begin;
        std::vector<int>::const_iterator end;
        if (masterRange(begin, end)) {
            view_.reserve(static_cast<size_t>(end - begin));
            for (auto it = begin; it != end; ++it)
                if (rowVisible(*it))
                    view_.push_back(*it);
        }
    }
    position_ = view_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.empty();
    // Details depend only on the current row: when it stays, they stay.
    if (currentTableRow() != before)
        notifyDetails();
}

void Cursor::notifyDetails() {
    // Marking changes no list, so the lists need no copy.
    for (DataSource* source : sources_)
        for (Cursor* detail : source->users_)
            if (detail->active() && !detail->masterFieldList_.isEmpty())
                detail->veraltetMarkieren();
}

void Cursor::veraltetMarkieren() {
    // A detail out of date has details out of date already.
    if (veraltet_)
        return;
    veraltet_ = true;
    notifyDetails();
}

void Cursor::nachziehen() const {
    // Every cursor is created non-const; a reader through a const reference sees the
    // view its master's current row asks for.
    const_cast<Cursor*>(this)->rebuild();
}

void Cursor::setPosition(int position) {
    const int before = currentTableRow();
    position_ = position;
    if (currentTableRow() != before)
        notifyDetails();
}

void Cursor::first() {
    aktualisieren();
    bof_ = true;
    eof_ = view_.empty();
    if (!view_.empty())
        setPosition(0);
}

void Cursor::last() {
    aktualisieren();
    eof_ = true;
    bof_ = view_.empty();
    if (!view_.empty())
        setPosition(static_cast<int>(view_.size()) - 1);
}

void Cursor::next() {
    aktualisieren();
    if (view_.empty() || position_ + 1 >= static_cast<int>(view_.size())) {
        eof_ = true; // the last row stays current
        return;
    }
    bof_ = false;
    eof_ = false;
    setPosition(position_ + 1);
}

void Cursor::prior() {
    aktualisieren();
    if (view_.empty() || position_ <= 0) {
        bof_ = true;
        return;
    }
    bof_ = false;
    eof_ = false;
    setPosition(position_ - 1);
}

bool Cursor::findKey(const std::vector<Value>& key) {
    aktualisieren();
    if (!active() || key.empty() || key.size() > indexFields_.size())
        return false;
    auto compareKey = [&](int row) { return compareToKey(row, key); };
    const auto it = std::partition_point(view_.begin(), view_.end(),
                                         [&](int row) { return compareKey(row) < 0; });
    if (it == view_.end() || compareKey(*it) != 0)
        return false;
    bof_ = eof_ = false;
    setPosition(static_cast<int>(it - view_.begin()));
    return true;
}

bool Cursor::locate(const QString& fields, const std::vector<Value>& values, bool caseInsensitive) {
    aktualisieren();
    if (!active())
        return false;
    const std::vector<int> columns = resolveFields(*table_, fields);
    if (columns.size() != values.size())
        return false;
    const auto& rows = table_->rows();
    for (size_t p = 0; p < view_.size(); ++p) {
        const Row& r = rows[static_cast<size_t>(view_[p])];
        bool match = true;
        for (size_t k = 0; k < columns.size() && match; ++k) {
            const Value& v = r[static_cast<size_t>(columns[k])];
            if (caseInsensitive && std::holds_alternative<QString>(values[k]))
                match = toString(v).compare(std::get<QString>(values[k]), Qt::CaseInsensitive) == 0;
            else
                match = valuesEqual(v, values[k]);
        }
        if (match) {
            bof_ = eof_ = false;
            setPosition(static_cast<int>(p));
            return true;
        }
    }
    return false;
}

bool Cursor::gotoTableRow(int tableRow) {
    aktualisieren();
    // The view follows the index order, so the row is found among the rows of its own
    // key (by its number where there is no index) rather than by a walk through the
    // view: a search over many articles returns to a remembered row for each of them.
    // A NaN in a key does not order; such a key is walked for.
    auto it = view_.cend();
    if (table_ && tableRow >= 0 && tableRow < table_->rowCount()) {
        const Row& r = table_->rows()[static_cast<size_t>(tableRow)];
        std::vector<Value> key;
        bool geordnet = true;
        for (int f : indexFields_) {
            const Value& v = r[static_cast<size_t>(f)];
            geordnet =
                geordnet && !(std::holds_alternative<double>(v) && std::isnan(std::get<double>(v)));
            key.push_back(v);
        }
        if (!geordnet) {
            it = std::find(view_.cbegin(), view_.cend(), tableRow);
        } else if (key.empty()) {
            it = std::lower_bound(view_.cbegin(), view_.cend(), tableRow);
        } else {
            it = std::partition_point(view_.cbegin(), view_.cend(),
                                      [&](int row) { return compareToKey(row, key) < 0; });
            while (it != view_.cend() && *it != tableRow && compareToKey(*it, key) == 0)
                ++it;
        }
    }
    if (it == view_.cend() || *it != tableRow)
        return false;
    bof_ = eof_ = false;
    setPosition(static_cast<int>(it - view_.begin()));
    return true;
}

int Cursor::currentTableRow() const {
    aktualisieren();
    return position_ >= 0 && position_ < static_cast<int>(view_.size())
               ? view_[static_cast<size_t>(position_)]
               : -1;
}

int Cursor::tableRowAhead(int schritte) const {
    aktualisieren();
    const int p = position_ + schritte;
    return position_ >= 0 && p < static_cast<int>(view_.size()) ? view_[static_cast<size_t>(p)]
                                                                : -1;
}

void Cursor::bereichVorladen(int masterZeile) const {
    if (masterZeile >= 0 && static_cast<size_t>(masterZeile) < bereichJeMasterZeile_.size())
        __builtin_prefetch(&bereichJeMasterZeile_[static_cast<size_t>(masterZeile)]);
}

int Cursor::fieldIndex(QAnyStringView field) const {
    return table_ ? table_->fieldIndex(field) : -1;
}

const Value& Cursor::storedValue(int fieldIndex) const {
    static const Value null;
    const int row = currentTableRow();
    if (row < 0 || fieldIndex < 0 || fieldIndex >= table_->fieldCount())
        return null;
    return table_->rows()[static_cast<size_t>(row)][static_cast<size_t>(fieldIndex)];
}

bool Cursor::hasField(QAnyStringView fieldName) const {
    if (table_ && table_->fieldIndex(fieldName) >= 0)
        return true;
    return std::any_of(calcFields_.begin(), calcFields_.end(), [&](const CalcField& c) {
        return QAnyStringView::compare(c.name, fieldName, Qt::CaseInsensitive) == 0;
    });
}

Value Cursor::value(QAnyStringView fieldName) const {
    // A closed cursor (its table could not be opened) shows nothing.
    if (!table_)
        return {};
    const int index = table_->fieldIndex(fieldName);
    if (index >= 0)
        return storedValue(index);
    for (const CalcField& calc : calcFields_) {
        if (QAnyStringView::compare(calc.name, fieldName, Qt::CaseInsensitive) == 0)
            return currentTableRow() < 0 ? Value() : calc.function(*this);
    }
    throw DbError(QStringLiteral("%1: Feld '%2' nicht gefunden").arg(name_, fieldName.toString()));
}

// --- TableCache ---------------------------------------------------------------

TablePtr TableCache::load(const QString& path) {
    const QFileInfo info(path);
    const auto it = entries_.constFind(path);
    if (it != entries_.cend() && info.exists() && it->size == info.size() &&
        it->modified == info.lastModified())
        return it->table;
    const auto auswahl = auswahl_.constFind(info.fileName().toLower());
    TablePtr table =
        auswahl == auswahl_.cend() ? loadTableFile(path) : loadTableFile(path, *auswahl);
    entries_.insert(path, Entry{table, info.size(), info.lastModified()});
    return table;
}

void TableCache::setZeilenauswahl(const QString& dateiName, Zeilenauswahl auswahl) {
    auswahl_.insert(dateiName.toLower(), std::move(auswahl));
}

void TableCache::clear() {
    entries_.clear();
}

} // namespace drel::db
