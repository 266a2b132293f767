#include "chart/skalierungmodell.h"

#include "base/messagesink.h"
#include "base/numberformat.h"
#include "chart/chartdatei.h"

#include <algorithm>

namespace drel::chart {

int linkerRandBegrenzen(int mm) {
    return std::clamp(mm, 10, 150);
}
int breiteBegrenzen(int mm) {
    return std::clamp(mm, 20, 300);
}
int obererRandBegrenzen(int mm) {
    return std::clamp(mm, 10, 250);
}
int hoeheBegrenzen(int mm) {
    return std::clamp(mm, 20, 300);
}

namespace {

QString links(const QString& text, int breite) {
    return text.rightJustified(breite, u' ');
}

QString achsenText(double wert, int dezimalen, int stellen) {
    const int d = std::clamp(dezimalen, 0, 15);
    const QString muster = d == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(d, u'0');
    return links(formatFloat(muster, wert), std::clamp(stellen, 0, 64));
}

// Reads the dialog's number fields; the first text that is no number is reported.
class Leser {
public:
    bool zahl(const QString& text, double& wert) {
        if (!ok_)
            return false;
        if (!parseFloat(text, wert)) {
            report(keinGleitkommawert(text));
            ok_ = false;
        }
        return ok_;
    }
    bool ganz(const QString& text, int& wert) {
        double d = 0;
        if (!zahl(text, d))
            return false;
        wert = static_cast<int>(std::clamp(roundHalfEven(d), -1e9, 1e9));
        return true;
    }
    bool ok() const { return ok_; }

private:
    bool ok_ = true;
};

} // namespace

SkalierungModell::SkalierungModell() {
    CheckBox.fill(true);
    haken_.fill(true);
    CheckBox[0] = haken_[0] = false;
}

void SkalierungModell::fuellen(const ChartDaten& daten) {
    Edit[1] = achsenText(daten.XMin, daten.NoXDecimals, daten.NoXDigits);
    Edit[2] = achsenText(daten.XMax, daten.NoXDecimals, daten.NoXDigits);
    Edit[3] = achsenText(daten.XStep, daten.NoXDecimals, daten.NoXDigits);
    Edit[4] = links(QString::number(daten.NoXDigits), 5);
    Edit[5] = links(QString::number(daten.NoXDecimals), 5);
    Edit[6] = achsenText(daten.YMin, daten.NoYDecimals, daten.NoYDigits);
    Edit[7] = achsenText(daten.YMax, daten.NoYDecimals, daten.NoYDigits);
    Edit[8] = achsenText(daten.YStep, daten.NoYDecimals, daten.NoYDigits);
    Edit[9] = links(QString::number(daten.NoYDigits), 5);
    Edit[10] = links(QString::number(daten.NoYDecimals), 5);
    for (int feld : {1, 2, 3, 6, 7, 8})
        gezeigt_[static_cast<size_t>(feld)] = {Edit[static_cast<size_t>(feld)], 0.0};
    gezeigt_[1].wert = daten.XMin;
    gezeigt_[2].wert = daten.XMax;
    gezeigt_[3].wert = daten.XStep;
    gezeigt_[6].wert = daten.YMin;
    gezeigt_[7].wert = daten.YMax;
    gezeigt_[8].wert = daten.YStep;
    Edit[11] = daten.ChartTitel;
    Edit[12] = daten.ChartXAchse;
    Edit[13] = daten.ChartYAchse;
    Edit[14] = daten.ChartLegende1;
    Edit[15] = daten.ChartLegende2;
    Edit[16] = daten.ChartLegende3;
    Edit[17] = QString::number(daten.LeftRand);
    Edit[18] = shortestDecimal(daten.Breite);
    Edit[19] = shortestDecimal(daten.TopRand);
    Edit[20] = shortestDecimal(daten.Hoehe);
    for (int g = 1; g <= kMaxGraphen; ++g) {
        Edit[static_cast<size_t>(20 + g)] = daten.graph(g).Parameter;
        SpinEdit[static_cast<size_t>(g)] = daten.graph(g).Strichstaerke;
        Farben[static_cast<size_t>(g)] = daten.graph(g).Farbe;
    }
    SpinEdit[11] = std::clamp<int>(daten.Scale, 1, 4);
    CheckBox = haken_;
    RadioGroup1 = std::clamp(daten.ParameterPosition, 0, 3);
    Art = std::clamp(static_cast<int>(daten.Art), 0, 4);
}

void SkalierungModell::farbeWaehlen(int i, WinFarbe farbe) {
    if (i >= 1 && i <= kMaxGraphen)
        Farben[static_cast<size_t>(i)] = farbe;
}

void SkalierungModell::ok() {
    haken_ = CheckBox;
    bestaetigt_ = true;
}

double SkalierungModell::achsenWert(int feld, double gelesen) const {
    const Gezeigt& g = gezeigt_[static_cast<size_t>(feld)];
    return !g.text.isEmpty() && Edit[static_cast<size_t>(feld)] == g.text ? g.wert : gelesen;
}

bool SkalierungModell::uebernehmen(ChartDaten& daten) const {
    if (!bestaetigt_)
        return false;
    Leser l;
    double xMin = 0, xMax = 0, xStep = 0, yMin = 0, yMax = 0, yStep = 0;
    int xDigits = 0, xDecimals = 0, yDigits = 0, yDecimals = 0;
    int links = 0, breite = 0, oben = 0, hoehe = 0;
    l.zahl(Edit[1], xMin);
    l.zahl(Edit[2], xMax);
    l.zahl(Edit[3], xStep);
    l.ganz(Edit[4], xDigits);
    l.ganz(Edit[5], xDecimals);
    l.zahl(Edit[6], yMin);
    l.zahl(Edit[7], yMax);
    l.zahl(Edit[8], yStep);
    l.ganz(Edit[9], yDigits);
    l.ganz(Edit[10], yDecimals);
    l.ganz(Edit[17], links);
    l.ganz(Edit[18], breite);
    l.ganz(Edit[19], oben);
    l.ganz(Edit[20], hoehe);
    if (!l.ok())
        return false;
    daten.XMin = achsenWert(1, xMin);
    daten.XMax = achsenWert(2, xMax);
    daten.XStep = achsenWert(3, xStep);
    daten.NoXDigits = xDigits;
    daten.NoXDecimals = xDecimals;
    daten.YMin = achsenWert(6, yMin);
    daten.YMax = achsenWert(7, yMax);
    daten.YStep = achsenWert(8, yStep);
    daten.NoYDigits = yDigits;
    daten.NoYDecimals = yDecimals;
    daten.ChartTitel = Edit[11];
    daten.ChartXAchse = Edit[12];
    daten.ChartYAchse = Edit[13];
    daten.ChartLegende1 = Edit[14];
    daten.ChartLegende2 = Edit[15];
    daten.ChartLegende3 = Edit[16];
    for (int g = 1; g <= kMaxGraphen; ++g) {
        GraphDaten& graph = daten.graph(g);
        graph.Farbe = Farben[static_cast<size_t>(g)];
        graph.LinienZeigen = haken_[static_cast<size_t>(g)];
        graph.KreuzeZeigen = haken_[static_cast<size_t>(10 + g)];
        graph.Strichstaerke = SpinEdit[static_cast<size_t>(g)];
        graph.Parameter = Edit[static_cast<size_t>(20 + g)];
    }
    daten.LeftRand = linkerRandBegrenzen(links);
    daten.Breite = breiteBegrenzen(breite);
    daten.TopRand = obererRandBegrenzen(oben);
    daten.Hoehe = hoeheBegrenzen(hoehe);
    daten.Scale = static_cast<quint16>(std::clamp(SpinEdit[11], 1, 4));
    daten.ParameterPosition = std::clamp(RadioGroup1, 0, 3);
    daten.Art = static_cast<ChartArt>(std::clamp(Art, 0, 4));
    return true;
}

} // namespace drel::chart
