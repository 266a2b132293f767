#include "tools/catalogue/verdichtermodell.h"

#include "fluid/stoff.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>

namespace drel::katalog {

VerdichterModell::VerdichterModell(fluid::TStoff& stoff, QString kaeltemittel,
                                   ModellParameter parameter, Sauggas sauggas)
    : stoff_(stoff), kaeltemittel_(std::move(kaeltemittel)), par_(parameter), sauggas_(sauggas) {}

double VerdichterModell::isentropeArbeit(double p1, double v1, double p2) const {
    // Polytropic work of an ideal gas with the state at the inlet: p in bar, v in m3/kg.
    const double n = par_.polytrope;
    return n / (n - 1.0) * p1 * 100.0 * v1 * (std::pow(p2 / p1, (n - 1.0) / n) - 1.0);
}

double VerdichterModell::liefergrad(double pi) const {
    const double l = par_.lambda0 - par_.schadraum * (std::pow(pi, 1.0 / par_.polytrope) - 1.0);
    return std::max(l, 0.05);
}

double VerdichterModell::wirkungsgrad(double pi) const {
    const double x = std::log(pi / par_.piOptimal);
    return std::clamp(par_.etaMax * (1.0 - 0.07 * x * x), 0.3, 0.9);
}

ModellPunkt VerdichterModell::rechnen(double t0, double tc) const {
    ModellPunkt m;
    stoff_.KaeltemittelSetzen(kaeltemittel_);
    const double p0 = stoff_.Taudruck(t0);
    const double pc = stoff_.Taudruck(tc);
    if (!(p0 > 0) || !(pc > p0))
        return m;
    const double tsR = par_.zweistufig ? t0 + 20.0 : sauggas_.temperatur(t0);
    const double h1 = stoff_.DampfEnthalpie(tsR, p0);
    const double v1 = stoff_.DampfVolumen(tsR, p0);
    // The two-stage rating takes the liquid at tc + t0 (cooled in the intermediate cooler).
    const double h3 = par_.zweistufig ? stoff_.FluessigEnthalpie(tc + t0)
                                      : stoff_.FluessigEnthalpieSiedepunkt(pc);
    if (!(v1 > 0) || !(h1 > h3))
        return m;
    double leistung = 0.0;
    double massenstrom = 0.0;
    if (par_.zweistufig) {
        const double pm = std::sqrt(p0 * pc);
        massenstrom = liefergrad(pm / p0) / 3600.0 / v1;
        const double tm = stoff_.Siedetemperatur(pm);
        const double vm = stoff_.DampfVolumen(tm + 10.0, pm);
        const double wNieder = isentropeArbeit(p0, v1, pm) / wirkungsgrad(pm / p0);
        const double wHoch = isentropeArbeit(pm, vm, pc) / wirkungsgrad(pc / pm);
        // The high stage also draws the vapour of the intermediate cooler.
        leistung = massenstrom * (wNieder + 1.25 * wHoch);
    } else {
        const double pi = pc / p0;
        massenstrom = liefergrad(pi) / 3600.0 / v1;
        leistung = massenstrom * isentropeArbeit(p0, v1, pc) / wirkungsgrad(pi);
    }
    leistung += par_.reibung;
    if (par_.etaMotor > 0)
        leistung /= par_.etaMotor;
    m.Qo = massenstrom * (h1 - h3);
    m.P = leistung;
    m.gueltig = std::isfinite(m.Qo) && std::isfinite(m.P) && m.Qo > 0 && m.P > 0;
    return m;
}

std::array<double, 10> polynomTerme(double s, double d) {
    return {1.0, s, d, s * s, s * d, d * d, s * s * s, s * s * d, s * d * d, d * d * d};
}

double polynomWert(const Koeffizienten& c, double t0, double tc) {
    const auto x = polynomTerme(t0, tc);
    double y = 0.0;
    for (size_t k = 0; k < 10; ++k)
        y += c[k] * x[k];
    return y;
}

Anpassung polynomAnpassen(const std::vector<std::pair<double, double>>& punkte,
                          const std::vector<double>& werte) {
    const Eigen::Index n = static_cast<Eigen::Index>(punkte.size());
    // Centred and scaled variables keep the normal matrix well conditioned; the
    // coefficients are expanded back to t0 and tc afterwards.
    Eigen::MatrixXd a(n, 10);
    Eigen::VectorXd b(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        const auto [t0, tc] = punkte[static_cast<size_t>(i)];
        const double w = 1.0 / werte[static_cast<size_t>(i)];
        const auto x = polynomTerme(t0 / 50.0, tc / 50.0);
        for (Eigen::Index k = 0; k < 10; ++k)
            a(i, k) = x[static_cast<size_t>(k)] * w;
        b(i) = 1.0;
    }
    const Eigen::VectorXd loesung = a.colPivHouseholderQr().solve(b);
    Anpassung r;
    // Term k of the scaled variables carries 50^-(degree).
    const std::array<int, 10> grad{0, 1, 1, 2, 2, 2, 3, 3, 3, 3};
    for (size_t k = 0; k < 10; ++k)
        r.c[k] = loesung(static_cast<Eigen::Index>(k)) / std::pow(50.0, grad[k]);
    double summe = 0.0;
    for (size_t i = 0; i < punkte.size(); ++i) {
        const double rel = polynomWert(r.c, punkte[i].first, punkte[i].second) / werte[i] - 1.0;
        summe += rel * rel;
        r.maxRelativ = std::max(r.maxRelativ, std::abs(rel));
    }
    r.rmsRelativ = punkte.empty() ? 0.0 : std::sqrt(summe / static_cast<double>(punkte.size()));
    return r;
}

double motorStrom(double p, double nennleistung, double spannung) {
    const double wirk = p * 1000.0 / (std::sqrt(3.0) * spannung * 0.97);
    const double magnetisierung = 0.45 * nennleistung * 1000.0 / (std::sqrt(3.0) * spannung);
    return std::sqrt(wirk * wirk + magnetisierung * magnetisierung);
}

std::array<double, 4> stromAnpassen(double nennleistung, double spannung, double* rmsRelativ) {
    const int n = 40;
    Eigen::MatrixXd a(n, 4);
    Eigen::VectorXd b(n);
    for (int i = 0; i < n; ++i) {
        const double p = nennleistung * (0.1 + 1.2 * i / (n - 1));
        const double strom = motorStrom(p, nennleistung, spannung);
        const double x = p / nennleistung;
        a.row(i) << 1.0 / strom, x / strom, x * x / strom, x * x * x / strom;
        b(i) = 1.0;
    }
    const Eigen::VectorXd c = a.colPivHouseholderQr().solve(b);
    std::array<double, 4> k{c(0), c(1) / nennleistung, c(2) / (nennleistung * nennleistung),
                            c(3) / (nennleistung * nennleistung * nennleistung)};
    if (rmsRelativ) {
        double s = 0.0;
        for (int i = 0; i < n; ++i) {
            const double p = nennleistung * (0.1 + 1.2 * i / (n - 1));
            const double fit = k[0] + k[1] * p + k[2] * p * p + k[3] * p * p * p;
            const double rel = fit / motorStrom(p, nennleistung, spannung) - 1.0;
            s += rel * rel;
        }
        *rmsRelativ = std::sqrt(s / n);
    }
    return k;
}

} // namespace drel::katalog
