// The condenser capacity table of the condensing-unit search and the data sheets.
#pragma once

#include <QString>
#include <array>
#include <vector>

namespace drel::db {

struct LukoEintrag {
    qint32 LuftkondensatorID = 0;
    QString Kaeltemittel;                    // Ashrae designation, at most 6 characters
    std::array<double, 5> KondensLeistung{}; // 1..4
};

struct LukoTabelle {
    std::vector<LukoEintrag> eintraege; // entry k is eintraege[k - 1]
    int anzahl() const { return static_cast<int>(eintraege.size()); }
};

} // namespace drel::db
