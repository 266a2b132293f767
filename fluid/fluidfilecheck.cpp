#include "fluid/fluidfilecheck.h"

#include "fluid/refrigerantmodel.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

namespace drel::fluid {

namespace {

using nlohmann::json;
using L = FluidLimits;

// German number text with seven significant digits, enough to show a difference
// at the check tolerance.
QString zahl(double v) {
    return QString::number(v, 'g', 7).replace(QLatin1Char('.'), QLatin1Char(','));
}

// Walks the members and keeps the first failure; later checks are skipped once
// one has failed, so the reason names the first fault in file order.
class MemberCheck {
public:
    bool ok() const { return reason_.isEmpty(); }
    const QString& reason() const { return reason_; }

    void fail(const QString& reason) {
        if (ok())
            reason_ = reason;
    }

    // The member `key` of `object`, shown as `path`; null when absent.
    const json* member(const json& object, const char* key, const QString& path) {
        if (!ok())
            return nullptr;
        if (!object.is_object() || !object.contains(key)) {
            fail(QStringLiteral("Eintrag %1 fehlt").arg(path));
            return nullptr;
        }
        return &object.at(key);
    }

    double number(const json& object, const char* key, const QString& path) {
        const json* m = member(object, key, path);
        if (!m)
            return NAN;
        if (!m->is_number()) {
            fail(QStringLiteral("Eintrag %1 ist keine Zahl").arg(path));
            return NAN;
        }
        return m->get<double>();
    }

    void array(const json& object, const char* key, const QString& path, bool nonEmpty) {
        const json* m = member(object, key, path);
        if (m && (!m->is_array() || (nonEmpty && m->empty())))
            fail(QStringLiteral("Eintrag %1 ist keine Liste").arg(path));
    }

    void object(const json& parent, const char* key, const QString& path) {
        const json* m = member(parent, key, path);
        if (m && !m->is_object())
            fail(QStringLiteral("Eintrag %1 ist kein Objekt").arg(path));
    }

    // Bounds included; NaN and infinity fail.
    void range(double v, double lo, double hi, const QString& what, const QString& unit,
               double scale, const QString& allowed) {
        if (ok() && !(v >= lo && v <= hi))
            fail(QStringLiteral("%1 %2%3 ist nicht zulässig (%4)")
                     .arg(what, zahl(v * scale), unit, allowed));
    }

