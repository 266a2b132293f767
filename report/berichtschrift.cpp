#include "report/berichtschrift.h"

#include "state/sprache.h"

#include <QFontDatabase>
#include <QStringList>

namespace drel::bericht {
namespace {

// Registers the bundled faces once; false when none could be read.
bool geladen() {
    static const bool ok = [] {
        bool eine = false;
        for (const char* datei : {":/drel/schriften/LiberationSans-Regular.ttf",
                                  ":/drel/schriften/LiberationSans-Bold.ttf"})
            eine = QFontDatabase::addApplicationFont(QString::fromLatin1(datei)) >= 0 || eine;
        return eine;
    }();
    return ok;
}

} // namespace

QString chinesischKoreanisch() {
    // Chinese characters have regional forms: without a named face the machine's
    // fallback may draw a Chinese sheet in the Japanese ones.
    return QString::fromLatin1(sprache().code.compare(QLatin1String("Ko"), Qt::CaseInsensitive) == 0
                                   ? kKoreanischeSchrift
                                   : kChinesischeSchrift);
}

QFont eigeneSchrift(QFont font) {
    // The windows ask for "Arial Unicode MS" first; the print window hands that on.
    static const QStringList arial{QStringLiteral("Arial"), QStringLiteral("Arial Unicode MS"),
                                   QString::fromLatin1(kEigeneSchrift)};
    if (arial.contains(font.family(), Qt::CaseInsensitive) && geladen())
        font.setFamilies({QString::fromLatin1(kEigeneSchrift), chinesischKoreanisch()});
    return font;
}

} // namespace drel::bericht
