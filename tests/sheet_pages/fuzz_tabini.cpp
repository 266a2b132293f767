// libFuzzer target: any bytes as Tab.ini. Every value read is finite and inside its
// field's range, and what was written reads back to the same text.
#include "sheet/pages/leistungstabelle.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    drel::sheet::TabBereiche b;
    b.lesenAus(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const drel::sheet::SpinFeld* f :
         {&b.SpinEdit1, &b.SpinEdit2, &b.SpinEdit3, &b.SpinEdit4, &b.SpinEdit5, &b.SpinEdit6}) {
        if (!std::isfinite(f->wert) || f->wert < f->min || f->wert > f->max)
            std::abort();
    }
    const QByteArray einmal = b.inhalt();
    drel::sheet::TabBereiche c;
    c.lesenAus(einmal);
    if (c.inhalt() != einmal)
        std::abort();
    return 0;
}
