#include "sheet/grenzdiagramm.h"

#include "chart/vorbereitung.h"

#include <QCoreApplication>

namespace drel::sheet {

QSize diagrammFlaeche(QSize platz) {
    constexpr double kFlachstens = 1.8;
    constexpr double kHoechstens = 1.2;
    const int b = platz.width();
    const int h = platz.height();
    if (b <= 0 || h <= 0)
        return {0, 0};
    if (b > kFlachstens * h)
        return {static_cast<int>(kFlachstens * h), h};
    if (b < kHoechstens * h)
        return {b, static_cast<int>(b / kHoechstens)};
    return platz;
}

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
    gezeichnet_ = true;
    const chart::WinFarbe farbe = kreuzFarbe(polygone, achsen, t0, tc);
    // The axes as the shown chart corrects them before it draws.
    chart::vorbereiten(daten_, kDiagrammGroesse.width(), kDiagrammGroesse.height());
    return farbe;
}

void GrenzDiagramm::achsenBeschriften(bool fahrenheit) {
    const QString einheit = fahrenheit ? QStringLiteral("°F") : QStringLiteral("°C");
    daten_.ChartXAchse =
        QCoreApplication::translate("drel::sheet::GrenzDiagramm", "Verdampfungstemperatur t0 [%1]")
            .arg(einheit);
    daten_.ChartYAchse = QCoreApplication::translate("drel::sheet::GrenzDiagramm",
                                                     "Verflussigungstemperatur tc [%1]")
                             .arg(einheit);
}

chart::WinFarbe GrenzDiagramm::farbe(const chart::GrenzPolygone& polygone,
                                     const chart::GrenzAchsen& achsen, double t0, double tc) {
    gezeichnet_ = false;
    return kreuzFarbe(polygone, achsen, t0, tc);
}

// The envelope test on this chart's settings and size draws graphs 1 and 2 exactly as
// the shown chart does, so its colour is the one under the shown cross.
chart::WinFarbe GrenzDiagramm::kreuzFarbe(const chart::GrenzPolygone& polygone,
                                          const chart::GrenzAchsen& achsen, double t0, double tc) {
    chart::grenzChartFuellen(daten_, polygone, achsen, t0, tc);
    if (!test_)
        test_.emplace(daten_, kDiagrammGroesse);
    // The colour of the previous point carries over, as on the drawn chart.
    test_->setFarbeKreuz(daten_.FarbeKreuz);
    daten_.FarbeKreuz = test_->farbe(polygone, achsen, t0, tc);
    return daten_.FarbeKreuz;
}

} // namespace drel::sheet
