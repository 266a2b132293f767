// Plausibility checks of a fluid file before its equation is used: a file with a
// missing or absurd constant, or with coefficients that no longer reproduce its
// own check point, would otherwise give wrong mass flows without any warning.
// Every check returns an empty text when it passes, else the reason in words the
// user can act on, naming the member or the check.
#pragma once

#include <QString>
#include <nlohmann/json_fwd.hpp>

namespace drel::fluid {

class RefrigerantModel;

// Plausible ranges of the constants, bounds included. They hold every refrigerant
// the program knows (ammonia 17 g/mol, R113 187 g/mol, R14 at 227.5 K, water at
// 647 K and 22.06 MPa - hence 25 MPa rather than 20) with room for new ones, and
// reject zero, sign and unit errors (g/mol for kg/mol, MPa or bar for Pa).
struct FluidLimits {
    static constexpr double kMolarMassMin = 0.002;   // kg/mol (2 g/mol)
    static constexpr double kMolarMassMax = 0.5;     // kg/mol (500 g/mol)
    static constexpr double kCriticalTMin = 100;     // K
    static constexpr double kCriticalTMax = 700;     // K
    static constexpr double kCriticalPMin = 0.1e6;   // Pa
    static constexpr double kCriticalPMax = 25e6;    // Pa
    static constexpr double kCriticalRhoMin = 500;   // mol/m3 (R113: 2990)
    static constexpr double kCriticalRhoMax = 50000; // mol/m3 (water: 17874)
    static constexpr double kGasConstantMin = 8.30;  // J/(mol K); the equations
    static constexpr double kGasConstantMax = 8.33;  // use 8.31437 to 8.31451
    static constexpr double kCheckTolerance = 1e-6;  // relative, check-point pressures
};

// The members the models read: present, of the right type, finite and in range.
QString checkFluidMembers(const nlohmann::json& file);

// Reproduces the file's check point with the loaded model within kCheckTolerance:
// "check": T [K], p_dew and p_bubble [Pa] at T, v_dew [m3/kg] at T and p_dew, and
// dh_ideal [J/kg], the ideal-gas enthalpy rise from T to T + 50 K.
QString checkSaturationPoint(const RefrigerantModel& model, const nlohmann::json& file);

} // namespace drel::fluid
