#include "db/value.h"

#include "base/numberformat.h"

#include <cmath>

namespace drel::db {

int TableDef::fieldIndex(QStringView fieldName) const {
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

namespace {

struct ToInt {
    qint32 operator()(std::monostate) const { return 0; }
    qint32 operator()(qint32 v) const { return v; }
    qint32 operator()(double v) const {
        if (!std::isfinite(v) || std::fabs(v) > 2147483647.0)
            return 0;
        return static_cast<qint32>(std::nearbyint(v));
    }
    qint32 operator()(const QString& v) const {
        int parsed = 0;
        return parseInt(v, parsed) ? parsed : 0;
    }
    qint32 operator()(bool v) const { return v ? 1 : 0; }
    qint32 operator()(const QDateTime&) const { return 0; }
};

struct ToDouble {
    double operator()(std::monostate) const { return 0.0; }
    double operator()(qint32 v) const { return v; }
    double operator()(double v) const { return v; }
    double operator()(const QString& v) const { return floatOrZero(v); }
    double operator()(bool v) const { return v ? 1.0 : 0.0; }
    double operator()(const QDateTime&) const { return 0.0; }
};

struct ToString {
    QString operator()(std::monostate) const { return {}; }
    QString operator()(qint32 v) const { return QString::number(v); }
    QString operator()(double v) const { return generalFormat(v); }
    QString operator()(const QString& v) const { return v; }
    QString operator()(bool v) const {
        return v ? QStringLiteral("True") : QStringLiteral("False");
    }
    QString operator()(const QDateTime& v) const {
        return v.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    }
};

bool isNumber(const Value& v) {
    return std::holds_alternative<qint32>(v) || std::holds_alternative<double>(v) ||
           std::holds_alternative<bool>(v);
}

template <typename T> int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

qint32 toInt(const Value& v) {
    return std::visit(ToInt{}, v);
}
double toDouble(const Value& v) {
    return std::visit(ToDouble{}, v);
}
QString toString(const Value& v) {
    return std::visit(ToString{}, v);
}

bool toBool(const Value& v) {
    if (const bool* b = std::get_if<bool>(&v))
        return *b;
    if (const QString* s = std::get_if<QString>(&v))
        return s->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    return toDouble(v) != 0.0;
}

int compareValues(const Value& a, const Value& b) {
    // Fast paths for the key types of the indexes.
    if (a.index() == b.index()) {
        if (const auto* ia = std::get_if<qint32>(&a))
            return threeWay(*ia, std::get<qint32>(b));
        if (const auto* fa = std::get_if<double>(&a))
            return threeWay(*fa, std::get<double>(b));
    }
    const bool nullA = isNull(a);
    const bool nullB = isNull(b);
    if (nullA || nullB)
        return nullA == nullB ? 0 : (nullA ? -1 : 1);
    if (isNumber(a) && isNumber(b))
        return threeWay(toDouble(a), toDouble(b));
    if (const auto* sa = std::get_if<QString>(&a)) {
        if (const auto* sb = std::get_if<QString>(&b)) {
            const int ci = sa->compare(*sb, Qt::CaseInsensitive);
            if (ci != 0)
                return ci < 0 ? -1 : 1;
            const int cs = sa->compare(*sb, Qt::CaseSensitive);
            return cs < 0 ? -1 : (cs > 0 ? 1 : 0);
        }
    }
    if (const auto* da = std::get_if<QDateTime>(&a)) {
        if (const auto* db = std::get_if<QDateTime>(&b))
            return threeWay(*da, *db);
    }
    // Mixed kinds: compare as texts.
    const int c = toString(a).compare(toString(b), Qt::CaseSensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool valuesEqual(const Value& a, const Value& b) {
    if (isNull(a) || isNull(b))
        return isNull(a) && isNull(b);
    if (isNumber(a) && isNumber(b))
        return toDouble(a) == toDouble(b);
    if (isNumber(a) != isNumber(b)) {
        // A number against a text compares as numbers ("7" = 7).
        const Value& text = isNumber(a) ? b : a;
        const Value& number = isNumber(a) ? a : b;
        if (const auto* s = std::get_if<QString>(&text)) {
            double parsed = 0.0;
            return parseFloat(*s, NumberSeparators::english(), parsed) &&
                   parsed == toDouble(number);
        }
        return false;
    }
    return compareValues(a, b) == 0 && toString(a) == toString(b);
}

QString fieldTypeName(FieldType type) {
    switch (type) {
    case FieldType::Int32:
        return QStringLiteral("int32");
    case FieldType::Float64:
        return QStringLiteral("float64");
    case FieldType::WStr:
        return QStringLiteral("wstr");
    case FieldType::LongText:
        return QStringLiteral("longtext");
    case FieldType::Bool:
        return QStringLiteral("bool");
    case FieldType::Timestamp:
        return QStringLiteral("timestamp");
    }
    return {};
}

std::optional<FieldType> fieldTypeFromName(QStringView name) {
    for (FieldType t : {FieldType::Int32, FieldType::Float64, FieldType::WStr, FieldType::LongText,
                        FieldType::Bool, FieldType::Timestamp})
        if (fieldTypeName(t) == name)
            return t;
    return std::nullopt;
}

} // namespace drel::db
