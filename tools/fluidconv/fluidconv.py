#!/usr/bin/env python3
"""Writes the fluid files data/reflibs/<name>.ref from the reference data folder.

Usage: fluidconv.py <fluid-data folder> <output folder> [<test fixture folder>]
                     [--check-tool <drel-fluidcheck>]

The blends of the multi-fluid model need the check tool (built with the program,
`ninja -C build drel-fluidcheck`): their bubble and dew points come from a phase
equilibrium that only the program's own solver computes.

The fixture folder receives cubic models of fluids that also have a reference
equation (R134a, and R410A from its components), so that the tests can measure
the cubic model against the reference.

Three models:
  helmholtz               multiparameter Helmholtz equation of a pure fluid
  helmholtz-pseudo-pure   the same for a blend treated as one fluid; bubble and
                          dew pressure come from its own correlations
  peng-robinson           cubic equation with van der Waals mixing for the
                          refrigerants that have no published reference equation
  helmholtz-mixture       multi-fluid model of a blend from its components'
                          reference equations, reducing and departure functions
The program reads only these files, never the reference folder.

File format (JSON, SI units, molar where the key says so):
  format "drel-fluid", version 1, name, model (one of the three above)
  molar_mass [kg/mol], gas_constant [J/(mol K)], critical {T, p, rhomolar},
  T_min, T_max [K], p_max [Pa], reference "IIR" (h' = 200 kJ/kg, s' = 1 kJ/(kg K)
  at 0 degC, applied by the program) or "equation" (R14, supercritical at 0 degC)
  ideal_gas: list of {weight, T_r, rhomolar_r, terms}; alpha0 = sum of weight *
    (ln(rho/rhomolar_r) + terms(T_r/T)), so a blend's ideal gas can be composed
  helmholtz models: reducing {T, rhomolar}, residual (term lists), ancillaries
    p_sat (pure) or p_bubble/p_dew (blends), rho_liquid, rho_vapour, each
    {form exp|noexp, T_r, reducing_value, using_tau_r, T_min, T_max, n, t};
    checks: states the equation's authors give (critical, triple point, saturation)
  check {T, p_dew, p_bubble, v_dew, source}: one saturation point that the program
    must reproduce with the loaded equation before it uses the file (relative 1e-6):
    dew and bubble pressure [Pa] at T [K] and the vapour volume [m3/kg] at (T, p_dew),
    which ties the molar mass to the equation; helmholtz_check() and cubic_check()
    say where each number comes from. dh_ideal [J/kg]: the ideal-gas enthalpy rise
    from T to T + 50 K, computed by the converter from the file's ideal-gas terms
  peng-robinson: components [{name, x (mole fraction), T_c, p_c, omega,
    molar_mass}], k_ij, notes on where the constants come from
  helmholtz-mixture: components [{name, x, molar_mass, T_r, rhomolar_r, T_c, p_c,
    omega, equation, residual, p_sat}], pairs [{i, j (i < j in component order),
    betaT, gammaT, betaV, gammaV, F, departure (residual term list), source}];
    critical holds the reducing state of the blend, T_sat_max the end of the
    saturation lines; the check point is computed by drel-fluidcheck
  blends and new refrigerants: composition (mass %), safety_class, gwp {AR4, AR5,
    source}
"""
import json
import math
import os
import sys

NAMES = ["R11", "R12", "R13", "R13B1", "R22", "R23", "R113", "R114", "R125", "R134a", "R152A",
         "R290", "R404A", "R407A", "R407B", "R407C", "R410A", "R502", "R503", "R507", "R600",
         "R600A", "R717", "R718", "R723", "R1270", "RE170", "R14", "R227", "R744", "R32",
         "R1234yf", "R1234ze(E)"]

# Blends of the multi-fluid model: designation -> components (file names) with mass %.
# Mass fractions: ASHRAE Standard 34 designations; the mole fractions are computed
# from them with the components' molar masses (they equal the predefined mixtures of
# the reference data to 1e-6).
MIXTURES = {
    "R448A": [("R32", 26), ("R125", 26), ("R1234yf", 20), ("R134a", 21), ("R1234ze(E)", 7)],
    "R449A": [("R32", 24.3), ("R125", 24.7), ("R1234yf", 25.3), ("R134a", 25.7)],
    "R454C": [("R32", 21.5), ("R1234yf", 78.5)],
    "R455A": [("R744", 3), ("R32", 21.5), ("R1234yf", 75.5)],
    "R513A": [("R1234yf", 56), ("R134a", 44)],
}

