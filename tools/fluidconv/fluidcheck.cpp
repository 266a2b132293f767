// Check point of a fluid file that has none yet: bubble and dew pressure at
// check.T, the vapour volume at the dew pressure and the end of the saturation
// lines, as JSON on stdout. fluidconv.py stores them in the file, so that the
// program later notices when the file's coefficients have changed.
#include "fluid/refrigerantmodel.h"

#include <QFile>
#include <cstdio>
#include <nlohmann/json.hpp>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: drel-fluidcheck <fluid file>\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray bytes = file.readAll();
    QString error;
    const auto model = drel::fluid::loadFluidDataUnchecked(bytes, &error);
    if (!model) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    const auto f = nlohmann::json::parse(bytes.begin(), bytes.end());
    const double T = f.at("check").at("T").get<double>();
    const double pDew = model->dewPressure(T);
    nlohmann::json out = {{"T_sat_max", model->criticalTemperature()},
                          {"p_dew", pDew},
                          {"p_bubble", model->bubblePressure(T)},
                          {"v_dew", model->vapourVolume(T, pDew)}};
    std::printf("%s\n", out.dump().c_str());
    return 0;
}
