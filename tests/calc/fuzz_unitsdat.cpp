// libFuzzer target: any bytes as units.dat give a valid choice in every group - an
// index the group has, never a crash.
#include "calc/einheiten.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("units.dat"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    drel::calc::Einheiten einheiten;
    einheiten.laden(path);
    einheiten.standardFuerLeereGruppen();
    using drel::calc::EinheitGruppe;
    for (const EinheitGruppe g :
         {EinheitGruppe::Leistung, EinheitGruppe::Antrieb, EinheitGruppe::Temperatur})
        (void)einheiten.text(g).size();
    (void)einheiten.TempAnzeige(einheiten.TempIntern(-10.0));
    (void)einheiten.LeistungAnzeige(10.0);
    return 0;
}