# Safety class (ISO 817 / ASHRAE 34) and 100-year GWP, IPCC AR4 and AR5, for the
# refrigerants of today. Sources: IPCC AR4 WG1 table 2.14 and AR5 WG1 table 8.A.1
# for the pure substances; the blends' values are the mass-weighted sums of their
# components' values as EN 378 and Regulation (EU) 517/2014 Annex IV prescribe
# (R1234yf and R1234ze(E) count with their AR4 values 4 and 7, AR5 < 1 as 1 and 1).
SAFETY = {"R32": "A2L", "R1234yf": "A2L", "R1234ze(E)": "A2L", "R448A": "A1", "R449A": "A1",
          "R454C": "A2L", "R455A": "A2L", "R513A": "A1", "R134a": "A1", "R22": "A1",
          "R404A": "A1", "R507": "A1", "R407C": "A1", "R410A": "A1", "R717": "B2L", "R744": "A1"}
GWP_PURE = {"R32": (675, 677), "R125": (3500, 3170), "R134a": (1430, 1300), "R1234yf": (4, 1),
            "R1234ze(E)": (7, 1), "R744": (1, 1), "R143a": (4470, 4800), "R22": (1810, 1760),
            "R717": (0, 0)}
# The pseudo-pure blends' compositions (mass %), for their GWP.
PSEUDO_PURE_MASS = {"R404A": [("R125", 44), ("R143a", 52), ("R134a", 4)],
                    "R407C": [("R32", 23), ("R125", 25), ("R134a", 52)],
                    "R410A": [("R32", 50), ("R125", 50)],
                    "R507": [("R125", 50), ("R143a", 50)]}
GWP_SOURCE = ("IPCC AR4 WG1 table 2.14 and AR5 WG1 table 8.A.1 (100 years); blends "
              "mass-weighted as in Regulation (EU) 517/2014 Annex IV")

R_UNIVERSAL = 8.314462618

# Component constants for the cubic model (T_c K, p_c Pa, omega, M kg/mol).
COMPONENTS = {
    "R32": (351.255, 5.782e6, 0.2769, 0.052024),
    "R125": (339.173, 3.6177e6, 0.3052, 0.1200214),
    "R134a": (374.21, 4.05928e6, 0.32684, 0.102032),
    "R143a": (345.857, 3.761e6, 0.2615, 0.084041),
    "R22": (369.295, 4.990e6, 0.22082, 0.086468),
    "R115": (353.1, 3.129e6, 0.2484, 0.154466),
    "R23": (299.293, 4.832e6, 0.2630, 0.070014),
    "R13": (301.88, 3.879e6, 0.1746, 0.104459),
    "R717": (405.56, 11.363e6, 0.2557, 0.0170305),
    "RE170": (400.378, 5.3368e6, 0.196, 0.046068),
}

# Blends without a reference equation, by mole fraction.
CUBIC_BLENDS = {
    "R407A": [("R32", 0.34642), ("R125", 0.30032), ("R134a", 0.35326)],
    "R407B": [("R32", 0.19787), ("R125", 0.60036), ("R134a", 0.20177)],
    "R502": [("R22", 0.62999), ("R115", 0.37001)],
    "R503": [("R23", 0.49970), ("R13", 0.50030)],
    "R723": [("R717", 0.8023), ("RE170", 0.1977)],
}

# Azeotropes need one interaction parameter; it is fitted to the normal boiling
# point published in the ASHRAE refrigerant data and the makers' data sheets.
AZEOTROPE_NBP = {"R502": 273.15 - 45.4, "R503": 273.15 - 88.7, "R723": 273.15 - 36.5}

# Halon 1301: critical point, molar mass, normal boiling point and one vapour pressure.
R13B1 = {"T_c": 340.08, "p_c": 3.956e6, "M": 0.14891, "T_nbp": 215.40, "T_fit": 293.15,
         "p_fit": 1434e3}


def load(folder, name):
    with open(os.path.join(folder, "coolprop-json", name + ".json"), encoding="utf-8") as f:
        return json.load(f)


def ideal_terms(eos, keep_offset):
    terms = []
    for term in eos["alpha0"]:
        if term["type"] == "IdealGasHelmholtzEnthalpyEntropyOffset" and not keep_offset:
            continue
        terms.append(term)
    return terms


def ideal_part(folder, name, weight):
    eos = load(folder, name)["EOS"][0]
    red = eos["STATES"]["reducing"]
    return {"weight": weight, "T_r": red["T"], "rhomolar_r": red["rhomolar"], "source": name,
            "terms": ideal_terms(eos, False)}


def mole_fractions(mass):
    moles = [(n, w / COMPONENTS[n][3]) for n, w in mass]
    total = sum(m for _, m in moles)
    return {n: m / total for n, m in moles}


