#include "report/berichtschrift.h"

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

QFont eigeneSchrift(QFont font) {
    // The windows ask for "Arial Unicode MS" first; the print window hands that on.
    static const QStringList arial{QStringLiteral("Arial"), QStringLiteral("Arial Unicode MS"),
                                   QString::fromLatin1(kEigeneSchrift)};
    if (arial.contains(font.family(), Qt::CaseInsensitive) && geladen())
        font.setFamilies({QString::fromLatin1(kEigeneSchrift)});
    return font;
}

} // namespace drel::bericht
