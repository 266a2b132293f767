// Sources of the method (read 2026-12-10):
// - Commission Regulation (EU) 2015/1095, Annex I and the SEPR of condensing units
//   (eur-lex.europa.eu, legislation.gov.uk/eur/2015/1095); EN 13215:2016, which took
//   the part-load conditions and the SEPR calculation in (DIN EN 13215:2017-03,
//   national foreword).
// - "Transitional method for determination of the SEPR for air-cooled condensing
//   units", Annex 1 to the European Commission stakeholder questionnaire, 19 March
//   2012: rating points A–D at 32, 25, 15, 5 °C, part-load ratio 60 % + 40 % ×
//   (Tj − TD)/(TA − TD) at medium and 80 % + 20 % × … at low temperature.
// - The SEPR calculation tool of the Commission with ASERCOM, Eurovent and EPEE
//   ("CU Annex 2 SEPR Calculation Tool V1.4.2"): COP(PL) = COP × (1 − Cd × (1 − CR)),
//   Cd = 0.25, CR = demand / capacity, linear interpolation between the rating points,
//   constant beyond A and D, 54 bins from −19 to 34 °C; its worked example is the
//   test of this file.
#include "calc/sepr.h"

#include <algorithm>
#include <cmath>

namespace drel::calc {

namespace {

// Hours of the year per outdoor-temperature bin. The bins from −19 to 9 °C are those
// printed in the worked example of the calculation tool; the bins from 10 to 34 °C
// are the regulation's table as remembered here, not yet checked against a stored copy
// of it (the 54 bins sum to 8773.12 h).
constexpr std::array<SeprBin, 54> kBins{{
    {-19, 0.08},  {-18, 0.41},  {-17, 0.65},  {-16, 1.05},  {-15, 1.74},  {-14, 2.98},
    {-13, 3.79},  {-12, 5.69},  {-11, 8.94},  {-10, 11.81}, {-9, 17.29},  {-8, 20.02},
    {-7, 28.73},  {-6, 39.71},  {-5, 56.61},  {-4, 76.36},  {-3, 106.07}, {-2, 153.22},
    {-1, 203.41}, {0, 247.98},  {1, 282.01},  {2, 275.91},  {3, 300.61},  {4, 310.77},
    {5, 336.48},  {6, 350.48},  {7, 363.49},  {8, 368.91},  {9, 371.63},  {10, 377.32},
    {11, 376.53}, {12, 386.42}, {13, 389.84}, {14, 384.45}, {15, 370.45}, {16, 344.96},
    {17, 328.02}, {18, 305.36}, {19, 261.87}, {20, 223.90}, {21, 196.31}, {22, 163.04},
    {23, 141.78}, {24, 121.93}, {25, 104.46}, {26, 85.77},  {27, 69.54},  {28, 56.22},
    {29, 43.84},  {30, 32.55},  {31, 25.60},  {32, 17.46},  {33, 11.57},  {34, 7.10},
}};

// A value at outdoor temperature t between the rating points (A..D, falling air).
double zwischen(const std::array<double, 4>& werte, double t) {
    if (t >= kSeprLuft[0])
        return werte[0];
    if (t <= kSeprLuft[3])
        return werte[3];
    for (std::size_t k = 0; k + 1 < kSeprLuft.size(); ++k) {
        const double oben = kSeprLuft[k], unten = kSeprLuft[k + 1];
        if (t <= oben && t >= unten)
            return werte[k + 1] + (werte[k] - werte[k + 1]) * (t - unten) / (oben - unten);
    }
    return werte[3];
}

} // namespace

double seprVerdampfung(SeprAnwendung a) {
    return a == SeprAnwendung::Normalkuehlung ? -10.0 : -35.0;
}

double seprLastAnteil(SeprAnwendung a) {
    return a == SeprAnwendung::Normalkuehlung ? 0.4 : 0.2;
}

const std::array<SeprBin, 54>& seprBins() {
    return kBins;
}

double seprTeillast(SeprAnwendung a, double t) {
    const double ta = kSeprLuft[0], td = kSeprLuft[3];
    const double anteil = std::clamp((t - td) / (ta - td), 0.0, 1.0);
    const double eta = seprLastAnteil(a);
    return 1.0 - eta + eta * anteil;
}

bool SeprErgebnis::berechenbar() const {
    return std::isfinite(sepr);
}

SeprBinWert seprBinWert(const SeprErgebnis& e, double t) {
    std::array<double, 4> qo{}, cop{};
    for (std::size_t k = 0; k < 4; ++k) {
        qo[k] = e.punkte[k].Qo;
        cop[k] = e.punkte[k].cop;
    }
    SeprBinWert w{};
    w.bedarf = qo[0] * seprTeillast(e.anwendung, t);
    // A unit that cannot meet the demand runs all the time: no cycling loss.
    w.cr = std::min(1.0, w.bedarf / zwischen(qo, t));
    w.copTeillast = zwischen(cop, t) * (1.0 - kSeprCd * (1.0 - w.cr));
    return w;
}

SeprErgebnis seprBerechnen(SeprAnwendung a, const std::array<double, 4>& Qo,
                           const std::array<double, 4>& P) {
    SeprErgebnis e;
    e.anwendung = a;
    bool gueltig = true;
    for (std::size_t k = 0; k < 4; ++k) {
        SeprPunkt& p = e.punkte[k];
        p.luft = kSeprLuft[k];
        p.Qo = Qo[k];
        p.P = P[k];
        gueltig =
            gueltig && std::isfinite(Qo[k]) && std::isfinite(P[k]) && Qo[k] > 0.0 && P[k] > 0.0;
        p.cop = Qo[k] / P[k];
    }
    if (!gueltig)
        return e;
    for (SeprPunkt& p : e.punkte) {
        p.teillast = seprTeillast(a, p.luft);
        const SeprBinWert w = seprBinWert(e, p.luft);
        p.bedarf = w.bedarf;
        p.cr = w.cr;
        p.copTeillast = w.copTeillast;
    }
    double bedarf = 0.0, strom = 0.0;
    for (const SeprBin& bin : kBins) {
        const SeprBinWert w = seprBinWert(e, bin.t);
        bedarf += bin.h * w.bedarf;
        strom += bin.h * w.bedarf / w.copTeillast;
    }
    e.jahresBedarf = bedarf;
    e.jahresStrom = strom;
    e.sepr = bedarf / strom;
    return e;
}

} // namespace drel::calc
