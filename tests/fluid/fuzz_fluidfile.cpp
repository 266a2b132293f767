// libFuzzer target: any bytes given as a fluid file are either refused with a
// reason or give a model whose property calls return numbers or NaN - no crash,
// no exception.
#include "fluid/refrigerantmodel.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const auto model = drel::fluid::loadFluidData(bytes, &error);
    if (!model) {
        if (error.isEmpty())
            __builtin_trap(); // a refused file always has its reason
        return 0;
    }
    model->dewPressure(250);
    model->bubbleTemperature(2e5);
    model->liquidEnthalpy(260);
    model->vapourEnthalpy(270, 1e5);
    return 0;
}
