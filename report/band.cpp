#include "report/band.h"

#include "report/form.h"
#include "report/memo.h"

#include <algorithm>

namespace drel::bericht {

Memo& Band::createMemo(const QString& name) {
    return add<Memo>(name);
}

Form& Band::createShape(const QString& name) {
    return add<Form>(name);
}

bool Band::removeObject(const QString& name) {
    const auto it = std::find_if(objects_.begin(), objects_.end(),
                                 [&](const auto& objekt) { return objekt->hasName(name); });
    if (it == objects_.end())
        return false;
    objects_.erase(it);
    return true;
}

Druckobjekt* Band::findObject(const QString& name) const {
    for (const auto& objekt : objects_)
        if (objekt->hasName(name))
            return objekt.get();
    return nullptr;
}

} // namespace drel::bericht
