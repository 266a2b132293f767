#include "app/ui/druckauftraege.h"

#include "base/messagesink.h"
#include "print/ergebnisdruck.h"
#include "print/kundenmodell.h"
#include "print/ui/frmkunde.h"
#include "report/ui/berichtdrucker.h"
#include "sheet/ui/frmtechnik.h"
#include "state/sprache.h"

#include <QCoreApplication>
#include <utility>

namespace drel::ui {

void blattDrucken(TFrmTechnik& blatt) {
    blatt.blatt().seitenFuellen();
    print::TFrmKunde kunde(std::as_const(blatt).blatt(), blatt.font().family(), &blatt);
    kunde.exec();
}

namespace {

// The printout's texts belong to the main window's translations.
const char* const kTitel = QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Suchergebnis");
const char* const kDrucken = QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Drucken");

QString uebersetzt(const char* text) {
    return QCoreApplication::translate("drel::ui::TFrmMenue", text);
}

} // namespace

void ergebnisDrucken(const QList<QStringList>& raster, const QString& seite,
                     const QStringList& kopf, QWidget* eltern) {
    const print::DruckRaster zeilen(raster.begin(), raster.end());
    auto bericht = print::ergebnisBerichtAnlegen();
    bericht->setTitle(uebersetzt(kTitel));
    bericht->setLanguage(print::berichtSprache(sprache().kurzCode));
    const print::ErgebnisKopf k{kopf.value(0), kopf.value(1), kopf.value(2),
                                briefDatum(QDate::currentDate(), sprache().kurzCode)};
    print::ergebnisBerichtFuellen(*bericht, zeilen, seite, k);
    bericht::BerichtDrucker drucker(*bericht, eltern);
    drucker.preview();
    if (!drucker.error().isEmpty())
        report(drucker.error(), uebersetzt(kDrucken), MessageKind::Error);
}

} // namespace drel::ui
