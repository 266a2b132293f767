#include "search/suchtypen.h"

#include "base/numberformat.h"

#include <algorithm>
#include <cmath>

namespace drel::search {

KMRec KMRec::ausListenEintrag(const QString& eintrag) {
    KMRec km;
    km.Anzahl = 1;
    QString name = eintrag.left(6);
    if (name.size() == 6 && name.at(5) == QLatin1Char(','))
        name.chop(1);
    km.Name[0] = name;
    return km;
}

QString normalisiert(const QString& text) {
    QString n = text.toUpper();
    n.remove(QLatin1Char(' '));
    return n;
}

QString ohneErstesX(QString text) {
    const qsizetype x = text.indexOf(QLatin1Char('X'));
    if (x >= 0)
        text.remove(x, 1);
    return text;
}

bool kaeltemittelPasst(const KMRec& km, const QString& kaeltemittel) {
    if (normalisiert(km.Name[0]).contains(QLatin1String("ALL")))
        return true;
    const QString gesucht = normalisiert(kaeltemittel);
    if (gesucht.isEmpty())
        return false;
    const int anzahl = std::clamp(km.Anzahl, 0, static_cast<int>(km.Name.size()));
    for (int k = 0; k < anzahl; ++k) {
        if (normalisiert(km.Name[static_cast<std::size_t>(k)]).contains(gesucht))
            return true;
    }
    return false;
}

double qoRunden(double qo) {
    return roundHalfEven(qo * 20.0) / 20.0;
}

double zweiStellen(double wert) {
    if (!std::isfinite(wert))
        return 0.0;
    const NumberSeparators& sep = numberSeparators();
    double gelesen = 0.0;
    return parseFloat(formatFloat(u"0.00", wert, sep), sep, gelesen) ? gelesen : 0.0;
}

Suchergebnis::Suchergebnis() {
    vd_.resize(kStartGroesse + 1);
}

VdSatz& Suchergebnis::anhaengen() {
    ++anzahl_;
    if (static_cast<std::size_t>(anzahl_) >= vd_.size())
        vd_.resize(vd_.size() * 2);
    VdSatz& satz = vd_[static_cast<std::size_t>(anzahl_)];
    satz = VdSatz{};
    return satz;
}

void Suchergebnis::tauschen(int i, int j) {
    if (i == j)
        return;
    (*this)[0] = (*this)[i];
    (*this)[i] = (*this)[j];
    (*this)[j] = (*this)[0];
}

void Suchergebnis::auswahlSortieren(const std::function<double(const VdSatz&)>& schluessel) {
    // The keys are read once and exchanged along with the entries, so the comparisons
    // run over a plain array; the order is that of the selection sort on the entries.
    std::vector<double> keys(static_cast<std::size_t>(anzahl_) + 1);
    for (int i = 1; i <= anzahl_; ++i)
        keys[static_cast<std::size_t>(i)] = schluessel((*this)[i]);
    for (int i = 1; i <= anzahl_; ++i) {
        std::size_t kleinster = static_cast<std::size_t>(i);
        for (std::size_t j = kleinster + 1; j <= static_cast<std::size_t>(anzahl_); ++j) {
            if (keys[j] < keys[kleinster])
                kleinster = j;
        }
        tauschen(i, static_cast<int>(kleinster));
        std::swap(keys[static_cast<std::size_t>(i)], keys[kleinster]);
    }
}

void Suchergebnis::nachQoSortieren() {
    auswahlSortieren([](const VdSatz& v) { return v.Qo; });
}

} // namespace drel::search
