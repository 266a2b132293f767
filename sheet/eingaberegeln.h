// The rules of the data sheet's type and operating-point inputs that depend on texts
// only: the two spellings of a type, the split of "type - refrigerant" texts, the
// pole button's caption and the 8-pole limit of t0.
#pragma once

#include <QString>

namespace drel::sheet {

// The type with an "X" before its first digit 1..9 (unless one is already there).
QString typXForm(const QString& typ);
// The type with that "X" removed.
QString typOhneX(const QString& typ);
// Whether the type text has an "X" directly followed by a digit 1..9.
bool hatXVorZiffer(const QString& typ);

// Types of the two-stage series are listed as "type - refrigerant"; texts beginning
// with "QNT" or "WT" holding " -" are split there.
struct TypTeilung {
    QString typ;
    QString kaeltemittel;
    bool geteilt = false;
};
TypTeilung typTeilen(const QString& typText, const QString& kaeltemittel);

// The caption names the state the button switches to: " 8" while 4-pole, " 4" while 8-pole.
QString polCaption(const QString& caption, bool vierPolig);

// With R22 or R404A a pole-switching compressor runs in 8-pole operation only down to
// -25 °C.
bool achtPolGrenzeGilt(const QString& kaeltemittel);
inline constexpr double kAchtPolT0Min = -25.0;

// Pole-switching types: "4/8" or "8/4" in the name.
bool polumschaltbar(const QString& typ);

} // namespace drel::sheet
