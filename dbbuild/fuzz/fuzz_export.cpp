// libFuzzer target: the export reader over arbitrary bytes, with the article mapping
// (which carries every rewrite) and the capacity mapping (every numeric type).
#include "dbbuild/exportleser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<drel::dbbuild::BauSchritt> schritte =
        drel::dbbuild::dbZuordnungErstellen();
    const QByteArray xml(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (size_t i : {size_t{0}, size_t{2}, size_t{3}}) {
        const drel::dbbuild::BauSchritt& s = schritte[i];
        try {
            drel::dbbuild::exportLesen(xml, s.xmlDatei, s.zuordnung, [&](const drel::db::Row& row) {
                if (row.size() != s.definition.fields.size())
                    __builtin_trap();
            });
        } catch (const drel::db::DbError&) {
            // a clear message is the expected outcome for broken input
        }
    }
    return 0;
}
