#include "app/ui/fensterpflege.h"

#include "base/directories.h"
#include "calc/einheiten.h"
#include "calc/ui/frmeinheiten.h"
#include "i18n/uebersetzer.h"
#include "i18n/ui/neuuebersetzen.h"
#include "sheet/ui/frmhinweise.h"
#include "sheet/ui/frmtechnik.h"
#include "state/sprache.h"

#include <QApplication>

namespace drel::ui {

void uebersetzerInstallieren() {
    i18n::Uebersetzer::instanz().installieren();
}

void spracheLaden() {
    i18n::Uebersetzer::instanz().laden(sprache().code);
}

void fensterNeuUebersetzen(QWidget& hauptfenster, QWidget* suche) {
    i18n::neuUebersetzen(suche);
    QList<TFrmTechnik*> blaetter = hauptfenster.findChildren<TFrmTechnik*>();
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (auto* blatt = qobject_cast<TFrmTechnik*>(fenster); blatt && !blaetter.contains(blatt))
            blaetter << blatt;
    for (TFrmTechnik* blatt : blaetter) {
        i18n::neuUebersetzen(blatt);
        i18n::neuUebersetzen(blatt->hinweise());
    }
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
