#include "report/seitensetzer.h"

#include "report/datenmenge.h"
#include "report/einheiten.h"
#include "report/memo.h"
#include "report/platzhalter.h"
#include "report/seite.h"

namespace drel::bericht {

Seitensetzer::Seitensetzer(Seite& seite, const BerichtObjekt::Ereignis& vorher,
                           const BerichtObjekt::Ereignis& nachher,
                           std::vector<GesetzteSeite>& ausgabe)
    : seite_(seite), vorher_(vorher), nachher_(nachher), ausgabe_(ausgabe) {
    for (const auto& band : seite_.bands()) {
        if (band->art() == BandArt::Seitenkopf && kopf_ == nullptr)
            kopf_ = band.get();
        if (band->art() == BandArt::Seitenfuss && fuss_ == nullptr)
            fuss_ = band.get();
    }
}

void Seitensetzer::setzen() {
    neueSeite();
    for (const auto& band : seite_.bands()) {
        if (band.get() == kopf_ || band.get() == fuss_ || band->art() == BandArt::Kind)
            continue;
        if (band->art() == BandArt::Stammdaten)
            datenbandDrucken(*band);
        else
            bandDrucken(*band, nullptr, Bereich::Koerper);
    }
    seiteAbschliessen();
}

void Seitensetzer::neueSeite() {
    ausgabe_.emplace_back(seite_.name(), seite_.paperSize());
    y_ = ausMm(seite_.margins().top());
    koerperLeer_ = true;
    if (kopf_ != nullptr)
        bandDrucken(*kopf_, nullptr, Bereich::Kopf);
}

void Seitensetzer::seiteAbschliessen() {
    if (fuss_ == nullptr)
        return;
    y_ = ausMm(seite_.paperSize().height() - seite_.margins().bottom()) - fuss_->height();
    bandDrucken(*fuss_, nullptr, Bereich::Fuss);
}

double Seitensetzer::koerperUnten() const {
    const double fuss = fuss_ != nullptr && fuss_->isVisible() ? fuss_->height() : 0;
    return ausMm(seite_.paperSize().height() - seite_.margins().bottom()) - fuss;
}

void Seitensetzer::datenbandDrucken(Band& band) {
    if (auto* daten = band.dataSet()) {
        for (daten->First(); !daten->CheckEOF(); daten->Next())
            bandDrucken(band, daten, Bereich::Koerper);
        return;
    }
    for (int zeile = 0; zeile < band.rowCount(); ++zeile)
        bandDrucken(band, nullptr, Bereich::Koerper);
}

// A child band prints only when its parent did; a chain of children longer than
// the page's bands is a loop and stops there. A band taller than the empty body
// of a page still prints there, so that the layout always moves on.
void Seitensetzer::bandDrucken(Band& band, const Datenmenge* daten, Bereich bereich,
                               std::size_t tiefe) {
    vorDruck(band);
    if (!band.isVisible())
        return;
    if (bereich == Bereich::Koerper && !koerperLeer_ && y_ + band.height() > koerperUnten()) {
        seiteAbschliessen();
        neueSeite();
    }
    objekteSetzen(band, daten);
    y_ += band.height();
    if (bereich == Bereich::Koerper)
        koerperLeer_ = false;
    nachDruck(band);
    if (band.child() != nullptr && tiefe < seite_.bands().size())
        bandDrucken(*band.child(), daten, bereich, tiefe + 1);
}

void Seitensetzer::objekteSetzen(Band& band, const Datenmenge* daten) {
    const double links = ausMm(seite_.margins().left());
    // By index: a handler may create objects in the band while it prints.
    for (std::size_t i = 0; i < band.objects().size(); ++i) {
        Druckobjekt& objekt = *band.objects()[i];
        vorDruck(objekt);
        if (objekt.isVisible()) {
            auto kopie = objekt.clone();
            kopie->moveBy(links, y_);
            if (auto* memo = dynamic_cast<Memo*>(kopie.get()); memo != nullptr && daten != nullptr)
                memo->setText(felderEinsetzen(memo->text(), *daten));
            ausgabe_.back().add(std::move(kopie));
        }
        nachDruck(objekt);
    }
}

void Seitensetzer::vorDruck(BerichtObjekt& objekt) {
    objekt.fireBeforePrint();
    if (vorher_)
        vorher_(objekt);
}

void Seitensetzer::nachDruck(BerichtObjekt& objekt) {
    objekt.fireAfterPrint();
    if (nachher_)
        nachher_(objekt);
}

} // namespace drel::bericht
