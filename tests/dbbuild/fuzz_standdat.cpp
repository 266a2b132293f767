// libFuzzer target: any bytes as Stand.dat read as a finite build stamp or 0 (which
// means "build again"), never a crash or a NaN that would compare false both ways.
#include "dbbuild/datenpruefung.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    {
        QFile file(dir.filePath(QStringLiteral("Stand.dat")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const double stand = drel::dbbuild::gespeicherterStand(dir.path());
    if (!std::isfinite(stand))
        __builtin_trap();
    return 0;
}
