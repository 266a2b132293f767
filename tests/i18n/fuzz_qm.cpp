// libFuzzer target: translation files as the translator reads them. What the check lets
// through is loaded and asked for texts, so that a lookup reading outside the file
// shows up under ASan.
#include "i18n/qmpruefung.h"

#include <QByteArray>
#include <QTranslator>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!drel::i18n::qmPruefen(bytes))
        return 0;
    QTranslator translator;
    if (!translator.load(reinterpret_cast<const uchar*>(bytes.constData()),
                         static_cast<int>(bytes.size())))
        return 0;
    for (const char* quelle : {"Neu in dieser Version", "Drel im Internet", "Suchen", ""}) {
        (void)translator.translate("drel::ui::TFrmMenue", quelle);
        (void)translator.translate("drel::ui::TFrmSuche", quelle, "x", 3);
    }
    return 0;
}