def component_ideal_gas(folder, comp):
    """Ideal-gas parts of one component as weighted sums of available equations.

    R32 and R143a have no file of their own; their ideal-gas heat capacity follows
    from the pseudo-pure blends (molar ideal-gas properties mix linearly). R115 is
    approximated as the mean of R125 and R114, R13B1 by its analogue R13.
    """
    own = {"R125", "R22", "R23", "R13", "R717", "RE170", "R114"}
    if comp in own:
        return [ideal_part(folder, comp, 1.0)]
    if comp == "R32":
        x = mole_fractions([("R32", 0.5), ("R125", 0.5)])
        return [ideal_part(folder, "R410A", 1.0 / x["R32"]),
                ideal_part(folder, "R125", -x["R125"] / x["R32"])]
    if comp == "R143a":
        x = mole_fractions([("R125", 0.5), ("R143a", 0.5)])
        return [ideal_part(folder, "R507", 1.0 / x["R143a"]),
                ideal_part(folder, "R125", -x["R125"] / x["R143a"])]
    if comp == "R134a":
        return [ideal_part(folder, "R134a", 1.0)]
    if comp == "R13B1":
        return [ideal_part(folder, "R13", 1.0)]
    if comp == "R115":
        return [ideal_part(folder, "R125", 0.5), ideal_part(folder, "R114", 0.5)]
    raise KeyError(comp)


def ancillary(anc):
    kind = anc["type"]
    form = "noexp" if kind == "rhoLnoexp" else "exp"
    return {"form": form, "T_r": anc["T_r"], "reducing_value": anc["reducing_value"],
            "using_tau_r": bool(anc.get("using_tau_r", False)), "T_min": anc["Tmin"],
            "T_max": anc["Tmax"], "n": anc["n"], "t": anc["t"]}


def ancillary_value(a, t):
    """Value of a saturation correlation at t, evaluated as the program does."""
    theta = max(0.0, 1 - t / a["T_r"])
    s = sum(n * theta ** e for n, e in zip(a["n"], a["t"]))
    if a["form"] == "noexp":
        return a["reducing_value"] * (1 + s)
    return a["reducing_value"] * math.exp(a["T_r"] / t * s if a["using_tau_r"] else s)


def check_temperature(tc, t_min):
    """About 0.7 T_c, rounded to 0.01 K, and at least 1 K above the lower limit."""
    return round(max(0.7 * tc, t_min + 1), 2)


def state(s):
    return {k: s[k] for k in ("T", "p", "rhomolar", "hmolar", "smolar") if k in s}


def helmholtz_file(folder, name):
    data = load(folder, name)
    eos = data["EOS"][0]
    red = eos["STATES"]["reducing"]
    crit = data["STATES"]["critical"]
    pseudo = bool(eos.get("pseudo_pure", False))
    # R14 is supercritical at 0 degC, so the IIR state does not exist; it keeps the
    # reference of its equation.
    iir = crit["T"] > 273.15
    anc = data["ANCILLARIES"]
    ancs = {"rho_liquid": ancillary(anc["rhoL"]), "rho_vapour": ancillary(anc["rhoV"])}
    if pseudo:
        ancs["p_bubble"] = ancillary(anc["pL"])
        ancs["p_dew"] = ancillary(anc["pV"])
    else:
        ancs["p_sat"] = ancillary(anc["pS"])
    out = {
        "format": "drel-fluid", "version": 1, "name": name,
        "model": "helmholtz-pseudo-pure" if pseudo else "helmholtz",
        "equation": eos.get("BibTeX_EOS", ""),
        "molar_mass": eos["molar_mass"], "gas_constant": eos["gas_constant"],
        "critical": {"T": crit["T"], "p": crit["p"], "rhomolar": crit["rhomolar"]},
        "reducing": {"T": red["T"], "rhomolar": red["rhomolar"]},
        "T_min": eos["Ttriple"], "T_max": eos["T_max"], "p_max": eos["p_max"],
        "reference": "IIR" if iir else "equation",
        "residual": eos["alphar"],
        "ideal_gas": [{"weight": 1.0, "T_r": red["T"], "rhomolar_r": red["rhomolar"],
                       "terms": ideal_terms(eos, not iir)}],
        "ancillaries": ancs,
        "checks": {"critical": state(crit)},
    }
    if "sat_min_liquid" in eos["STATES"]:
        out["checks"]["triple_liquid"] = state(eos["STATES"]["sat_min_liquid"])
        out["checks"]["triple_vapour"] = state(eos["STATES"]["sat_min_vapor"])
    # High-precision saturation states that accompany the equation (extended precision).
    sa = eos.get("SUPERANCILLARY", {}).get("check_points", [])
    if sa:
        out["checks"]["saturation"] = [{"T": c["T / K"], "p": c["p(mp) / Pa"],
                                        "rhomolar_liquid": c["rho'(mp) / mol/m^3"],
                                        "rhomolar_vapour": c["rho''(mp) / mol/m^3"]} for c in sa]
    if pseudo and "temperature_max_sat" in eos["STATES"]:
        out["T_sat_max"] = eos["STATES"]["temperature_max_sat"]["T"]
    out["check"] = helmholtz_check(out, sa, pseudo)
    return out


