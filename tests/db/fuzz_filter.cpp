// libFuzzer target: any filter text is parsed and evaluated without a crash.
#include "db/filter.h"
#include "db/table.h"

#include <cstddef>
#include <cstdint>

namespace {

const drel::db::Table& table() {
    using namespace drel::db;
    static const Table t(
        {"Articles",
         "Articles.cds",
         {{"ID", FieldType::Int32, 0},
          {"Bezeichnung1", FieldType::WStr, 50},
          {"Hubvolumen", FieldType::Float64, 0},
          {"Aktiv", FieldType::Bool, 0}},
         std::nullopt},
        {{qint32(1), QStringLiteral("QN4"), 10.5, true}, {Value(), Value(), Value(), Value()}});
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const auto expr = drel::db::parseFilter(text, table(), drel::NumberSeparators::german());
        for (const drel::db::Row& row : table().rows())
            drel::db::filterAccepts(*expr, row);
    } catch (const drel::db::DbError&) {
    }
    return 0;
}
