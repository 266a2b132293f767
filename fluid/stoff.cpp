#include "fluid/stoff.h"

#include "base/directories.h"
#include "base/messagesink.h"

#include <QDir>
#include <QFileInfo>
#include <bit>
#include <cmath>
#include <limits>

namespace drel::fluid {

namespace {

const double kKelvin = 273.15;
const double kPaPerBar = 100000;
const double kJPerKJ = 1000;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

const char* const kNoAccess = "No access to fluid files!\n\rPlease check FLUID PATH settings";
const char* const kDewError = "Error: dew point pressure";
const char* const kBubbleError = "Error: bubble point temperature";
const char* const kLiquidError = "Error: liquid enthalpy";
const char* const kVapourError = "Error: vapour enthalpy";
const char* const kVolumeError = "Error: specific volume";

} // namespace

QString fluidFileStem(const QString& refrigerant) {
    QString s = refrigerant.section(QLatin1Char(','), 0, 0);
    s.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    s = s.toUpper();
    if (s == QLatin1String("R507A"))
        s = QStringLiteral("R507");
    return s;
}

TStoff& stoff() {
    static TStoff instance;
    return instance;
}

void TStoff::Create() {
    Create(pfad(verzeichnisse().einstellungen, QStringLiteral("Reflibs")));
}

void TStoff::Create(const QString& reflibsDirectory) {
    directory_ = reflibsDirectory;
    created_ = true;
    fluids_.clear();
    current_ = nullptr;
    resolved_ = false;
    const QFileInfo info(directory_);
    if (!info.isDir() || !info.isReadable())
        report(QString::fromLatin1(kNoAccess));
}

void TStoff::ensureDirectory() {
    if (!created_) {
        directory_ = pfad(verzeichnisse().einstellungen, QStringLiteral("Reflibs"));
        created_ = true;
    }
}

void TStoff::KaeltemittelSetzen(const QString& name) {
    if (name == name_ && resolved_)
        return;
    name_ = name.left(255);
    current_ = nullptr;
    resolved_ = false;
}

// Loads the refrigerant's file on first use; a failed load is remembered so that
// a search over hundreds of articles does not read the disk (or report) each time.
TStoff::Fluid* TStoff::fluid() {
    if (resolved_)
        return current_;
    ensureDirectory();
    const QString stem = fluidFileStem(name_);
    auto it = fluids_.find(stem);
    if (it == fluids_.end()) {
        auto f = std::make_unique<Fluid>();
        if (!stem.isEmpty()) {
            const QString path = findeDatei(directory_, stem + QStringLiteral(".ref"));
            QString error;
            // Once per file: the failure is remembered below, so the later property
            // calls give only their own message.
            if (QFileInfo::exists(path)) {
                f->model = loadFluidFile(path, &error);
                if (!f->model)
                    report(
                        QStringLiteral("Stoffdatei %1: %2").arg(QFileInfo(path).fileName(), error));
            } else if (QFileInfo(directory_).isDir()) { // a missing folder was reported
                report(QStringLiteral("Stoffdatei %1.ref: nicht gefunden in %2")
                           .arg(stem, QDir::toNativeSeparators(directory_)));
            }
        }
        it = fluids_.emplace(stem, std::move(f)).first;
    }
    current_ = it->second->model ? it->second.get() : nullptr;
    resolved_ = true;
    return current_;
}

const RefrigerantModel* TStoff::modell() {
    Fluid* f = fluid();
    return f ? f->model.get() : nullptr;
}

template <typename F>
double TStoff::remembered(Op op, double a, double b, const char* message, F compute) {
    Fluid* f = fluid();
    double value = kNaN;
    if (f) {
        const Key key{std::bit_cast<std::uint64_t>(a), std::bit_cast<std::uint64_t>(b), op};
        const auto hit = f->memo.find(key);
        if (hit != f->memo.end()) {
            value = hit->second;
        } else {
            value = compute(*f->model);
            // Bounded: a long session must not grow without limit.
            if (f->memo.size() > 100000)
                f->memo.clear();
            f->memo.emplace(key, value);
        }
    }
    if (std::isnan(value))
        report(QString::fromLatin1(message));
    return value;
}

double TStoff::Taudruck(double t) {
    return remembered(Op::Dew, t, 0, kDewError, [t](const RefrigerantModel& m) {
        return m.dewPressure(t + kKelvin) / kPaPerBar;
    });
}

double TStoff::Siedetemperatur(double p) {
    return remembered(Op::Bubble, p, 0, kBubbleError, [p](const RefrigerantModel& m) {
        return m.bubbleTemperature(p * kPaPerBar) - kKelvin;
    });
}

double TStoff::FluessigEnthalpie(double t) {
    return remembered(Op::Liquid, t, 0, kLiquidError, [t](const RefrigerantModel& m) {
        return m.liquidEnthalpy(t + kKelvin) / kJPerKJ;
    });
}

double TStoff::FluessigEnthalpieSiedepunkt(double p) {
    const double t = Siedetemperatur(p);
    if (std::isnan(t)) {
        report(QString::fromLatin1(kLiquidError));
        return kNaN;
    }
    return FluessigEnthalpie(t);
}

double TStoff::DampfEnthalpie(double t, double p) {
    return remembered(Op::VapourH, t, p, kVapourError, [t, p](const RefrigerantModel& m) {
        return m.vapourEnthalpy(t + kKelvin, p * kPaPerBar) / kJPerKJ;
    });
}

double TStoff::DampfVolumen(double t, double p) {
    return remembered(Op::VapourV, t, p, kVolumeError, [t, p](const RefrigerantModel& m) {
        return m.vapourVolume(t + kKelvin, p * kPaPerBar);
    });
}

} // namespace drel::fluid
