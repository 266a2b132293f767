#include "report/berichtobjekt.h"

namespace drel::bericht {

bool BerichtObjekt::hasName(const QString& name) const {
    return name_.compare(name, Qt::CaseInsensitive) == 0;
}

void BerichtObjekt::fireBeforePrint() {
    if (beforePrint_)
        beforePrint_(*this);
}

void BerichtObjekt::fireAfterPrint() {
    if (afterPrint_)
        afterPrint_(*this);
}

} // namespace drel::bericht