def helmholtz_check(out, sa, pseudo):
    """Check point of a Helmholtz file.

    Blends: bubble and dew pressure are the file's own correlations, so the
    converter evaluates them here at about 0.7 T_c, and the vapour volume at the
    dew pressure with its own evaluation of the residual terms (power terms only,
    all the blends have). Pure fluids: the saturation state of the reference data
    nearest 0.7 T_c, pressure and vapour density computed in extended precision
    from the same equation by the reference data's authors (not by this
    converter); the equilibrium depends on every residual term.
    """
    tc = out["critical"]["T"]
    m = out["molar_mass"]
    if pseudo:
        t = check_temperature(tc, out["T_min"])
        anc = out["ancillaries"]
        p_dew = ancillary_value(anc["p_dew"], t)
        return {"T": t, "p_dew": p_dew, "p_bubble": ancillary_value(anc["p_bubble"], t),
                "v_dew": 1 / (power_vapour_density(out, t, p_dew) * m),
                "source": "correlations and residual terms of the file at about 0.7 T_c, "
                          "computed by the converter"}
    usable = [c for c in sa if c["T / K"] > out["T_min"] + 1]
    c = min(usable, key=lambda c: abs(c["T / K"] - 0.7 * tc))
    p = float(c["p(mp) / Pa"])
    return {"T": float(c["T / K"]), "p_dew": p, "p_bubble": p,
            "v_dew": 1 / (float(c["rho''(mp) / mol/m^3"]) * m),
            "source": "saturation state of the reference data (extended precision)"}


def power_pressure(out, t, rho):
    """Pressure of an equation made of ResidualHelmholtzPower terms only."""
    tau = out["reducing"]["T"] / t
    delta = rho / out["reducing"]["rhomolar"]
    s = 0.0
    for term in out["residual"]:
        if term["type"] != "ResidualHelmholtzPower":
            raise ValueError("only power terms are evaluated here")
        for n, d, e, l in zip(term["n"], term["d"], term["t"], term["l"]):
            dl = delta ** l if l > 0 else 0.0
            s += n * delta ** d * tau ** e * math.exp(-dl) * (d - l * dl)
    return rho * out["gas_constant"] * t * (1 + s)


def power_vapour_density(out, t, p):
    """Vapour root at (t, p) by Newton steps from the ideal gas."""
    rho = p / (out["gas_constant"] * t)
    for _ in range(100):
        h = rho * 1e-6
        slope = (power_pressure(out, t, rho + h) - power_pressure(out, t, rho - h)) / (2 * h)
        step = (power_pressure(out, t, rho) - p) / slope
        rho -= step
        if abs(step) < 1e-14 * rho:
            break
    return rho


# --- Peng-Robinson for the one fit the converter needs (omega of R13B1) ---

def cubic_roots(c2, c1, c0):
    """Real roots of z^3 + c2 z^2 + c1 z + c0."""
    q = (3 * c1 - c2 * c2) / 9
    r = (9 * c2 * c1 - 27 * c0 - 2 * c2 ** 3) / 54
    disc = q ** 3 + r * r
    if disc > 0:
        s = math.copysign(abs(r + math.sqrt(disc)) ** (1 / 3), r + math.sqrt(disc))
        t = math.copysign(abs(r - math.sqrt(disc)) ** (1 / 3), r - math.sqrt(disc))
        return [s + t - c2 / 3]
    th = math.acos(r / math.sqrt(-q ** 3))
    m = 2 * math.sqrt(-q)
    return sorted(m * math.cos((th + 2 * k * math.pi) / 3) - c2 / 3 for k in range(3))


def pr_ln_phi(a_cap, b_cap, z):
    s2 = math.sqrt(2)
    return (z - 1 - math.log(z - b_cap) - a_cap / (2 * s2 * b_cap)
            * math.log((z + (1 + s2) * b_cap) / (z + (1 - s2) * b_cap)))


def pr_psat(tc, pc, omega, t):
    kappa = 0.37464 + 1.54226 * omega - 0.26992 * omega ** 2
    a = 0.45724 * (R_UNIVERSAL * tc) ** 2 / pc * (1 + kappa * (1 - math.sqrt(t / tc))) ** 2
    b = 0.07780 * R_UNIVERSAL * tc / pc
    p = pc * 10 ** (7 / 3 * (1 + omega) * (1 - tc / t))
    for _ in range(200):
        a_cap = a * p / (R_UNIVERSAL * t) ** 2
        b_cap = b * p / (R_UNIVERSAL * t)
        roots = [z for z in cubic_roots(-(1 - b_cap), a_cap - 3 * b_cap ** 2 - 2 * b_cap,
                                        -(a_cap * b_cap - b_cap ** 2 - b_cap ** 3)) if z > b_cap]
        ratio = math.exp(pr_ln_phi(a_cap, b_cap, roots[0]) - pr_ln_phi(a_cap, b_cap, roots[-1]))
        p *= ratio
        if abs(ratio - 1) < 1e-12:
            break
    return p


