// libFuzzer target: any bytes as the input table of a batch (an XLSX archive when it
// starts like one, else CSV text).
#include "sheet/reihenrechnung.h"
#include "sheet/xlsxlesen.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.startsWith("PK")) {
        if (const auto zellen = drel::sheet::xlsxZellenLesen(bytes))
            drel::sheet::reihenAusZellen(*zellen);
    } else {
        drel::sheet::reihenAusCsv(QString::fromUtf8(bytes));
    }
    return 0;
}
