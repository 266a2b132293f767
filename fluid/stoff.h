// The program's refrigerant property object: properties of the refrigerant chosen
// with KaeltemittelSetzen, in degC, bar, kJ/kg and m3/kg, from the fluid files in
// the Reflibs folder. A failed call reports its message and returns NaN.
#pragma once

#include "fluid/refrigerantmodel.h"

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>

namespace drel::fluid {

// File stem of the fluid file for a refrigerant name as the tables write it:
// blanks are dropped, letters upper-cased, only the first of a list counts
// ("R404A, R507" -> "R404A"), and R507A is filed as R507.
QString fluidFileStem(const QString& refrigerant);

class TStoff {
public:
    TStoff() = default;

    // Uses <settings directory>/Reflibs.
    void Create();
    // Uses the given folder (tests, drel-cli). Reports when it cannot be read.
    void Create(const QString& reflibsDirectory);

    void KaeltemittelSetzen(const QString& name);
    const QString& kaeltemittel() const { return name_; }

    double Taudruck(double t);                    // dew pressure [bar] at t [degC]
    double Siedetemperatur(double p);             // bubble temperature [degC] at p [bar]
    double FluessigEnthalpie(double t);           // saturated liquid [kJ/kg] at t [degC]
    double FluessigEnthalpieSiedepunkt(double p); // saturated liquid [kJ/kg] at p [bar]
    double DampfEnthalpie(double t, double p);    // vapour [kJ/kg] at t [degC], p [bar]
    double DampfVolumen(double t, double p);      // vapour [m3/kg] at t [degC], p [bar]

    // The model of the current refrigerant, nullptr when its file is missing or bad.
    const RefrigerantModel* modell();
    const QString& verzeichnis() const { return directory_; }

private:
    enum class Op : std::uint8_t { Dew, Bubble, Liquid, VapourH, VapourV };
    struct Key {
        std::uint64_t a, b;
        Op op;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const noexcept {
            return (k.a * 0x9E3779B97F4A7C15ULL) ^ (k.b + 0x632BE59BD9B4E019ULL + (k.b << 6)) ^
                   static_cast<std::size_t>(k.op);
        }
    };
    struct Fluid {
        std::unique_ptr<RefrigerantModel> model;
        std::unordered_map<Key, double, KeyHash> memo;
    };
    template <typename F>
    double remembered(Op op, double a, double b, const char* message, F compute);
    Fluid* fluid();
    void ensureDirectory();

    QString directory_;
    bool created_ = false;
    QString name_;
    Fluid* current_ = nullptr;
    bool resolved_ = false;
    std::map<QString, std::unique_ptr<Fluid>> fluids_; // by file stem; null model = failed
};

// The one program-wide property object.
TStoff& stoff();

} // namespace drel::fluid
