// The names of a refrigerant: the entry of the refrigerant lists (search, data sheet),
// the Ashrae designation of the product tables and the name of its fluid file. R404A
// and R507 share one list entry, "R404A, R507", which the tables know as R404A.
#pragma once

#include <QString>

namespace drel {

// The shared list entry of R404A and R507.
inline QString r404aListenEintrag() {
    return QStringLiteral("R404A, R507");
}

// The list entry of a designation: "R404A" gives "R404A, R507", every other name is
// kept (blanks around it removed; an R507 record keeps its own entry).
QString kaeltemittelListenEintrag(const QString& ashrae);

// The designation the tables file a list entry under: the part before the first comma
// ("R404A, R507" -> "R404A"), blanks removed around it.
QString kaeltemittelAshrae(const QString& listenEintrag);

// Whether the designation is a zeotropic blend: the 400 series of ISO 817 (R404A,
// R407C, R449A); their bubble and dew points differ by the temperature glide.
bool zeotropesGemisch(const QString& ashrae);

// Whether two names mean the same list entry ("r404a" and "R404A, R507" do).
bool gleichesKaeltemittel(const QString& a, const QString& b);

} // namespace drel