def fit_omega(tc, pc, t, p):
    lo, hi = 0.0, 0.6
    for _ in range(60):
        mid = (lo + hi) / 2
        if pr_psat(tc, pc, mid, t) > p:
            lo = mid
        else:
            hi = mid
    return (lo + hi) / 2


def pr_mix_ln_phi(comps, kij, t, p, x, liquid):
    """ln fugacity coefficients of composition x (list) for components comps."""
    r = R_UNIVERSAL
    a, b = [], []
    for c in comps:
        tc, pc, omega, _ = COMPONENTS[c]
        kappa = 0.37464 + 1.54226 * omega - 0.26992 * omega ** 2
        a.append(0.45724 * (r * tc) ** 2 / pc * (1 + kappa * (1 - math.sqrt(t / tc))) ** 2)
        b.append(0.07780 * r * tc / pc)
    n = len(comps)
    aij = [[math.sqrt(a[i] * a[j]) * (1 - (0 if i == j else kij)) for j in range(n)]
           for i in range(n)]
    am = sum(x[i] * x[j] * aij[i][j] for i in range(n) for j in range(n))
    bm = sum(x[i] * b[i] for i in range(n))
    a_cap = am * p / (r * t) ** 2
    b_cap = bm * p / (r * t)
    roots = [z for z in cubic_roots(-(1 - b_cap), a_cap - 3 * b_cap ** 2 - 2 * b_cap,
                                    -(a_cap * b_cap - b_cap ** 2 - b_cap ** 3)) if z > b_cap]
    z = roots[0] if liquid else roots[-1]
    s2 = math.sqrt(2)
    log_term = math.log((z + (1 + s2) * b_cap) / (z + (1 - s2) * b_cap))
    return [b[i] / bm * (z - 1) - math.log(z - b_cap) - a_cap / (2 * s2 * b_cap)
            * (2 * sum(x[j] * aij[i][j] for j in range(n)) / am - b[i] / bm) * log_term
            for i in range(n)]


def pr_bubble_pressure(comps, z, kij, t):
    p = sum(zi * pr_psat(*COMPONENTS[c][:3], t) for c, zi in zip(comps, z))
    k = [pr_psat(*COMPONENTS[c][:3], t) / p for c in comps]
    for _ in range(500):
        y = [zi * ki for zi, ki in zip(z, k)]
        total = sum(y)
        y = [v / total for v in y]
        phi_l = pr_mix_ln_phi(comps, kij, t, p, z, True)
        phi_v = pr_mix_ln_phi(comps, kij, t, p, y, False)
        k = [math.exp(l - v) for l, v in zip(phi_l, phi_v)]
        total = sum(zi * ki for zi, ki in zip(z, k))
        p *= total
        if abs(total - 1) < 1e-12:
            break
    return p


def pr_dew_pressure(comps, z, kij, t):
    """Dew pressure of composition z: the liquid's composition follows from K."""
    p = 1 / sum(zi / pr_psat(*COMPONENTS[c][:3], t) for c, zi in zip(comps, z))
    k = [pr_psat(*COMPONENTS[c][:3], t) / p for c in comps]
    for _ in range(500):
        x = [zi / ki for zi, ki in zip(z, k)]
        total = sum(x)
        x = [v / total for v in x]
        phi_l = pr_mix_ln_phi(comps, kij, t, p, x, True)
        phi_v = pr_mix_ln_phi(comps, kij, t, p, z, False)
        k = [math.exp(l - v) for l, v in zip(phi_l, phi_v)]
        total = sum(zi / ki for zi, ki in zip(z, k))
        p /= total
        if abs(total - 1) < 1e-12:
            break
    return p


def pr_vapour_z(comps, z, kij, t, p):
    """Compressibility factor of the vapour root of composition z."""
    r = R_UNIVERSAL
    a, b = [], []
    for c in comps:
        tc, pc, omega, _ = COMPONENTS[c]
        kappa = 0.37464 + 1.54226 * omega - 0.26992 * omega ** 2
        a.append(0.45724 * (r * tc) ** 2 / pc * (1 + kappa * (1 - math.sqrt(t / tc))) ** 2)
        b.append(0.07780 * r * tc / pc)
    n = len(comps)
    am = sum(z[i] * z[j] * math.sqrt(a[i] * a[j]) * (1 - (0 if i == j else kij))
             for i in range(n) for j in range(n))
    bm = sum(z[i] * b[i] for i in range(n))
    a_cap = am * p / (r * t) ** 2
    b_cap = bm * p / (r * t)
    return max(cubic_roots(-(1 - b_cap), a_cap - 3 * b_cap ** 2 - 2 * b_cap,
                           -(a_cap * b_cap - b_cap ** 2 - b_cap ** 3)))


