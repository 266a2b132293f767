#include "db/filter.h"

#include "db/table.h"

namespace drel::db {

namespace {

enum class Op { Eq, Ne, Lt, Le, Gt, Ge };

class Constant : public FilterExpression {
public:
    explicit Constant(Value v) : value_(std::move(v)) {}
    Value evaluate(const Row&) const override { return value_; }

private:
    Value value_;
};

class FieldRef : public FilterExpression {
public:
    FieldRef(int index, bool isText) : index_(index), isText_(isText) {}
    Value evaluate(const Row& row) const override {
        const Value& v = row[static_cast<size_t>(index_)];
        // An empty text may be stored as null; filters see both as ''.
        if (isText_ && drel::db::isNull(v))
            return QString();
        return v;
    }

private:
    int index_;
    bool isText_;
};

bool isNumberValue(const Value& v) {
    return std::holds_alternative<qint32>(v) || std::holds_alternative<double>(v) ||
           std::holds_alternative<bool>(v);
}

// Three-way comparison for filters: texts case-sensitive and by code unit, numbers by
// value, a number against a text as numbers when the text is one. Empty optional
// when the values cannot be compared (null).
std::optional<int> compareForFilter(const Value& a, const Value& b) {
    if (isNull(a) || isNull(b))
        return std::nullopt;
    const auto* sa = std::get_if<QString>(&a);
    const auto* sb = std::get_if<QString>(&b);
    if (sa && sb) {
        const int c = sa->compare(*sb, Qt::CaseSensitive);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    if (sa || sb) {
        const QString& text = sa ? *sa : *sb;
        double parsed = 0.0;
        if (!parseFloat(text, NumberSeparators::english(), parsed)) {
            const QString other = toString(sa ? b : a);
            const int c = sa ? text.compare(other) : other.compare(text);
            return c < 0 ? -1 : (c > 0 ? 1 : 0);
        }
        const double x = sa ? parsed : toDouble(a);
        const double y = sa ? toDouble(b) : parsed;
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (isNumberValue(a) && isNumberValue(b)) {
        const double x = toDouble(a);
        const double y = toDouble(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return compareValues(a, b);
}

class Comparison : public FilterExpression {
public:
    Comparison(Op op, std::unique_ptr<FilterExpression> l, std::unique_ptr<FilterExpression> r)
        : op_(op), left_(std::move(l)), right_(std::move(r)) {}
    Value evaluate(const Row& row) const override {
        const auto c = compareForFilter(left_->evaluate(row), right_->evaluate(row));
        if (!c)
            return false;
        switch (op_) {
        case Op::Eq:
            return *c == 0;
        case Op::Ne:
            return *c != 0;
        case Op::Lt:
            return *c < 0;
        case Op::Le:
            return *c <= 0;
        case Op::Gt:
            return *c > 0;
        case Op::Ge:
            return *c >= 0;
        }
        return false;
    }

private:
    Op op_;
    std::unique_ptr<FilterExpression> left_;
    std::unique_ptr<FilterExpression> right_;
};

class IsNull : public FilterExpression {
public:
    IsNull(std::unique_ptr<FilterExpression> operand, bool negate)
        : operand_(std::move(operand)), negate_(negate) {}
    Value evaluate(const Row& row) const override {
        const Value v = operand_->evaluate(row);
        const bool null =
            isNull(v) || (std::holds_alternative<QString>(v) && std::get<QString>(v).isEmpty());
        return null != negate_;
    }

private:
    std::unique_ptr<FilterExpression> operand_;
    bool negate_;
};

class Logical : public FilterExpression {
public:
    Logical(bool isAnd, std::unique_ptr<FilterExpression> l, std::unique_ptr<FilterExpression> r)
        : isAnd_(isAnd), left_(std::move(l)), right_(std::move(r)) {}
    Value evaluate(const Row& row) const override {
        const bool l = toBool(left_->evaluate(row));
        if (isAnd_ && !l)
            return false;
        if (!isAnd_ && l)
            return true;
        return toBool(right_->evaluate(row));
    }

private:
    bool isAnd_;
    std::unique_ptr<FilterExpression> left_;
    std::unique_ptr<FilterExpression> right_;
};

class Not : public FilterExpression {
public:
    explicit Not(std::unique_ptr<FilterExpression> operand) : operand_(std::move(operand)) {}
    Value evaluate(const Row& row) const override { return !toBool(operand_->evaluate(row)); }

private:
    std::unique_ptr<FilterExpression> operand_;
};

enum class Tok { End, Ident, String, Number, LParen, RParen, Op };

struct Token {
    Tok kind = Tok::End;
    QString text;
    Value value;
    Op op = Op::Eq;
    int position = 0;
};

class Parser {
public:
    Parser(const QString& text, const Table& table, const NumberSeparators& sep)
        : text_(text), table_(table), sep_(sep) {
        advance();
    }

    std::unique_ptr<FilterExpression> parse() {
        auto expr = parseOr();
        if (current_.kind != Tok::End)
            fail(QStringLiteral("unexpected '%1'").arg(current_.text));
        return expr;
    }

private:
    [[noreturn]] void fail(const QString& what) const {
        throw DbError(QStringLiteral("Filter \"%1\", position %2: %3")
                          .arg(text_)
                          .arg(current_.position + 1)
                          .arg(what));
    }

    bool isKeyword(const char* word) const {
        return current_.kind == Tok::Ident &&
               current_.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    // A chain of "or"/"and" builds a tree as deep as it is long, and evaluating or
    // freeing it recurses that deep: the number of operators is bounded as well.
    void verknuepfung() {
        if (++verknuepfungen_ > kMaxVerknuepfungen)
            fail(QStringLiteral("too many terms"));
    }

    std::unique_ptr<FilterExpression> parseOr() {
        auto left = parseAnd();
        while (isKeyword("or")) {
            verknuepfung();
            advance();
            left = std::make_unique<Logical>(false, std::move(left), parseAnd());
        }
        return left;
    }

    std::unique_ptr<FilterExpression> parseAnd() {
        auto left = parseNot();
        while (isKeyword("and")) {
            verknuepfung();
            advance();
            left = std::make_unique<Logical>(true, std::move(left), parseNot());
        }
        return left;
    }

    std::unique_ptr<FilterExpression> parseNot() {
        // Parentheses and "not" recurse; a bound keeps a hostile text off the stack.
        if (++depth_ > kMaxDepth)
            fail(QStringLiteral("too deeply nested"));
        std::unique_ptr<FilterExpression> result;
        if (isKeyword("not")) {
            advance();
            result = std::make_unique<Not>(parseNot());
        } else {
            result = parseComparison();
        }
        --depth_;
        return result;
    }

    std::unique_ptr<FilterExpression> parseComparison() {
        auto left = parseOperand();
        if (isKeyword("is")) {
            advance();
            bool negate = false;
            if (isKeyword("not")) {
                negate = true;
                advance();
            }
            if (!isKeyword("null"))
                fail(QStringLiteral("'null' expected"));
            advance();
            return std::make_unique<IsNull>(std::move(left), negate);
        }
        if (current_.kind != Tok::Op)
            return left;
        const Op op = current_.op;
        advance();
        return std::make_unique<Comparison>(op, std::move(left), parseOperand());
    }

    std::unique_ptr<FilterExpression> parseOperand() {
        Token token = current_;
        switch (token.kind) {
        case Tok::LParen: {
            advance();
            auto inner = parseOr();
            if (current_.kind != Tok::RParen)
                fail(QStringLiteral("')' expected"));
            advance();
            return inner;
        }
        case Tok::String:
        case Tok::Number:
            advance();
            return std::make_unique<Constant>(token.value);
        case Tok::Ident: {
            if (isKeyword("true") || isKeyword("false")) {
                advance();
                return std::make_unique<Constant>(
                    token.text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0);
            }
            if (isKeyword("null")) {
                advance();
                return std::make_unique<Constant>(Value());
            }
            const int index = table_.fieldIndex(token.text);
            if (index < 0)
                fail(QStringLiteral("unknown field '%1'").arg(token.text));
            advance();
            const FieldType type = table_.def().fields[static_cast<size_t>(index)].type;
            return std::make_unique<FieldRef>(index, type == FieldType::WStr ||
                                                         type == FieldType::LongText);
        }
        default:
            fail(current_.kind == Tok::End ? QStringLiteral("unexpected end")
                                           : QStringLiteral("unexpected '%1'").arg(token.text));
        }
    }

    QChar peek(int offset = 0) const {
        const int i = pos_ + offset;
        return i < text_.size() ? text_.at(i) : QChar();
    }

    bool startsNumberSeparator(int offset) const {
        const QChar c = peek(offset);
        return (c == QLatin1Char('.') || c == sep_.decimal) && peek(offset + 1).isDigit();
    }

    void advance() {
        while (pos_ < text_.size() && text_.at(pos_).isSpace())
            ++pos_;
        current_ = Token{};
        current_.position = pos_;
        if (pos_ >= text_.size())
            return;
        const QChar c = text_.at(pos_);
        if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
            current_.kind = c == QLatin1Char('(') ? Tok::LParen : Tok::RParen;
            current_.text = c;
            ++pos_;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            readString(c);
        } else if (c.isDigit() || startsNumberSeparator(0) ||
                   ((c == QLatin1Char('-') || c == QLatin1Char('+')) &&
                    (peek(1).isDigit() || startsNumberSeparator(1)))) {
            readNumber();
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            const int start = pos_;
            while (pos_ < text_.size() &&
                   (text_.at(pos_).isLetterOrNumber() || text_.at(pos_) == QLatin1Char('_')))
                ++pos_;
            current_.kind = Tok::Ident;
            current_.text = text_.mid(start, pos_ - start);
        } else if (c == QLatin1Char('[')) {
            const int end = text_.indexOf(QLatin1Char(']'), pos_);
            if (end < 0)
                fail(QStringLiteral("']' expected"));
            current_.kind = Tok::Ident;
            current_.text = text_.mid(pos_ + 1, end - pos_ - 1);
            pos_ = end + 1;
        } else {
            readOperator();
        }
    }

    void readString(QChar quote) {
        QString value;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size())
                fail(QStringLiteral("unterminated text"));
            const QChar ch = text_.at(pos_++);
            if (ch == quote) {
                if (peek() == quote) { // doubled quote stands for one
                    value += quote;
                    ++pos_;
                    continue;
                }
                break;
            }
            value += ch;
        }
        current_.kind = Tok::String;
        current_.text = value;
        current_.value = value;
    }

    void readNumber() {
        const int start = pos_;
        QString ascii;
        if (peek() == QLatin1Char('-') || peek() == QLatin1Char('+'))
            ascii += text_.at(pos_++);
        bool seenPoint = false;
        while (pos_ < text_.size()) {
            const QChar ch = text_.at(pos_);
            if (ch.isDigit()) {
                ascii += ch;
            } else if (!seenPoint && startsNumberSeparator(0)) {
                seenPoint = true;
                ascii += QLatin1Char('.');
            } else if ((ch == QLatin1Char('e') || ch == QLatin1Char('E')) &&
                       (peek(1).isDigit() ||
                        ((peek(1) == QLatin1Char('-') || peek(1) == QLatin1Char('+')) &&
                         peek(2).isDigit()))) {
                ascii += QLatin1Char('e');
                ++pos_;
                ascii += text_.at(pos_);
                seenPoint = true;
            } else {
                break;
            }
            ++pos_;
        }
        double number = 0.0;
        if (!parseFloat(ascii, NumberSeparators::english(), number))
            fail(QStringLiteral("bad number"));
        current_.kind = Tok::Number;
        current_.text = text_.mid(start, pos_ - start);
        current_.value = number;
    }

    void readOperator() {
        struct Candidate {
            const char* text;
            Op op;
        };
        static const Candidate candidates[] = {{"<>", Op::Ne}, {"<=", Op::Le}, {">=", Op::Ge},
                                               {"!=", Op::Ne}, {"=", Op::Eq},  {"<", Op::Lt},
                                               {">", Op::Gt}};
        for (const Candidate& cand : candidates) {
            const QLatin1String t(cand.text);
            if (QStringView(text_).mid(pos_).startsWith(t)) {
                current_.kind = Tok::Op;
                current_.op = cand.op;
                current_.text = t;
                pos_ += static_cast<int>(t.size());
                return;
            }
        }
        current_.text = text_.at(pos_);
        fail(QStringLiteral("unexpected '%1'").arg(text_.at(pos_)));
    }

    static constexpr int kMaxDepth = 200;
    static constexpr int kMaxVerknuepfungen = 10000;
    int verknuepfungen_ = 0;

    const QString& text_;
    const Table& table_;
    NumberSeparators sep_;
    int pos_ = 0;
    int depth_ = 0;
    Token current_;
};

} // namespace

std::unique_ptr<FilterExpression> parseFilter(const QString& text, const Table& table,
                                              const NumberSeparators& separators) {
    return Parser(text, table, separators).parse();
}

std::unique_ptr<FilterExpression> parseFilter(const QString& text, const Table& table) {
    return parseFilter(text, table, numberSeparators());
}

bool filterAccepts(const FilterExpression& expression, const Row& row) {
    return toBool(expression.evaluate(row));
}

} // namespace drel::db
