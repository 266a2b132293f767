// libFuzzer target: any bytes as search.ini. Reading never leaves the data, and what
// was read survives a write and a second read unchanged.
#include "state/suchrec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const drel::SuchRec rec = drel::SuchRec::lesen(bytes);
    const QByteArray record = rec.schreiben();
    if (record.size() != drel::SuchRec::Groesse || drel::SuchRec::lesen(record) != rec)
        std::abort();

    QByteArray roh = bytes.toByteArray();
    drel::SuchRec::spracheEinsetzen(roh, rec.kurzCode, rec.sprachNummer, rec.code);
    if (roh.size() != bytes.size())
        std::abort();
    return 0;
}
