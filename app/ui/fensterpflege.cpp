#include "app/ui/fensterpflege.h"

#include "base/directories.h"
#include "calc/einheiten.h"
#include "calc/ui/frmeinheiten.h"
#include "i18n/uebersetzer.h"
#include "sheet/ui/frmtechnik.h"
#include "state/sprache.h"

#include <QApplication>
#include <QEvent>

namespace drel::ui {

void uebersetzerInstallieren() {
    i18n::Uebersetzer::instanz().installieren();
}

void spracheLaden() {
    i18n::Uebersetzer::instanz().laden(sprache().code);
    // Qt tells the windows only once its event loop runs; the start and a change of
    // language must reach them at once, each window with its children.
    QEvent wechsel(QEvent::LanguageChange);
    for (QWidget* fenster : QApplication::topLevelWidgets())
        QCoreApplication::sendEvent(fenster, &wechsel);
}

void einheitenFensterZeigen(QWidget* eltern) {
    const bool warFahrenheit = calc::einheiten().bestaetigt(calc::EinheitGruppe::Temperatur) == 1;
    TFrmEinheiten fenster(calc::einheiten(),
                          pfad(verzeichnisse().einstellungen, QStringLiteral("units.dat")), eltern);
    fenster.exec();
    const auto alle = QApplication::allWidgets();
    for (QWidget* w : alle)
        if (auto* blatt = qobject_cast<TFrmTechnik*>(w))
            blatt->einheitGewechselt(warFahrenheit);
}

} // namespace drel::ui
