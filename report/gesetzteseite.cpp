#include "report/gesetzteseite.h"

#include "report/memo.h"

namespace drel::bericht {

std::vector<const Druckobjekt*> GesetzteSeite::find(const QString& name) const {
    std::vector<const Druckobjekt*> treffer;
    for (const auto& objekt : objects_)
        if (objekt->hasName(name))
            treffer.push_back(objekt.get());
    return treffer;
}

QStringList GesetzteSeite::texts() const {
    QStringList texte;
    for (const auto& objekt : objects_)
        if (const auto* memo = dynamic_cast<const Memo*>(objekt.get()))
            texte << memo->text();
    return texte;
}

} // namespace drel::bericht
