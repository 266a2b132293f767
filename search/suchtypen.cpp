#include "search/suchtypen.h"

#include "base/numberformat.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace drel::search {

KMRec KMRec::ausListenEintrag(const QString& eintrag) {
    KMRec km;
    km.Anzahl = 1;
    km.Name[0] = eintrag.section(QLatin1Char(','), 0, 0).trimmed();
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
    // The number that the text "0.00" of it reads back as, without the text.
    return std::isfinite(wert) ? roundShown(wert, 2) : 0.0;
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

namespace {

// A tournament tree over the slots 1..n that names the slot the selection sort takes
// next: the smallest key, the first slot among equal keys. A finished slot takes no
// part. A slot whose key is NaN never wins against a number, as the scan of the
// selection sort never moves its candidate onto a NaN.
class Auswahlbaum {
public:
    explicit Auswahlbaum(const std::vector<double>& keys) : keys_(keys) {
        const std::size_t n = keys.size() - 1;
        while (blaetter_ < n)
            blaetter_ *= 2;
        knoten_.assign(2 * blaetter_, kFrei);
        for (std::size_t s = 1; s <= n; ++s)
            knoten_[blaetter_ + s - 1] = static_cast<int>(s);
        for (std::size_t k = blaetter_ - 1; k >= 1; --k)
            knoten_[k] = sieger(knoten_[2 * k], knoten_[2 * k + 1]);
    }

    int sieger() const { return knoten_[1]; }

    // The key of the slot changed, or the slot is finished (nimmtTeil false).
    void aendern(int slot, bool nimmtTeil) {
        std::size_t k = blaetter_ + static_cast<std::size_t>(slot) - 1;
        knoten_[k] = nimmtTeil ? slot : kFrei;
        for (k /= 2; k >= 1; k /= 2)
            knoten_[k] = sieger(knoten_[2 * k], knoten_[2 * k + 1]);
    }

private:
    static constexpr int kFrei = -1;

    int sieger(int a, int b) const {
        if (a == kFrei || b == kFrei)
            return a == kFrei ? b : a;
        const double x = keys_[static_cast<std::size_t>(a)];
        const double y = keys_[static_cast<std::size_t>(b)];
        if (std::isnan(x) != std::isnan(y))
            return std::isnan(x) ? b : a;
        if (y < x)
            return b;
        if (x < y)
            return a;
        return std::min(a, b);
    }

    const std::vector<double>& keys_;
    std::size_t blaetter_ = 1;
    std::vector<int> knoten_;
};

} // namespace

void Suchergebnis::auswahlSortieren(const std::function<double(const VdSatz&)>& schluessel) {
    // The keys are read once. The selection sort's order, ties included, comes out of a
    // tournament tree in O(n log n): each step takes the first smallest key of the slots
    // not yet placed (or keeps a NaN in place, where the scan would stick to it) and
    // exchanges it into position i. The exchanges run on the keys and on the entries'
    // numbers; each entry is then moved once to its place, as a large list lies outside
    // the processor's cache and an exchange of two entries reaches into it twice.
    const auto n = static_cast<std::size_t>(anzahl_);
    std::vector<double> keys(n + 1);
    std::vector<int> herkunft(n + 1);
    for (std::size_t i = 1; i <= n; ++i) {
        keys[i] = schluessel(vd_[i]);
        herkunft[i] = static_cast<int>(i);
    }
    Auswahlbaum baum(keys);
    for (int i = 1; i <= anzahl_; ++i) {
        const auto p = static_cast<std::size_t>(i);
        const int kleinster = std::isnan(keys[p]) ? i : baum.sieger();
        const auto k = static_cast<std::size_t>(kleinster);
        std::swap(herkunft[p], herkunft[k]);
        std::swap(keys[p], keys[k]);
        if (kleinster != i)
            baum.aendern(kleinster, true);
        baum.aendern(i, false);
    }
    umordnen(herkunft);
}

void Suchergebnis::umordnen(std::vector<int>& herkunft) {
    // Along each cycle of the permutation: entry i takes the entry from herkunft[i].
    for (std::size_t start = 1; start < herkunft.size(); ++start) {
        if (herkunft[start] == static_cast<int>(start))
            continue;
        VdSatz erster = std::move(vd_[start]);
        std::size_t i = start;
        for (auto von = static_cast<std::size_t>(herkunft[i]); von != start;
             von = static_cast<std::size_t>(herkunft[i])) {
            vd_[i] = std::move(vd_[von]);
            herkunft[i] = static_cast<int>(i);
            i = von;
        }
        vd_[i] = std::move(erster);
        herkunft[i] = static_cast<int>(i);
    }
}

void Suchergebnis::nachQoSortieren() {
    auswahlSortieren([](const VdSatz& v) { return v.Qo; });
}

} // namespace drel::search
