#include "app/ui/blattdock.h"

#include "app/ui/druckauftraege.h"
#include "app/ui/hauptmenue.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "sheet/ui/frmtechnik.h"

#include <QLayout>
#include <QWidget>

namespace drel::ui {

BlattDock::BlattDock(QWidget* flaeche, Hauptmenue& menue)
    : QObject(flaeche), flaeche_(flaeche), menue_(menue) {}

TFrmTechnik* BlattDock::blatt() const {
    const auto blaetter = flaeche_->findChildren<TFrmTechnik*>(Qt::FindDirectChildrenOnly);
    return blaetter.isEmpty() ? nullptr : blaetter.front();
}

void BlattDock::anbinden(TFrmTechnik* blatt) {
    connect(blatt, &TFrmTechnik::abdocken, this, [this, blatt] { abdocken(blatt); });
    connect(blatt, &TFrmTechnik::andocken, this, [this, blatt] { andocken(blatt); });
    connect(blatt, &TFrmTechnik::zurueck, this, [this, blatt] { schliessen(blatt); });
    connect(blatt, &TFrmTechnik::drucken, this, [blatt] { blattDrucken(*blatt); });
}

void BlattDock::zeigen(TFrmTechnik* blatt) {
    neuesFenster_ = false;
    menue_.blattMenueEintragen(blatt);
    emit gezeigt();
    blatt->show();
    blatt->raise();
}

void BlattDock::oeffnen(const DatenblattAuftrag& auftrag, bool ausBrowser) {
    TFrmTechnik* offen = blatt();
    if (!offen) {
        offen = new TFrmTechnik1(*db::dataModule(), fluid::stoff(), calc::einheiten(), flaeche_);
        offen->setAttribute(Qt::WA_DeleteOnClose);
        flaeche_->layout()->addWidget(offen);
        anbinden(offen);
    }
    ausBrowser_ = ausBrowser;
    offen->oeffnen(auftrag);
    zeigen(offen);
}

void BlattDock::abdocken(TFrmTechnik* blatt) {
    const QRect rahmen = flaeche_->window()->geometry();
    flaeche_->layout()->removeWidget(blatt);
    const QSize groesse = blatt->size();
    blatt->setParent(nullptr, Qt::Window);
    blatt->setGeometry(QRect(rahmen.topLeft() + QPoint(40, 40), groesse + QSize(5, 25)));
    blatt->setAngedockt(false);
    menue_.blattMenueEntfernen();
    blatt->show();
    neuesFenster_ = true;
    emit frei(ausBrowser_);
    flaeche_->window()->raise();
}

void BlattDock::andocken(TFrmTechnik* blatt) {
    if (!neuesFenster_)
        return; // another sheet is docked
    blatt->setAngedockt(true);
    blatt->setParent(flaeche_, Qt::Widget);
    flaeche_->layout()->addWidget(blatt);
    zeigen(blatt);
}

void BlattDock::schliessen(TFrmTechnik* blatt) {
    if (blatt->angedockt()) {
        menue_.blattMenueEntfernen();
        flaeche_->layout()->removeWidget(blatt);
    }
    blatt->close();
    blatt->setParent(nullptr);
    if (!this->blatt()) {
        neuesFenster_ = true;
        emit frei(ausBrowser_);
    }
    blatt->deleteLater();
}

} // namespace drel::ui