    void positive(double v, const QString& path) {
        if (ok() && !(v > 0 && std::isfinite(v)))
            fail(QStringLiteral("Eintrag %1: %2 ist nicht zulässig (größer 0)").arg(path, zahl(v)));
    }

private:
    QString reason_;
};

void checkCommon(MemberCheck& c, const json& f) {
    const double m = c.number(f, "molar_mass", QStringLiteral("molar_mass"));
    c.range(m, L::kMolarMassMin, L::kMolarMassMax, QStringLiteral("Molmasse"),
            QStringLiteral(" g/mol"), 1000, QStringLiteral("2 bis 500 g/mol"));
    const double r = c.number(f, "gas_constant", QStringLiteral("gas_constant"));
    c.range(r, L::kGasConstantMin, L::kGasConstantMax, QStringLiteral("Gaskonstante"),
            QStringLiteral(" J/(mol K)"), 1, QStringLiteral("8,30 bis 8,33 J/(mol K)"));
    c.object(f, "critical", QStringLiteral("critical"));
    const double tc = c.ok() ? c.number(f.at("critical"), "T", QStringLiteral("critical.T")) : NAN;
    c.range(tc, L::kCriticalTMin, L::kCriticalTMax, QStringLiteral("Kritische Temperatur"),
            QStringLiteral(" K"), 1, QStringLiteral("100 bis 700 K"));
    const double tMin = c.number(f, "T_min", QStringLiteral("T_min"));
    c.positive(tMin, QStringLiteral("T_min"));
    if (c.ok() && !(tMin < tc))
        c.fail(QStringLiteral("Eintrag T_min: %1 K liegt nicht unter der kritischen Temperatur")
                   .arg(zahl(tMin)));
    const double tMax = c.number(f, "T_max", QStringLiteral("T_max"));
    if (c.ok() && !(tMax > tMin && std::isfinite(tMax)))
        c.fail(QStringLiteral("Eintrag T_max: %1 K liegt nicht über T_min").arg(zahl(tMax)));
    c.positive(c.number(f, "p_max", QStringLiteral("p_max")), QStringLiteral("p_max"));
    c.array(f, "ideal_gas", QStringLiteral("ideal_gas"), true);
}

void checkHelmholtz(MemberCheck& c, const json& f, bool pseudoPure) {
    if (!c.ok())
        return;
    const json& crit = f.at("critical");
    const double pc = c.number(crit, "p", QStringLiteral("critical.p"));
    c.range(pc, L::kCriticalPMin, L::kCriticalPMax, QStringLiteral("Kritischer Druck"),
            QStringLiteral(" MPa"), 1e-6, QStringLiteral("0,1 bis 25 MPa"));
    const double rhoc = c.number(crit, "rhomolar", QStringLiteral("critical.rhomolar"));
    c.range(rhoc, L::kCriticalRhoMin, L::kCriticalRhoMax, QStringLiteral("Kritische Dichte"),
            QStringLiteral(" mol/m³"), 1, QStringLiteral("500 bis 50000 mol/m³"));
    c.object(f, "reducing", QStringLiteral("reducing"));
    if (c.ok()) {
        const json& red = f.at("reducing");
        c.positive(c.number(red, "T", QStringLiteral("reducing.T")), QStringLiteral("reducing.T"));
        c.positive(c.number(red, "rhomolar", QStringLiteral("reducing.rhomolar")),
                   QStringLiteral("reducing.rhomolar"));
    }
    c.array(f, "residual", QStringLiteral("residual"), true);
    c.object(f, "ancillaries", QStringLiteral("ancillaries"));
    if (!c.ok())
        return;
    const json& anc = f.at("ancillaries");
    const char* lines[] = {pseudoPure ? "p_bubble" : "p_sat", pseudoPure ? "p_dew" : nullptr,
                           "rho_liquid", "rho_vapour"};
    for (const char* key : lines)
        if (key)
            c.object(anc, key, QStringLiteral("ancillaries.%1").arg(QLatin1String(key)));
}

// The components of a blend: what `eigene` checks of each, its mole fraction, and
// that the fractions sum to one.
template <typename F> void checkComponents(MemberCheck& c, const json& f, F eigene) {
    c.array(f, "components", QStringLiteral("components"), true);
    if (!c.ok())
        return;
    double sum = 0;
    int i = 0;
    for (const json& comp : f.at("components")) {
        const QString at = QStringLiteral("components[%1].").arg(i++);
        eigene(comp, at);
        const double x = c.number(comp, "x", at + QStringLiteral("x"));
        c.range(x, 0, 1, at + QStringLiteral("x"), QString(), 1, QStringLiteral("0 bis 1"));
        sum += x;
    }
    if (c.ok() && !(std::fabs(sum - 1) <= 1e-6))
        c.fail(QStringLiteral("Molanteile ergeben in Summe %1 statt 1").arg(zahl(sum)));
}

void criticalPressure(MemberCheck& c, const json& comp, const QString& at) {
    const double pc = c.number(comp, "p_c", at + QStringLiteral("p_c"));
    c.range(pc, L::kCriticalPMin, L::kCriticalPMax, at + QStringLiteral("p_c"),
            QStringLiteral(" MPa"), 1e-6, QStringLiteral("0,1 bis 25 MPa"));
}

void checkCubic(MemberCheck& c, const json& f) {
    checkComponents(c, f, [&c](const json& comp, const QString& at) {
        const double tc = c.number(comp, "T_c", at + QStringLiteral("T_c"));
        c.range(tc, L::kCriticalTMin, L::kCriticalTMax, at + QStringLiteral("T_c"),
                QStringLiteral(" K"), 1, QStringLiteral("100 bis 700 K"));
        criticalPressure(c, comp, at);
        const double omega = c.number(comp, "omega", at + QStringLiteral("omega"));
        c.range(omega, -1, 2, at + QStringLiteral("omega"), QString(), 1,
                QStringLiteral("-1 bis 2"));
    });
    if (c.ok() && f.contains("k_ij")) {
        const double k = c.number(f, "k_ij", QStringLiteral("k_ij"));
        c.range(k, -1, 1, QStringLiteral("k_ij"), QString(), 1, QStringLiteral("-1 bis 1"));
    }
}

// The multi-fluid blends: each component's reducing state and equation, and the
// reducing parameters of each pair.
void checkMixture(MemberCheck& c, const json& f) {
    c.array(f, "pairs", QStringLiteral("pairs"), false);
    checkComponents(c, f, [&c](const json& comp, const QString& at) {
        const double tr = c.number(comp, "T_r", at + QStringLiteral("T_r"));
        c.range(tr, L::kCriticalTMin, L::kCriticalTMax, at + QStringLiteral("T_r"),
                QStringLiteral(" K"), 1, QStringLiteral("100 bis 700 K"));
        const double rhor = c.number(comp, "rhomolar_r", at + QStringLiteral("rhomolar_r"));
        c.range(rhor, L::kCriticalRhoMin, L::kCriticalRhoMax, at + QStringLiteral("rhomolar_r"),
                QStringLiteral(" mol/m³"), 1, QStringLiteral("500 bis 50000 mol/m³"));
        criticalPressure(c, comp, at);
        c.positive(c.number(comp, "T_c", at + QStringLiteral("T_c")), at + QStringLiteral("T_c"));
        c.number(comp, "omega", at + QStringLiteral("omega"));
        c.array(comp, "residual", at + QStringLiteral("residual"), true);
    });
    if (!c.ok())
        return;
    int i = 0;
    for (const json& pair : f.at("pairs")) {
        const QString at = QStringLiteral("pairs[%1].").arg(i++);
        for (const char* key : {"betaT", "gammaT", "betaV", "gammaV"})
            c.positive(c.number(pair, key, at + QLatin1String(key)), at + QLatin1String(key));
    }
}

void checkCheckPoint(MemberCheck& c, const json& f) {
    c.object(f, "check", QStringLiteral("check"));
    if (!c.ok())
        return;
    const json& chk = f.at("check");
    const double t = c.number(chk, "T", QStringLiteral("check.T"));
    if (c.ok() && !(t >= f.at("T_min").get<double>() && t < f.at("critical").at("T").get<double>()))
        c.fail(
            QStringLiteral("Prüfpunkt bei %1 K liegt außerhalb des Nassdampfgebiets").arg(zahl(t)));
    c.positive(c.number(chk, "p_dew", QStringLiteral("check.p_dew")),
               QStringLiteral("check.p_dew"));
    c.positive(c.number(chk, "p_bubble", QStringLiteral("check.p_bubble")),
               QStringLiteral("check.p_bubble"));
    c.positive(c.number(chk, "v_dew", QStringLiteral("check.v_dew")),
               QStringLiteral("check.v_dew"));
    c.positive(c.number(chk, "dh_ideal", QStringLiteral("check.dh_ideal")),
               QStringLiteral("check.dh_ideal"));
}

// Empty when `computed` reproduces `stored` within the tolerance; values are shown
// multiplied by `scale` and followed by `unit`.
QString compare(double t, const QString& what, double computed, double stored, double scale,
                const QString& unit) {
    const double deviation = std::fabs(computed / stored - 1);
    if (deviation <= L::kCheckTolerance)
        return {};
    const QString value = std::isfinite(computed) ? zahl(computed * scale) + unit
                                                  : QStringLiteral("nicht berechenbar");
    return QStringLiteral("Prüfpunkt bei %1 K: %2 %3 statt %4")
        .arg(zahl(t), what, value, zahl(stored * scale) + unit);
}

} // namespace

QString checkFluidMembers(const nlohmann::json& file) {
    MemberCheck c;
    if (!file.is_object())
        return QStringLiteral("keine Stoffdatei");
    checkCommon(c, file);
    const auto m = file.find("model");
    const std::string model = m != file.end() && m->is_string() ? m->get<std::string>() : "";
    if (model == "peng-robinson")
        checkCubic(c, file);
    else if (model == "helmholtz-mixture")
        checkMixture(c, file);
    else
        checkHelmholtz(c, file, model == "helmholtz-pseudo-pure");
    checkCheckPoint(c, file);
    return c.reason();
}

QString checkSaturationPoint(const RefrigerantModel& model, const nlohmann::json& file) {
    const json& chk = file.at("check");
    const double t = chk.at("T").get<double>();
    const double pDew = chk.at("p_dew").get<double>();
    const QString bar = QStringLiteral(" bar");
    QString reason = compare(t, QStringLiteral("Taudruck"), model.dewPressure(t), pDew, 1e-5, bar);
    if (reason.isEmpty())
        reason = compare(t, QStringLiteral("Siededruck"), model.bubblePressure(t),
                         chk.at("p_bubble").get<double>(), 1e-5, bar);
    // At the stored pressure, so that this check stands apart from the one above;
    // it ties the molar mass to the equation.
    if (reason.isEmpty())
        reason = compare(t, QStringLiteral("Dampfvolumen"), model.vapourVolume(t, pDew),
                         chk.at("v_dew").get<double>(), 1, QStringLiteral(" m³/kg"));
    // The saturation values do not depend on the ideal-gas terms, the enthalpies do.
    // At this density the residual part is far below the tolerance.
    const double dilute = 1e-6; // mol/m3
    if (reason.isEmpty())
        reason = compare(t, QStringLiteral("Enthalpiezunahme des idealen Gases bis +50 K"),
                         model.enthalpyAt(t + 50, dilute) - model.enthalpyAt(t, dilute),
                         chk.at("dh_ideal").get<double>(), 1e-3, QStringLiteral(" kJ/kg"));
    return reason;
}

} // namespace drel::fluid
