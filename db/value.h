// Field types and values of the product tables.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <variant>
#include <vector>

namespace drel::db {

enum class FieldType { Int32, Float64, WStr, LongText, Bool, Timestamp };

inline constexpr int kLongTextSize = 2000;

struct FieldDef {
    QString name;
    FieldType type = FieldType::Int32;
    int size = 0; // UTF-16 code units for WStr and LongText, 0 otherwise
};

struct IndexDef {
    QString name;
    QStringList fields;
};

struct TableDef {
    QString name;     // "Articles"
    QString fileName; // "Articles.cds"
    std::vector<FieldDef> fields;
    std::optional<IndexDef> index;

    // Position of a field, without regard to letter case; -1 when there is none.
    int fieldIndex(QStringView fieldName) const;
};

// A null value is std::monostate.
using Value = std::variant<std::monostate, qint32, double, QString, bool, QDateTime>;
using Row = std::vector<Value>;

inline bool isNull(const Value& v) {
    return std::holds_alternative<std::monostate>(v);
}

// Conversions as a data-set field does them: null gives 0, "" or false;
// a text that is no number gives 0.
qint32 toInt(const Value& v);
double toDouble(const Value& v);
QString toString(const Value& v);
bool toBool(const Value& v);

// Compares two values for sorting: null first, numbers by value, texts without
// regard to case first and then by case; -1, 0 or 1.
int compareValues(const Value& a, const Value& b);
// Equality as key searches and master links see it (exact, numbers across types).
bool valuesEqual(const Value& a, const Value& b);

// Errors of the storage layer (unknown field, unreadable file, bad value). `file` is
// the path of the table file at fault when one is known, so that a caller can name it.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message, const QString& file = QString())
        : std::runtime_error(message.toStdString()), message_(message), file_(file) {}
    const QString& message() const { return message_; }
    const QString& file() const { return file_; }

private:
    QString message_;
    QString file_;
};

QString fieldTypeName(FieldType type);
std::optional<FieldType> fieldTypeFromName(QStringView name);

} // namespace drel::db
