#include "db/table.h"

#include <algorithm>
#include <cstdint>

namespace drel::db {

namespace {
template <typename View> int compareNames(QStringView a, View b);
} // namespace

Table::Table(TableDef def, std::vector<Row> rows) : def_(std::move(def)), rows_(std::move(rows)) {
    byName_.reserve(def_.fields.size());
    for (size_t i = 0; i < def_.fields.size(); ++i)
        byName_.emplace_back(def_.fields[i].name, static_cast<int>(i));
    std::sort(byName_.begin(), byName_.end(), [](const auto& a, const auto& b) {
        return compareNames(QStringView(a.first), QStringView(b.first)) < 0;
    });
}

namespace {

// Field names are ASCII in practice: fold ASCII letters by hand and leave other
// characters to Qt's full case folding.
template <typename View> int compareNames(QStringView a, View b) {
    const qsizetype n = std::min<qsizetype>(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = QChar(b[i]).unicode();
        if (x >= 128 || y >= 128)
            return a.compare(b, Qt::CaseInsensitive);
        if (x >= u'A' && x <= u'Z')
            x = static_cast<char16_t>(x + 32);
        if (y >= u'A' && y <= u'Z')
            y = static_cast<char16_t>(y + 32);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <typename View> int lookup(const std::vector<std::pair<QString, int>>& byName, View name) {
    const auto it = std::partition_point(byName.begin(), byName.end(), [&](const auto& entry) {
        return compareNames(QStringView(entry.first), name) < 0;
    });
    if (it == byName.end() || compareNames(QStringView(it->first), name) != 0)
        return -1;
    return it->second;
}

} // namespace

int Table::fieldIndex(QAnyStringView name) const {
    // The slot comes from the text's address and length (a literal keeps both); the
    // stored spelling must equal the name exactly for a hit.
    const auto adresse = reinterpret_cast<std::uintptr_t>(name.data());
    Gemerkt& slot = cache_[(adresse / 2 ^ adresse / 64 ^ static_cast<std::uintptr_t>(name.size())) %
                           kCacheSlots];
    if (!slot.name.isNull() && QAnyStringView::equal(slot.name, name))
        return slot.index;
    const int index = lookupUncached(name);
    slot.name = name.toString();
    slot.index = index;
    return index;
}

int Table::lookupUncached(QAnyStringView name) const {
    return name.visit([this](auto view) {
        using View = decltype(view);
        if constexpr (std::is_same_v<View, QStringView> || std::is_same_v<View, QLatin1StringView>)
            return lookup(byName_, view);
        else
            return lookup(byName_, QStringView(view.toString()));
    });
}

const double* Table::zahlen(int row) const {
    const auto felder = static_cast<size_t>(fieldCount());
    if (!zahlen_) {
        zahlen_ =
            std::make_unique_for_overwrite<double[]>(std::max<size_t>(1, rows_.size() * felder));
        umgewandelt_.assign(rows_.size(), false);
    }
    const auto r = static_cast<size_t>(row);
    double* z = zahlen_.get() + r * felder;
    if (!umgewandelt_[r]) {
        const Row& zeile = rows_[r];
        for (size_t f = 0; f < felder; ++f)
            z[f] = f < zeile.size() ? toDouble(zeile[f]) : 0.0;
        umgewandelt_[r] = true;
    }
    return z;
}

namespace {

// The column `field` of every row, each cell as `umwandeln` reads it (a missing cell as
// an empty one), built at its first use and kept in `spalten`.
template <typename T, typename Umwandeln>
const T* spalteHolen(std::vector<std::unique_ptr<T[]>>& spalten, size_t felder,
                     const std::vector<Row>& rows, int field, Umwandeln umwandeln) {
    if (spalten.empty())
        spalten.resize(felder);
    std::unique_ptr<T[]>& s = spalten[static_cast<size_t>(field)];
    if (!s) {
        const auto f = static_cast<size_t>(field);
        s = std::make_unique<T[]>(std::max<size_t>(1, rows.size()));
        for (size_t r = 0; r < rows.size(); ++r)
            s[r] = umwandeln(f < rows[r].size() ? rows[r][f] : Value());
    }
    return s.get();
}

} // namespace

const double* Table::spalte(int field) const {
    return spalteHolen(spalten_, def_.fields.size(), rows_, field,
                       [](const Value& v) { return toDouble(v); });
}

const QString* Table::texte(int field) const {
    return spalteHolen(texte_, def_.fields.size(), rows_, field, [](const Value& v) {
        const QString text = toString(v);
        // A copy of its own: the loaded text's memory lies wherever its row was read.
        return QString(text.constData(), text.size());
    });
}

} // namespace drel::db
