// One refrigerant's property model in SI units, read from its fluid file.
// Every function returns NaN outside the range of the model or when a solver fails.
#pragma once

#include "fluid/fluideos.h"

#include <QByteArray>
#include <QString>
#include <limits>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <optional>

namespace drel::fluid {

class RefrigerantModel {
public:
    virtual ~RefrigerantModel() = default;

    virtual double dewPressure(double T) const = 0;       // Pa
    virtual double bubblePressure(double T) const = 0;    // Pa
    virtual double bubbleTemperature(double p) const = 0; // K
    virtual double dewTemperature(double p) const = 0;    // K

    double liquidEnthalpy(double T) const;           // saturated (bubble) liquid, J/kg
    double liquidVolume(double T) const;             // saturated (bubble) liquid, m3/kg
    double vapourEnthalpy(double T, double p) const; // J/kg
    double vapourVolume(double T, double p) const;   // m3/kg

    const Eos& eos() const { return *eos_; }
    // "helmholtz", "helmholtz-pseudo-pure", "helmholtz-mixture" or "peng-robinson", as
    // the file states.
    const QString& model() const { return model_; }
    // The literature key of the equation ("TillnerRoth-JPCRD-1994") and the reference
    // state of enthalpy and entropy ("IIR"), as the fluid file names them.
    const QString& equation() const { return equation_; }
    const QString& referenceState() const { return referenceState_; }
    // Safety class (ISO 817) and the 100-year global warming potential of the IPCC's
    // fourth and fifth assessment reports with their source, as the fluid file states
    // them; empty and NaN when it has none.
    const QString& safetyClass() const { return safetyClass_; }
    double gwpAr4() const { return gwpAr4_; }
    double gwpAr5() const { return gwpAr5_; }
    const QString& gwpSource() const { return gwpSource_; }
    double minTemperature() const { return tMin_; }
    // Upper end of the saturation lines, K.
    virtual double criticalTemperature() const { return eos_->criticalTemperature(); }
    // Enthalpy and entropy in the reference of the fluid file, J/kg and J/(kg K).
    double enthalpyAt(double T, double rho) const;
    double entropyAt(double T, double rho) const;
    // Shifts enthalpy and entropy so that the saturated liquid at 0 degC has
    // h = 200 kJ/kg and s = 1 kJ/(kg K); throws when that state does not exist.
    void useIirReference();

protected:
    RefrigerantModel(std::unique_ptr<Eos> eos, QString model, double tMin, double tMax,
                     double pMax);
    virtual std::optional<double> saturatedLiquidDensity(double T) const = 0;
    virtual double vapourGuess(double, double) const { return 0; }
    bool inRange(double T) const { return T >= tMin_ && T <= tMax_; }
    std::unique_ptr<Eos> eos_;
    QString model_;
    QString equation_, referenceState_;
    QString safetyClass_, gwpSource_;
    double gwpAr4_ = std::numeric_limits<double>::quiet_NaN();
    double gwpAr5_ = std::numeric_limits<double>::quiet_NaN();
    double tMin_, tMax_, pMax_;
    double hOffset_ = 0, sOffset_ = 0; // J/mol, J/(mol K)

    friend std::unique_ptr<RefrigerantModel> loadFluidData(const QByteArray&, QString*);
    friend std::unique_ptr<RefrigerantModel> loadParsed(const nlohmann::json&, QString*, bool);
};

// Reads a fluid file. A file that is not well-formed, has an implausible constant or
// does not reproduce its check point is not used: nullptr, and *error holds the
// reason (German, naming the member or the check, without the file name).
std::unique_ptr<RefrigerantModel> loadFluidFile(const QString& path, QString* error);
std::unique_ptr<RefrigerantModel> loadFluidData(const QByteArray& bytes, QString* error);
// The model of a file that has no check point yet, for the tool that computes it.
std::unique_ptr<RefrigerantModel> loadFluidDataUnchecked(const QByteArray& bytes, QString* error);

} // namespace drel::fluid
