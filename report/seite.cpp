#include "report/seite.h"

namespace drel::bericht {

Band& Seite::addBand(const QString& name, BandArt art) {
    bands_.push_back(std::make_unique<Band>(name, art));
    return *bands_.back();
}

Band* Seite::findBand(const QString& name) const {
    for (const auto& band : bands_)
        if (band->hasName(name))
            return band.get();
    return nullptr;
}

Druckobjekt* Seite::findObject(const QString& name) const {
    for (const auto& band : bands_)
        if (auto* objekt = band->findObject(name))
            return objekt;
    return nullptr;
}

} // namespace drel::bericht