def cubic_check(content):
    """Check point of a cubic file, computed here with the same equation."""
    comps = [c["name"] for c in content["components"]]
    z = [c["x"] for c in content["components"]]
    t = check_temperature(content["critical"]["T"], content["T_min"])
    p_dew = pr_dew_pressure(comps, z, content["k_ij"], t)
    zv = pr_vapour_z(comps, z, content["k_ij"], t, p_dew)
    return {"T": t, "p_dew": p_dew,
            "p_bubble": pr_bubble_pressure(comps, z, content["k_ij"], t),
            "v_dew": zv * R_UNIVERSAL * t / p_dew / content["molar_mass"],
            "source": "bubble and dew pressure of the cubic equation at about 0.7 T_c, "
                      "computed by the converter"}


def fit_kij(comps, z, t_nbp):
    """Interaction parameter that puts the bubble point at 101.325 kPa on t_nbp."""
    lo, hi = -0.1, 0.3
    for _ in range(50):
        mid = (lo + hi) / 2
        if pr_bubble_pressure(comps, z, mid, t_nbp) < 101325:
            lo = mid
        else:
            hi = mid
    return (lo + hi) / 2


def cubic_file(folder, name, comps, notes, t_min_factor=0.5, kij=0.0):
    total_m = sum(x * COMPONENTS[c][3] for c, x in comps)
    ideal = []
    for c, x in comps:
        for part in component_ideal_gas(folder, c):
            part = dict(part)
            part["weight"] *= x
            ideal.append(part)
    tc_mix = sum(x * COMPONENTS[c][0] for c, x in comps)
    return {
        "format": "drel-fluid", "version": 1, "name": name, "model": "peng-robinson",
        "molar_mass": total_m, "gas_constant": R_UNIVERSAL,
        "components": [{"name": c, "x": x, "T_c": COMPONENTS[c][0], "p_c": COMPONENTS[c][1],
                        "omega": COMPONENTS[c][2], "molar_mass": COMPONENTS[c][3]}
                       for c, x in comps],
        "k_ij": kij,
        # Kay's pseudo-critical temperature bounds the saturation calculations.
        "critical": {"T": tc_mix},
        "T_min": t_min_factor * min(COMPONENTS[c][0] for c, _ in comps),
        "T_max": 500.0, "p_max": 20e6,
        "reference": "IIR",
        "ideal_gas": ideal,
        "notes": notes,
    }


def r13b1_file(folder):
    d = R13B1
    omega = fit_omega(d["T_c"], d["p_c"], d["T_fit"], d["p_fit"])
    COMPONENTS["R13B1"] = (d["T_c"], d["p_c"], omega, d["M"])
    out = cubic_file(folder, "R13B1", [("R13B1", 1.0)],
                     "acentric factor fitted to 1434 kPa at 20 degC; ideal-gas heat capacity "
                     "of the analogous molecule R13 (CClF3)")
    return out


def ideal_tau_dalpha(part, t):
    """tau * d(alpha0)/d(tau) of one ideal-gas part at t, as the program evaluates it."""
    tau = part["T_r"] / t
    s = 0.0
    for term in part["terms"]:
        kind = term["type"]
        if kind in ("IdealGasHelmholtzLead", "IdealGasHelmholtzEnthalpyEntropyOffset"):
            s += term["a2"] * tau
        elif kind == "IdealGasHelmholtzLogTau":
            s += term["a"]
        elif kind == "IdealGasHelmholtzPower":
            s += sum(n * e * tau ** e for n, e in zip(term["n"], term["t"]))
        elif kind == "IdealGasHelmholtzPlanckEinstein":
            s += sum(n * e * tau * math.exp(-e * tau) / (1 - math.exp(-e * tau))
                     for n, e in zip(term["n"], term["t"]))
        elif kind == "IdealGasHelmholtzCP0Constant":
            s += term["cp_over_R"] * (1 - tau * term["T0"] / term["Tc"])
        elif kind == "IdealGasHelmholtzCP0PolyT":
            tc, t0 = term["Tc"], term["T0"]
            tau0 = tc / t0
            for c, e in zip(term["c"], term["t"]):
                if e == 0:
                    s += c * (1 - tau / tau0)
                elif e == -1:
                    s += c * tau / tc * math.log(tau0 / tau)
                else:
                    s += (c * tc ** e * tau ** (-e) / (e + 1)
                          - c * t0 ** (e + 1) * tau / (tc * (e + 1)))
        else:
            raise ValueError("unknown ideal-gas term " + kind)
    return s


def ideal_enthalpy_rise(content, t):
    """h0(t + 50 K) - h0(t) of the file's ideal gas, J/kg."""
    def h(temp):
        return content["gas_constant"] * temp * (1 + sum(
            p["weight"] * ideal_tau_dalpha(p, temp) for p in content["ideal_gas"]))
    return (h(t + 50) - h(t)) / content["molar_mass"]


def write(out_dir, content):
    if content["model"] == "peng-robinson":
        content["check"] = cubic_check(content)
    # The saturation values do not depend on the ideal-gas terms; the enthalpies do.
    content["check"]["dh_ideal"] = ideal_enthalpy_rise(content, content["check"]["T"])
    path = os.path.join(out_dir, content["name"] + ".ref")
    with open(path, "w", encoding="utf-8") as f:
        json.dump(content, f, indent=1)
        f.write("\n")


