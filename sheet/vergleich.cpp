#include "sheet/vergleich.h"

#include "base/numberformat.h"
#include "sheet/pages/leistungstabelle.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

namespace drel::sheet {

namespace {

QString text(const char* quelle) {
    return QCoreApplication::translate("drel::sheet::Vergleich", quelle);
}

std::size_t reihenIndex(Groesse g) {
    const std::vector<Groesse>& r = reihenGroessen();
    return static_cast<std::size_t>(std::find(r.begin(), r.end(), g) - r.begin());
}

const char* const kZeilenNamen[] = {"Qo", "QoE", "P", "I", "m", "COP", "Qc", ""};

} // namespace

const std::vector<Groesse>& vergleichsGroessen() {
    static const std::vector<Groesse> g{Groesse::Qo, Groesse::QoE, Groesse::P,  Groesse::I,
                                        Groesse::m,  Groesse::COP, Groesse::Qc, Groesse::Rand};
    return g;
}

void Vergleich::rechnen(Reihenrechnung& rechnung, const QList<DatenblattAuftrag>& auftraege,
                        const QStringList& namen) {
    spalten_.clear();
    for (qsizetype i = 0; i < auftraege.size() && i < kMaxArtikel; ++i) {
        ReihenPunkt ein;
        ein.zeile = static_cast<int>(i) + 1;
        ein.artikel = namen.value(i).isEmpty() ? auftraege.at(i).typ : namen.at(i);
        ein.punkt = auftraege.at(i).punkt;
        ein.luft = auftraege.at(i).luko;
        spalten_.push_back(rechnung.rechnen(auftraege.at(i), ein));
    }
}

void Vergleich::rechnen(Reihenrechnung& rechnung, const QStringList& artikel,
                        const Betriebspunkt& punkt, bool luft) {
    spalten_.clear();
    for (qsizetype i = 0; i < artikel.size() && i < kMaxArtikel; ++i) {
        ReihenPunkt ein;
        ein.zeile = static_cast<int>(i) + 1;
        ein.artikel = artikel.at(i);
        ein.punkt = punkt;
        ein.luft = luft;
        spalten_.push_back(rechnung.rechnen(ein));
    }
}

const AnzeigeWert* Vergleich::wert(std::size_t a, std::size_t g) const {
    if (a >= spalten_.size() || g >= vergleichsGroessen().size())
        return nullptr;
    const std::size_t r = reihenIndex(vergleichsGroessen()[g]);
    const ReihenErgebnis& e = spalten_[a];
    return r < e.werte.size() ? &e.werte[r] : nullptr;
}

double Vergleich::differenz(std::size_t a, std::size_t g) const {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const AnzeigeWert* erster = wert(0, g);
    const AnzeigeWert* dieser = wert(a, g);
    if (a == 0 || !erster || !dieser || !erster->berechenbar || !dieser->berechenbar)
        return nan;
    if (vergleichsGroessen()[g] == Groesse::Rand)
        return dieser->wert - erster->wert;
    if (erster->wert == 0.0)
        return nan;
    return (dieser->wert - erster->wert) / std::abs(erster->wert) * 100.0;
}

QString Vergleich::differenzEinheit(std::size_t g) const {
    if (g >= vergleichsGroessen().size() || vergleichsGroessen()[g] != Groesse::Rand)
        return QStringLiteral("%");
    for (std::size_t a = 0; a < spalten_.size(); ++a)
        if (const AnzeigeWert* w = wert(a, g); w && !w->einheit.isEmpty())
            return w->einheit;
    return QStringLiteral("K");
}

QString differenzText(double differenz, const QString& einheit) {
    if (!std::isfinite(differenz))
        return {};
    const double r = roundShown(differenz, 1);
    return (r > 0 ? QStringLiteral("+") : QString()) + formatFloat(u"0.0", r == 0.0 ? 0.0 : r) +
           QLatin1Char(' ') + einheit;
}

DatenblattAuftrag blattAuftrag(const TechnikModell& m) {
    DatenblattAuftrag a;
    a.typ = m.ComboBox1Text;
    a.typen = {a.typ};
    a.artikelIds = {m.AktArtikelID};
    const calc::ArtikelEingabe e = m.eingabe();
    a.punkt = e.punkt;
    a.punkt.kaeltemittel = m.KMListboxText;
    a.luko = m.lukoModus();
    a.f2 = e.f2;
    a.vierPolig = m.VierPolig;
    return a;
}

ZellenRaster Vergleich::raster() const {
    ZellenRaster raster;
    std::vector<TabellenZelle> kopf{{text(QT_TRANSLATE_NOOP("drel::sheet::Vergleich", "Grosse"))},
                                    {text(QT_TRANSLATE_NOOP("drel::sheet::Vergleich", "Einheit"))}};
    for (const ReihenErgebnis& e : spalten_) {
        kopf.push_back({e.typ.isEmpty() ? e.ein.artikel : e.typ});
        kopf.push_back({text(QT_TRANSLATE_NOOP("drel::sheet::Vergleich", "Diff."))});
    }
    raster.push_back(kopf);
    for (std::size_t g = 0; g < vergleichsGroessen().size(); ++g) {
        const bool rand = vergleichsGroessen()[g] == Groesse::Rand;
        std::vector<TabellenZelle> z{
            {rand ? text(QT_TRANSLATE_NOOP("drel::sheet::Vergleich", "Abstand zur Einsatzgrenze"))
                  : QString::fromLatin1(kZeilenNamen[g])}};
        QString einheit;
        for (std::size_t a = 0; a < spalten_.size() && einheit.isEmpty(); ++a)
            if (const AnzeigeWert* w = wert(a, g))
                einheit = w->einheit;
        z.push_back({einheit});
        // A difference keeps its sign and unit in the workbook too; the cell stays a number.
        const QString diffEinheit = differenzEinheit(g);
        const QString diffFormat =
            QStringLiteral("+0.0\" %1\";-0.0\" %1\";0.0\" %1\"").arg(diffEinheit);
        for (std::size_t a = 0; a < spalten_.size(); ++a) {
            const AnzeigeWert* w = wert(a, g);
            if (!w || !w->berechenbar) {
                z.push_back({QStringLiteral("-")});
            } else {
                const QString muster =
                    w->stellen <= 0 ? QStringLiteral("0")
                                    : QStringLiteral("0.") + QString(w->stellen, QLatin1Char('0'));
                z.push_back({formatFloat(muster, w->wert), w->ausserhalb, w->wert});
            }
            const double d = differenz(a, g);
            z.push_back({differenzText(d, diffEinheit), false,
                         std::isfinite(d) ? roundShown(d, 1) : d, diffFormat});
        }
        raster.push_back(std::move(z));
    }
    std::vector<TabellenZelle> hinweise{
        {text(QT_TRANSLATE_NOOP("drel::sheet::Vergleich", "Hinweise"))}, {}};
    for (const ReihenErgebnis& e : spalten_) {
        hinweise.push_back({e.gerechnet ? e.hinweise.join(QStringLiteral(" | ")) : e.grund});
        hinweise.push_back({});
    }
    raster.push_back(std::move(hinweise));
    return raster;
}

} // namespace drel::sheet
