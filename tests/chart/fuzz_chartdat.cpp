// libFuzzer target: any bytes as "chart.dat" into the value table and back into a chart.
#include "base/messagesink.h"
#include "chart/chartdatei.h"
#include "chart/tabellenmodell.h"

#include <cstddef>
#include <cstdint>

namespace {

class StummeSenke : public drel::MessageSink {
public:
    void show(const drel::Message&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StummeSenke senke;
    drel::ScopedMessageSink guard(&senke);
    QString fehler;
    const auto inhalt = drel::chart::chartDatParsen(
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
        fehler);
    if (!inhalt)
        return 0;
    drel::chart::TabellenModell tabelle;
    tabelle.fuellen(*inhalt);
    drel::chart::ChartDaten daten;
    tabelle.zurueckLesen(daten);
    return 0;
}