def gwp(name, mass):
    ar4 = sum(w * GWP_PURE[c][0] for c, w in mass) / 100
    ar5 = sum(w * GWP_PURE[c][1] for c, w in mass) / 100
    return {"AR4": round(ar4), "AR5": round(ar5), "source": GWP_SOURCE}


def pair_parameters(folder, a, b):
    """Reducing and departure parameters of the pair (a, b) in this order.

    Pairs given with the older form of Lemmon 2004 (T_r = sum x T_c + x_i x_j xi,
    v_r likewise with zeta) are written in the beta/gamma form, which for beta = 1
    is the same function of x. A pair not in the data uses 1 for all four (an
    estimate; stated in the file).
    """
    with open(os.path.join(folder, "coolprop-mixtures", "mixture_binary_pairs.json"),
              encoding="utf-8") as f:
        pairs = json.load(f)
    alias = {"CARBONDIOXIDE": "R744"}

    def norm(n):
        n = n.upper()
        return alias.get(n, n)
    swapped = False
    found = None
    for e in pairs:
        n1, n2 = norm(e["Name1"]), norm(e["Name2"])
        if (n1, n2) == (norm(a), norm(b)):
            found = e
            break
        if (n2, n1) == (norm(a), norm(b)):
            found, swapped = e, True
            break
    ea = load(folder, a)["EOS"][0]["STATES"]["reducing"]
    eb = load(folder, b)["EOS"][0]["STATES"]["reducing"]
    if found is None:
        return {"betaT": 1.0, "gammaT": 1.0, "betaV": 1.0, "gammaV": 1.0, "F": 0.0,
                "source": "no published parameters: all four reducing parameters 1 "
                          "(estimate, uncertain by a few tenths of a kelvin in the "
                          "saturation temperatures)"}
    if "xi" in found:
        va, vb = 1 / ea["rhomolar"], 1 / eb["rhomolar"]
        p = {"betaT": 1.0, "betaV": 1.0,
             "gammaT": (ea["T"] + eb["T"] + found["xi"]) / (2 * math.sqrt(ea["T"] * eb["T"])),
             "gammaV": (va + vb + found["zeta"]) / (0.25 * (va ** (1 / 3) + vb ** (1 / 3)) ** 3)}
    else:
        p = {k: found[k] for k in ("betaT", "gammaT", "betaV", "gammaV")}
        if swapped:
            p["betaT"], p["betaV"] = 1 / p["betaT"], 1 / p["betaV"]
    p["F"] = found.get("F", 0.0)
    p["source"] = found.get("BibTeX", "")
    if p["F"] != 0 and found.get("function"):
        with open(os.path.join(folder, "coolprop-mixtures", "mixture_departure_functions.json"),
                  encoding="utf-8") as f:
            funcs = json.load(f)
        fn = next(d for d in funcs if d["Name"] == found["function"])
        if fn["type"] != "Exponential":
            raise ValueError("departure type " + fn["type"])
        p["departure"] = [{"type": "ResidualHelmholtzPower", "n": fn["n"], "d": fn["d"],
                           "t": fn["t"], "l": fn["l"]}]
    return p


def reducing_of_blend(comps, pairs):
    """T_r and rho_r of the blend at its composition (the program's formula)."""
    tr = sum(c["x"] ** 2 * c["T_r"] for c in comps)
    vr = sum(c["x"] ** 2 / c["rhomolar_r"] for c in comps)
    for p in pairs:
        a, b = comps[p["i"]], comps[p["j"]]
        xa, xb = a["x"], b["x"]
        ft = xa * xb * (xa + xb) / (p["betaT"] ** 2 * xa + xb)
        fv = xa * xb * (xa + xb) / (p["betaV"] ** 2 * xa + xb)
        tr += 2 * p["betaT"] * p["gammaT"] * math.sqrt(a["T_r"] * b["T_r"]) * ft
        cv = (a["rhomolar_r"] ** (-1 / 3) + b["rhomolar_r"] ** (-1 / 3)) ** 3 / 8
        vr += 2 * p["betaV"] * p["gammaV"] * cv * fv
    return tr, 1 / vr


