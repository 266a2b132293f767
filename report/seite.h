// A page of a report definition: paper, margins and bands. Bands print in the
// order they were added: page header (with its children) on top of every
// printed page, page footer at its bottom, the other bands in between.
#pragma once

#include "report/band.h"
#include "report/berichtobjekt.h"

#include <QMarginsF>
#include <QSizeF>
#include <memory>
#include <vector>

namespace drel::bericht {

class Seite : public BerichtObjekt {
public:
    using BerichtObjekt::BerichtObjekt;

    // Paper size and margins in millimetres (default A4 portrait, 10 mm).
    const QSizeF& paperSize() const { return paperSize_; }
    void setPaperSize(const QSizeF& mm) { paperSize_ = mm; }
    const QMarginsF& margins() const { return margins_; }
    void setMargins(const QMarginsF& mm) { margins_ = mm; }

    Band& addBand(const QString& name, BandArt art);
    Band* findBand(const QString& name) const;
    // An object in any band of the page.
    Druckobjekt* findObject(const QString& name) const;
    const std::vector<std::unique_ptr<Band>>& bands() const { return bands_; }

private:
    QSizeF paperSize_{210, 297};
    QMarginsF margins_{10, 10, 10, 10};
    std::vector<std::unique_ptr<Band>> bands_;
};

} // namespace drel::bericht
