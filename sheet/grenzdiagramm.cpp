#include "sheet/grenzdiagramm.h"

namespace drel::sheet {

GrenzDiagramm::GrenzDiagramm() {
    // The stored settings of the sheet's chart.
    daten_.XStep = 10;
    daten_.YStep = 10;
    daten_.Scale = 1;
    daten_.LeftRand = 25;
    daten_.Breite = 130;
    daten_.TopRand = 0;
    daten_.Hoehe = 80;
    daten_.NoXDecimals = 0;
    daten_.NoYDecimals = 0;
    daten_.FarbeKreuz = chart::kSchwarz;
    for (int g = 1; g <= 3; ++g)
        daten_.graph(g).Farbe = chart::kReinBlau;
}

chart::WinFarbe GrenzDiagramm::zeichnen(const chart::GrenzPolygone& polygone,
                                        const chart::GrenzAchsen& achsen, double t0, double tc) {
    chart::grenzChartFuellen(daten_, polygone, achsen, t0, tc);
    zeichnung_ = chart::zeichnen(daten_, kDiagrammGroesse);
    return daten_.FarbeKreuz;
}

chart::WinFarbe GrenzDiagramm::farbe(const chart::GrenzPolygone& polygone,
                                     const chart::GrenzAchsen& achsen, double t0, double tc) {
    chart::grenzChartFuellen(daten_, polygone, achsen, t0, tc);
    if (!test_)
        test_.emplace(daten_, kDiagrammGroesse);
    // The colour of the previous point carries over, as on the drawn chart.
    test_->setFarbeKreuz(daten_.FarbeKreuz);
    daten_.FarbeKreuz = test_->farbe(polygone, achsen, t0, tc);
    zeichnung_ = chart::Zeichnung{};
    return daten_.FarbeKreuz;
}

} // namespace drel::sheet
