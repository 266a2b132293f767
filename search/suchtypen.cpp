#include "search/suchtypen.h"

#include "base/numberformat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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
    slot_.resize(vd_.size());
}

namespace {

void vorladen(const void* p) {
    __builtin_prefetch(p, 1);
}

// The header of a text, which releasing the text counts down.
void kopfVorladen(const QString& text) {
    if (!text.isNull())
        vorladen(reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(text.constData()) -
                                               sizeof(QArrayData)));
}

} // namespace

VdSatz& Suchergebnis::anhaengen() {
    ++anzahl_;
    if (static_cast<std::size_t>(anzahl_) >= vd_.size()) {
        vd_.resize(vd_.size() * 2);
        slot_.resize(vd_.size());
    }
    const auto i = static_cast<std::size_t>(anzahl_);
    slot_[i] = anzahl_;
    VdSatz& satz = vd_[i];
    satz = VdSatz{};
    // A search takes microseconds per result, and the entries and texts that the next
    // two results replace have long left the cache when the list is large: fetched now,
    // they are at hand when their turn comes.
    if (i + 2 < vd_.size()) {
        const auto* naechster = reinterpret_cast<const char*>(&vd_[i + 2]);
        for (std::size_t b = 0; b < sizeof(VdSatz); b += 64)
            vorladen(naechster + b);
    }
    if (i + 1 < vd_.size()) {
        const VdSatz& v = vd_[i + 1];
        kopfVorladen(v.Zeile);
        kopfVorladen(v.Typ);
        kopfVorladen(v.TypUmgekehrt);
        kopfVorladen(v.Kaeltemittel);
    }
    return satz;
}

void Suchergebnis::auswahlSortieren(const std::function<double(const VdSatz&)>& schluessel) {
    // The selection sort takes the numbers in ascending order; only the order among equal
    // keys depends on its exchanges. An entry of a key is moved only while smaller keys
    // are taken (the one standing at the position being filled goes to where the taken
    // one stood), never while its own key is taken: standing at the position being filled
    // it would itself be the first smallest. So the entries of one key are taken in the
    // order of their positions when their key comes up. A NaN key never moves: the scan
    // neither takes one nor leaves its candidate at one, and a NaN at the position being
    // filled stays there. The keys are read once and sorted in O(n log n); the exchanges
    // run on positions only, and the entries stay in their slots.
    const auto n = static_cast<std::size_t>(anzahl_);
    std::vector<double> keys(n + 1);
    // Entries with a number as key, ascending by key; the key travels with the entry,
    // so that the sort compares numbers at hand.
    std::vector<std::pair<double, int>> zahlen;
    zahlen.reserve(n);
    for (std::size_t i = 1; i <= n; ++i) {
        keys[i] = schluessel(vd_[slot(static_cast<int>(i))]);
        if (!std::isnan(keys[i]))
            zahlen.emplace_back(keys[i], static_cast<int>(i));
    }
    std::sort(zahlen.begin(), zahlen.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });

    std::vector<int> herkunft(n + 1); // entry at each position
    std::vector<int> stelle(n + 1);   // position of each entry
    for (std::size_t i = 0; i <= n; ++i)
        herkunft[i] = stelle[i] = static_cast<int>(i);
    const auto nachStelle = [&stelle](const auto& a, const auto& b) {
        return stelle[static_cast<std::size_t>(a.second)] <
               stelle[static_cast<std::size_t>(b.second)];
    };
    std::size_t i = 1;
    for (auto anfang = zahlen.begin(); anfang != zahlen.end();) {
        const double k = anfang->first;
        const auto ende =
            std::find_if(anfang, zahlen.end(), [k](const auto& e) { return k < e.first; });
        std::sort(anfang, ende, nachStelle);
        for (auto e = anfang; e != ende; ++e) {
            while (std::isnan(keys[static_cast<std::size_t>(herkunft[i])]))
                ++i;
            const int eintrag = e->second;
            const auto m = static_cast<std::size_t>(stelle[static_cast<std::size_t>(eintrag)]);
            const int verdraengt = herkunft[i];
            herkunft[m] = verdraengt;
            stelle[static_cast<std::size_t>(verdraengt)] = static_cast<int>(m);
            herkunft[i] = eintrag;
            stelle[static_cast<std::size_t>(eintrag)] = static_cast<int>(i);
            ++i;
        }
        anfang = ende;
    }
    // Position i takes the slot that stood at herkunft[i].
    std::vector<int> alt(slot_.begin(), slot_.begin() + anzahl_ + 1);
    for (std::size_t p = 1; p <= n; ++p)
        slot_[p] = alt[static_cast<std::size_t>(herkunft[p])];
}

void Suchergebnis::nachQoSortieren() {
    auswahlSortieren([](const VdSatz& v) { return v.Qo; });
}

} // namespace drel::search
