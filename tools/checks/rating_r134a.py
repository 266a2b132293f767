#!/usr/bin/env python3
"""Independent check of the operating-point carry-over for R134a.

Evaluates the reference Helmholtz equation of R134a straight from the equation's
published coefficients (a JSON file of the shared fluid data, path as argument),
in plain Python and without any of the program's code, and prints the mass flows
and capacities of the carry-over for the point used in tests/rating.

Usage: rating_r134a.py <R134a.json>
"""
import json
import math
import sys

eos = json.load(open(sys.argv[1]))["EOS"][0]
R = eos["gas_constant"]
M = eos["molar_mass"]
Tr = eos["STATES"]["reducing"]["T"]
rhor = eos["STATES"]["reducing"]["rhomolar"]
res = eos["alphar"][0]
assert res["type"] == "ResidualHelmholtzPower" and len(eos["alphar"]) == 1
ideal = {t["type"]: t for t in eos["alpha0"]}


def alphar(tau, delta):
    """alpha_r and its delta and tau derivatives."""
    a = ad = at = 0.0
    for n, d, t, l in zip(res["n"], res["d"], res["t"], res["l"]):
        term = n * delta ** d * tau ** t
        e = math.exp(-delta ** l) if l > 0 else 1.0
        a += term * e
        ad += term * e * (d - l * delta ** l) / delta
        at += term * e * t / tau
    return a, ad, at


def alpha0(tau, delta):
    lead = ideal["IdealGasHelmholtzLead"]
    logtau = ideal["IdealGasHelmholtzLogTau"]
    power = ideal["IdealGasHelmholtzPower"]
    a = math.log(delta) + lead["a1"] + lead["a2"] * tau + logtau["a"] * math.log(tau)
    at = lead["a2"] + logtau["a"] / tau
    for n, t in zip(power["n"], power["t"]):
        a += n * tau ** t
        at += n * t * tau ** (t - 1)
    return a, at


def pressure(T, rho):
    _, ad, _ = alphar(Tr / T, rho / rhor)
    return rho * R * T * (1 + (rho / rhor) * ad)


def gibbs(T, rho):
    tau, delta = Tr / T, rho / rhor
    a, ad, _ = alphar(tau, delta)
    a0, _ = alpha0(tau, delta)
    return R * T * (1 + a0 + a + delta * ad)


def enthalpy(T, rho):  # J/mol
    tau, delta = Tr / T, rho / rhor
    _, ad, at = alphar(tau, delta)
    _, a0t = alpha0(tau, delta)
    return R * T * (1 + tau * (a0t + at) + delta * ad)


def density(T, p, rho):
    """Newton on p(rho) from the given start."""
    for _ in range(200):
        h = rho * 1e-7
        f = pressure(T, rho) - p
        df = (pressure(T, rho + h) - pressure(T, rho - h)) / (2 * h)
        step = f / df
        rho -= step
        if abs(step) < 1e-12 * rho:
            return rho
    raise RuntimeError("density")


def saturation(T):
    """Pressure, liquid and vapour density by equal Gibbs energy (secant on p)."""
    p = 1e5
    # A rough start from the ideal-gas Clausius-Clapeyron form around the boiling point.
    p = 101325 * math.exp(2700 * (1 / 247.08 - 1 / T))
    rhoL, rhoV = 3 * rhor, p / (R * T)

    def dg(pp):
        nonlocal rhoL, rhoV
        rhoL = density(T, pp, rhoL)
        rhoV = density(T, pp, rhoV)
        return gibbs(T, rhoL) - gibbs(T, rhoV)

    p1, p2 = p, p * 1.01
    f1, f2 = dg(p1), dg(p2)
    for _ in range(100):
        p3 = p2 - f2 * (p2 - p1) / (f2 - f1)
        p1, f1 = p2, f2
        p2, f2 = p3, dg(p3)
        if abs(p2 - p1) < 1e-9 * p2:
            break
    return p2, rhoL, rhoV


K = 273.15
_, rhoL0, _ = saturation(K)
offset = 200e3 - enthalpy(K, rhoL0) / M  # IIR: h' = 200 kJ/kg at 0 degC


def h_liquid(t):  # kJ/kg, saturated liquid
    _, rhoL, _ = saturation(t + K)
    return (enthalpy(t + K, rhoL) / M + offset) / 1000


def vapour(t, p):  # h kJ/kg, v m3/kg of superheated vapour at p [Pa]
    rho = density(t + K, p, p / (R * (t + K)))
    return (enthalpy(t + K, rho) / M + offset) / 1000, 1 / (rho * M)


t0, tc, tsR, ts, dtu, dtue = -10.0, 40.0, 20.0, 5.0, 3.0, 8.0
Qo = 20 + 0.6 * t0 - 0.15 * tc + 0.004 * t0 * t0  # the test record's polynomial
p0, _, _ = saturation(t0 + K)
h1, vR = vapour(tsR, p0)
h3 = h_liquid(tc)
mR = Qo / (h1 - h3)
V = mR * vR
h1u, vU = vapour(ts, p0)
hE, _ = vapour(t0 + dtue, p0)
h3u = h_liquid(tc - dtu)
m = V / vU
print(f"p0 = {p0 / 1e5:.6f} bar, h1 = {h1:.4f}, h3 = {h3:.4f}, vR = {vR:.7f}")
print(f"h1u = {h1u:.4f}, hE = {hE:.4f}, h3u = {h3u:.4f}, vU = {vU:.7f}")
print(f"Qo = {Qo:.6f} kW, mR = {mR:.7f} kg/s, m = {m:.7f} kg/s")
print(f"QoV = {(h1u - h3u) * m:.6f} kW, QoE = {(hE - h3u) * m:.6f} kW")
