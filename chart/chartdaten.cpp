#include "chart/chartdaten.h"

#include <algorithm>

namespace drel::chart {

WinFarbe anfangsFarbe(int g) {
    static constexpr std::array<WinFarbe, kMaxGraphen> farben = {
        kReinBlau, kReinBlau, kReinBlau, 0, 8421376, 8421504, 16776960, 128, 65280, 8388736};
    return ChartDaten::gueltigerGraph(g) ? farben[static_cast<size_t>(g - 1)] : kSchwarz;
}

int GraphDaten::punkte() const {
    return std::clamp(PunktZahl, 0, kMaxPunkte);
}
int GraphDaten::kreuze() const {
    return std::clamp(KreuzZahl, 0, kMaxPunkte);
}

void Punktreihe::setzen(std::size_t i, float wert) {
    if (i >= werte_.size())
        werte_.resize(i + 1, 0.0F);
    werte_[i] = wert;
}

ChartDaten::ChartDaten() : graphen_(kMaxGraphen) {
    for (int g = 1; g <= kMaxGraphen; ++g)
        graph(g).Farbe = anfangsFarbe(g);
}

void ChartDaten::PunktSetzen(int g, int i, float x, float y) {
    if (!gueltigerGraph(g) || i < 1 || i > kMaxPunkte)
        return;
    auto& daten = graph(g);
    daten.kurveX.setzen(static_cast<size_t>(i - 1), x);
    daten.kurveY.setzen(static_cast<size_t>(i - 1), y);
}

void ChartDaten::KreuzSetzen(int g, int i, float x, float y) {
    if (!gueltigerGraph(g) || i < 1 || i > kMaxPunkte)
        return;
    auto& daten = graph(g);
    daten.kreuzX.setzen(static_cast<size_t>(i - 1), x);
    daten.kreuzY.setzen(static_cast<size_t>(i - 1), y);
}

int ChartDaten::graphen() const {
    return std::clamp(NoGraphs, 0, kMaxGraphen);
}

QStringList legenden(const ChartDaten& daten) {
    QStringList zeilen;
    for (const QString* text : {&daten.ChartLegende1, &daten.ChartLegende2, &daten.ChartLegende3})
        if (!text->isEmpty())
            zeilen << *text;
    return zeilen;
}

} // namespace drel::chart