def mixture_file(folder, name, mass, check_tool):
    moles = [(c, w / load(folder, c)["EOS"][0]["molar_mass"]) for c, w in mass]
    total = sum(m for _, m in moles)
    comps, ideal = [], []
    for c, m in moles:
        data = load(folder, c)
        eos = data["EOS"][0]
        red = eos["STATES"]["reducing"]
        crit = data["STATES"]["critical"]
        x = m / total
        comps.append({"name": c, "x": x, "molar_mass": eos["molar_mass"],
                      "T_r": red["T"], "rhomolar_r": red["rhomolar"], "T_c": crit["T"],
                      "p_c": crit["p"], "omega": eos["acentric"],
                      "gas_constant": eos["gas_constant"], "equation": eos["BibTeX_EOS"],
                      "T_triple": eos["Ttriple"], "residual": eos["alphar"],
                      "p_sat": ancillary(data["ANCILLARIES"]["pS"])})
        part = ideal_part(folder, c, x)
        ideal.append(part)
    pairs = []
    for i in range(len(comps)):
        for j in range(i + 1, len(comps)):
            p = {"i": i, "j": j, "names": [comps[i]["name"], comps[j]["name"]]}
            p.update(pair_parameters(folder, comps[i]["name"], comps[j]["name"]))
            pairs.append(p)
    tr, rhor = reducing_of_blend(comps, pairs)
    keys = sorted({p["source"] for p in pairs if p["source"] and " " not in p["source"]})
    content = {
        "format": "drel-fluid", "version": 1, "name": name, "model": "helmholtz-mixture",
        "equation": "Kunz-Wagner multi-fluid: " + ", ".join(keys),
        "composition": {c: w for c, w in mass},
        "safety_class": SAFETY[name], "gwp": gwp(name, mass),
        "molar_mass": sum(c["x"] * c["molar_mass"] for c in comps),
        "gas_constant": sum(c["x"] * c["gas_constant"] for c in comps),
        # The blend's reducing state; its true critical point lies close to it.
        "critical": {"T": tr, "rhomolar": rhor},
        # The blends are offered down to -73 degC; carbon dioxide's triple point
        # does not bound the blend's liquid.
        "T_min": 200.0,
        "T_max": min(load(folder, c)["EOS"][0]["T_max"] for c, _ in mass),
        "p_max": min(load(folder, c)["EOS"][0]["p_max"] for c, _ in mass),
        "reference": "IIR",
        "ideal_gas": ideal,
        "components": comps,
        "pairs": pairs,
    }
    content["check"] = {"T": check_temperature(tr, 200.0)}
    if check_tool:
        computed = run_check_tool(check_tool, content)
        content["T_sat_max"] = computed.pop("T_sat_max")
        content["check"].update(computed)
        content["check"]["source"] = ("bubble and dew pressure of the multi-fluid model at about "
                                      "0.7 T_r, computed by drel-fluidcheck")
    return content


def run_check_tool(tool, content):
    import subprocess
    import tempfile
    with tempfile.NamedTemporaryFile("w", suffix=".ref", delete=False) as f:
        json.dump(content, f)
        path = f.name
    try:
        out = subprocess.run([tool, path], check=True, capture_output=True, text=True).stdout
    finally:
        os.unlink(path)
    return json.loads(out)


def write_fixtures(folder, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    write(out_dir, cubic_file(folder, "R134APR", [("R134a", 1.0)], "test fixture"))
    x = mole_fractions([("R32", 0.5), ("R125", 0.5)])
    write(out_dir, cubic_file(folder, "R410APR", [("R32", x["R32"]), ("R125", x["R125"])],
                              "test fixture"))
    x = mole_fractions([("R32", 0.23), ("R125", 0.25), ("R134a", 0.52)])
    write(out_dir, cubic_file(folder, "R407CPR", [(c, x[c]) for c in ("R32", "R125", "R134a")],
                              "test fixture"))


def main(argv):
    check_tool = None
    if "--check-tool" in argv:
        k = argv.index("--check-tool")
        check_tool = argv[k + 1]
        argv = argv[:k] + argv[k + 2:]
    if len(argv) == 4:
        write_fixtures(argv[1], argv[3])
    if len(argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    folder, out_dir = argv[1], argv[2]
    os.makedirs(out_dir, exist_ok=True)
    for name in NAMES:
        if name == "R13B1":
            content = r13b1_file(folder)
        elif name in CUBIC_BLENDS:
            comps = CUBIC_BLENDS[name]
            kij = 0.0
            notes = "van der Waals mixing; compositions from the ASHRAE designations; "
            if name in AZEOTROPE_NBP:
                kij = fit_kij([c for c, _ in comps], [x for _, x in comps], AZEOTROPE_NBP[name])
                notes += "k_ij fitted to the normal boiling point %.2f K" % AZEOTROPE_NBP[name]
            else:
                notes += "k_ij = 0"
            content = cubic_file(folder, name, comps, notes, kij=kij)
        else:
            content = helmholtz_file(folder, name)
        if name in SAFETY:
            content["safety_class"] = SAFETY[name]
            content["gwp"] = gwp(name, PSEUDO_PURE_MASS.get(name, [(name, 100)]))
        write(out_dir, content)
        print(name, content["model"])
    if not check_tool:
        print("blends of the multi-fluid model skipped: --check-tool missing", file=sys.stderr)
        return 0
    for name, mass in MIXTURES.items():
        write(out_dir, mixture_file(folder, name, mass, check_tool))
        print(name, "helmholtz-mixture")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
