#include "sheet/pages/leistungstabelle.h"

#include "base/dateischreiben.h"
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "base/temperatur.h"
#include "calc/ausgabewerte.h"
#include "calc/betriebspunkt.h"
#include "calc/einheiten.h"
#include "calc/einsatzgrenzen.h"
#include "calc/lukobilanz.h"
#include "chart/grenztest.h"
#include "db/datamodule.h"
#include "db/errorboundary.h"
#include "db/recordhelpers.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cmath>

namespace drel::sheet {

void SpinFeld::setzen(double v) {
    wert = std::clamp(std::isfinite(v) ? v : 0.0, min, max);
}

T0Grenze& letzteT0Grenze() {
    static T0Grenze grenze = T0Grenze::Unten;
    return grenze;
}

int SpaltenZahlHolen(double schritt, double oben, double unten) {
    if (!(schritt > 0.0))
        return 1;
    return static_cast<int>(std::ceil(std::abs(oben - unten) / schritt + 1.0));
}

namespace {

void extremeVon(const GrenzPolygon& p, HuellenExtreme& h) {
    for (int k = 0; k < p.Anzahl && k < static_cast<int>(p.punkte.size()); ++k) {
        const GrenzPunkt& q = p.punkte[static_cast<size_t>(k)];
        h.t0Min = std::min(h.t0Min, static_cast<double>(q.to));
        h.t0Max = std::max(h.t0Max, static_cast<double>(q.to));
        h.tcMin = std::min(h.tcMin, static_cast<double>(q.tc));
        h.tcMax = std::max(h.tcMax, static_cast<double>(q.tc));
    }
}

} // namespace

HuellenExtreme MinMaxTabLeistung(db::TDataModule1& dm, const QString& kaeltemittel,
                                 qint32 artikelId) {
    HuellenExtreme h;
    db::KaeltemittelPositionieren(dm, kaeltemittel, artikelId);
    if (dm.TBLeistung.isEmpty() || dm.TBLeistung.eof())
        return h;
    GrenzPolygon p;
    db::GrenzenLesen(dm.TBLeistung, 2, p);
    if (p.Anzahl <= 0)
        db::GrenzenLesen(dm.TBLeistung, 1, p);
    extremeVon(p, h);
    return h;
}

void TabBereiche::ausHuelle(const HuellenExtreme& h, const calc::Einheiten& e) {
    auto anzeige = [&](double c) { return std::trunc(e.TempAnzeige(c)); };
    const double a0 = anzeige(h.t0Min), b0 = anzeige(h.t0Max);
    const double ac = anzeige(h.tcMin), bc = anzeige(h.tcMax);
    SpinEdit1 = {a0, a0 - 5.0, b0 + 5.0};
    SpinEdit2 = {b0, a0 - 5.0, b0 + 5.0};
    SpinEdit4 = {ac, ac - 5.0, bc + 5.0};
    SpinEdit5 = {bc, ac - 5.0, bc + 5.0};
}

void TabBereiche::einheitWechseln(bool nachFahrenheit) {
    auto kurz = [](double v) {
        double r = v;
        parseFloat(shortestDecimal(v, NumberSeparators::english()), NumberSeparators::english(), r);
        return r;
    };
    for (SpinFeld* f : {&SpinEdit1, &SpinEdit2, &SpinEdit4, &SpinEdit5, &SpinEdit7, &SpinEdit8})
        f->wert =
            kurz(nachFahrenheit ? celsiusNachFahrenheit(f->wert) : fahrenheitNachCelsius(f->wert));
    for (SpinFeld* f : {&SpinEdit3, &SpinEdit6, &SpinEdit9})
        f->wert = kurz(nachFahrenheit ? kelvinNachRankine(f->wert) : rankineNachKelvin(f->wert));
}

namespace {

const char* const kIniSchluessel[] = {"TOV", "TOB", "TOS", "TCV", "TCB", "TCS"};

// A stored number: the first "," and the first "." become the decimal separator.
double iniZahl(QString text) {
    const QChar dez = numberSeparators().decimal;
    for (QChar alt : {QLatin1Char(','), QLatin1Char('.')}) {
        const qsizetype k = text.indexOf(alt);
        if (k >= 0)
            text[k] = dez;
    }
    return floatOrZero(text);
}

} // namespace

void TabBereiche::lesen(const QString& datei) {
    // A settings file is never trusted to be small, nor to be a file at all (a FIFO in
    // its place must not hang the sheet): anything else keeps the defaults.
    if (const std::optional<QByteArray> inhalt = einstellungsDateiLesen(datei, 1 << 16))
        lesenAus(*inhalt);
}

void TabBereiche::lesenAus(QByteArrayView inhalt) {
    SpinFeld* felder[] = {&SpinEdit1, &SpinEdit2, &SpinEdit3, &SpinEdit4, &SpinEdit5, &SpinEdit6};
    bool inTabelle = false;
    const QStringList zeilen = QString::fromLocal8Bit(inhalt).split(QLatin1Char('\n'));
    for (const QString& roh : zeilen) {
        const QString zeile = roh.trimmed();
        if (zeile.startsWith(QLatin1Char('['))) {
            inTabelle = zeile.compare(QLatin1StringView("[Tabelle]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (!inTabelle || gleich <= 0)
            continue;
        const QString schluessel = zeile.left(gleich).trimmed();
        for (int k = 0; k < 6; ++k) {
            if (schluessel.compare(QLatin1StringView(kIniSchluessel[k]), Qt::CaseInsensitive) == 0)
                felder[k]->setzen(iniZahl(zeile.mid(gleich + 1).trimmed()));
        }
    }
}

QByteArray TabBereiche::inhalt() const {
    const SpinFeld* felder[] = {&SpinEdit1, &SpinEdit2, &SpinEdit3,
                                &SpinEdit4, &SpinEdit5, &SpinEdit6};
    QString text = QStringLiteral("[Tabelle]\r\n");
    for (int k = 0; k < 6; ++k)
        text += QLatin1StringView(kIniSchluessel[k]) + QLatin1Char('=') +
                generalFormat(felder[k]->wert) + QStringLiteral("\r\n");
    return text.toLocal8Bit();
}

bool TabBereiche::schreiben(const QString& datei) const {
    return alsEinstellungsDateiLesbar(datei) && dateiAtomarSchreiben(datei, inhalt());
}

QString TabBereiche::standardDatei() {
    return pfad(verzeichnisse().einstellungen, QStringLiteral("Tab.ini"));
}

// ---------------------------------------------------------------------------

namespace {

const TabellenZelle kLeer{};

QString qoUeberschrift(const calc::Einheiten& e) {
    static const char* const k[] = {"Qo [W]", "Qo [Btu/h]", "Qo [ton]", "Qo [kcal/h]"};
    const int i = e.index(calc::EinheitGruppe::Leistung);
    return i >= 0 && i < 4 ? QString::fromLatin1(k[i]) : QString();
}

QString pUeberschrift(const calc::Einheiten& e) {
    static const char* const k[] = {"P [kW]", "P [HP]", "P [PS]"};
    const int i = e.index(calc::EinheitGruppe::Antrieb);
    return i >= 0 && i < 3 ? QString::fromLatin1(k[i]) : QString();
}

bool fahrenheit(const calc::Einheiten& e) {
    return e.index(calc::EinheitGruppe::Temperatur) == 1;
}

// Envelope of the current capacity record in the display unit, with the diagram's axes.
struct Huelle {
    chart::GrenzPolygone polygone;
    chart::GrenzAchsen achsen;
};

Huelle huelleLesen(db::TDataModule1& dm, const calc::Einheiten& e) {
    Huelle h;
    db::GrenzenLesen(dm.TBLeistung, 3, h.polygone.rot);
    db::GrenzenLesen(dm.TBLeistung, 2, h.polygone.strich);
    db::GrenzenLesen(dm.TBLeistung, 1, h.polygone.blau);
    // The diagram's axes come from the range the limit test publishes.
    calc::GrenzBereichLesen(dm);
    const calc::GrenzBereich& g = calc::grenzBereich();
    const bool f = fahrenheit(e);
    if (f)
        h.polygone = chart::inFahrenheit(h.polygone);
    h.achsen = chart::grenzAchsen(g.GrenzT0Min, g.GrenzT0Max, g.GrenzTcMin, g.GrenzTcMax, f);
    return h;
}

QString zahlText(const char* muster, double v) {
    return std::isfinite(v) ? formatFloat(QString::fromLatin1(muster), v) : QStringLiteral("-");
}

} // namespace

quint32 LeistungsTabelle::hintergrund(int zeile) {
    return zeile % 2 == 1 ? 16245718u : 0u;
}

const TabellenZelle& LeistungsTabelle::zelle(int spalte, int zeile) const {
    if (spalte < 0 || zeile < 0 || spalte >= spalten_ || zeile >= zeilen_)
        return kLeer;
    return zellen_[static_cast<size_t>(zeile) * static_cast<size_t>(spalten_) +
                   static_cast<size_t>(spalte)];
}

TabellenZelle& LeistungsTabelle::setzen(int spalte, int zeile, const QString& text) {
    TabellenZelle& z = zellen_[static_cast<size_t>(zeile) * static_cast<size_t>(spalten_) +
                               static_cast<size_t>(spalte)];
    z.text = text;
    return z;
}

void LeistungsTabelle::kopfFuellen(const calc::Einheiten& e, const Auftrag& a) {
    using calc::EinheitGruppe;
    const calc::ArtikelEingabe& ein = a.eingabe;
    const QString t = e.TempEinheitText();
    const QString k = fahrenheit(e) ? QStringLiteral("[R]") : QStringLiteral("[K]");
    const auto temperatur = [&](double c) {
        return generalFormat(roundShown(e.TempAnzeige(c), 2));
    };
    const auto differenz = [&](double d) { return generalFormat(roundShown(e.DiffAnzeige(d), 2)); };
    kopf_.clear();
    kopf_.append({tr("Typ"), ein.typ});
    kopf_.append({tr("Kaltemittel"), ein.punkt.kaeltemittel});
    kopf_.append({tr("Einheiten"), qoUeberschrift(e) + QStringLiteral(", ") + pUeberschrift(e) +
                                       QStringLiteral(", I [A], ") + t});
    QString basis = tr("Sauggastemperatur %1 %2, Unterkuhlung %3 %4, Uberhitzung %5 %6, %7 Hz")
                        .arg(temperatur(ein.punkt.tsaug), t, differenz(ein.punkt.tu), k,
                             differenz(ein.punkt.tue), k, generalFormat(ein.punkt.f));
    if (ein.Panel9)
        basis += tr(" / %1 Hz (Verdichter 2)").arg(generalFormat(ein.f2));
    basis += QStringLiteral(", %1 1/min").arg(generalFormat(ein.punkt.n));
    if (!a.vierPolig)
        basis += tr(", 8-polig");
    if (a.luftEintritt)
        basis += tr(", tc aus der Bilanz mit dem Luftkondensator");
    kopf_.append({tr("Berechnungsgrundlage"), basis});
}

void LeistungsTabelle::Button1Click(db::TDataModule1& dm, fluid::TStoff& stoff,
                                    const calc::Einheiten& e, chart::GrenzChart& chart,
                                    TabBereiche& b, const calc::ArtikelEingabe& eingabe,
                                    bool vierPolig, bool luftEintritt) {
    MessageScope eineTabelle;
    // The cells are rated like the sheet, which leaves its traces in the program-wide
    // point and frequency; the table must not move what the sheet shows.
    const Betriebspunkt punktVorher = betriebspunkt();
    const Programmschalter schalterVorher = programmschalter();
    db::runReported([&] {
        berechnen(dm, stoff, e, chart, b, Auftrag{eingabe, vierPolig, luftEintritt});
    });
    betriebspunkt() = punktVorher;
    programmschalter() = schalterVorher;
}

void LeistungsTabelle::berechnen(db::TDataModule1& dm, fluid::TStoff& stoff,
                                 const calc::Einheiten& e, chart::GrenzChart& chart, TabBereiche& b,
                                 const Auftrag& a) {
    const calc::ArtikelEingabe& ein = a.eingabe;
    spalten_ = zeilen_ = 0;
    zellen_.clear();
    t0Werte_.clear();
    // 1. The capacity record of the (data) article for the refrigerant.
    const qint32 id = ein.DatenArtikelID != 0 ? ein.DatenArtikelID : ein.AktArtikelID;
    db::KaeltemittelPositionieren(dm, ein.punkt.kaeltemittel, id);
    const bool satzDa = !dm.TBLeistung.isEmpty() && !dm.TBLeistung.eof();

    // 2. t0 range, capped at ten columns by moving the bound not changed last.
    double t0u = b.SpinEdit1.wert, t0o = b.SpinEdit2.wert;
    const double t0s = b.SpinEdit3.wert;
    if (t0u > t0o)
        std::swap(t0u, t0o);
    if (SpaltenZahlHolen(t0s, t0o, t0u) > 10) {
        if (letzteT0Grenze() == T0Grenze::Oben)
            t0u = t0o - 9.0 * t0s;
        else
            t0o = t0u + 9.0 * t0s;
    }
    b.SpinEdit1.wert = t0u;
    b.SpinEdit2.wert = t0o;

    // 3. The row variable.
    luftEintritt_ = a.luftEintritt;
    SpinFeld& zu = a.luftEintritt ? b.SpinEdit7 : b.SpinEdit4;
    SpinFeld& zo = a.luftEintritt ? b.SpinEdit8 : b.SpinEdit5;
    const double zs = a.luftEintritt ? b.SpinEdit9.wert : b.SpinEdit6.wert;
    if (zu.wert > zo.wert)
        std::swap(zu.wert, zo.wert);
    const double unten = zu.wert, oben = zo.wert;
    if (!(t0s > 0.0) || !(zs > 0.0))
        return;

    // 4. Grid size; a range that would need more row blocks than any table shows is refused.
    const double n = unten >= 0.0 ? std::trunc((std::abs(oben) - std::abs(unten)) / zs)
                                  : std::trunc((std::abs(oben) + std::abs(unten)) / zs);
    if (!std::isfinite(n) || n > kMaxBloecke) {
        report(QStringLiteral("Die Tabelle hatte mehr als %1 Zeilen; bitte einen groesseren "
                              "Abstand waehlen.")
                   .arg(kMaxBloecke),
               QStringLiteral("Drel"));
        return;
    }
    spalten_ = kFesteSpalten + SpaltenZahlHolen(t0s, t0o, t0u);
    zeilen_ = kFesteZeilen + 4 * (static_cast<int>(std::max(n, 0.0)) + 1);
    zellen_.assign(static_cast<size_t>(spalten_) * static_cast<size_t>(zeilen_), TabellenZelle{});

    // 5. Frequencies and speed as the sheet rates them.
    kopfFuellen(e, a);

    // 6. Headings.
    const bool fh = fahrenheit(e);
    setzen(1, 0, a.luftEintritt ? QStringLiteral("tle") : QStringLiteral("tc"));
    setzen(1, 1, fh ? QStringLiteral("[°F]") : QStringLiteral("[°C]"));
    if (spalten_ > 3)
        setzen(3, 0, QStringLiteral("to ") + e.TempEinheitText());

    // 7. Columns from the upper bound down.
    std::vector<double> spaltenT0;
    for (double v = t0o;; v -= t0s) {
        t0Werte_.push_back(v);
        const int spalte = kFesteSpalten + static_cast<int>(t0Werte_.size()) - 1;
        if (spalte < spalten_) {
            setzen(spalte, 1, ZahlFormatieren(4, 1, v)).zahl = v;
            spaltenT0.push_back(v);
        }
        if (t0u * 0.99 >= v || t0Werte_.size() > 1000)
            break;
    }

    // 8. Row blocks from the lower bound up.
    const double f1 = ein.punkt.f;
    const bool stromZeile = (f1 == 50.0 || f1 == 60.0) && !ein.typ.startsWith(QLatin1Char('W'));
    std::vector<std::pair<int, double>> bloecke;
    for (double v = unten;; v += zs) {
        const int r = kFesteZeilen + 4 * static_cast<int>(bloecke.size());
        if (r + 3 >= zeilen_)
            break;
        setzen(1, r, ZahlFormatieren(4, 1, v)).zahl = v;
        setzen(2, r, qoUeberschrift(e));
        setzen(2, r + 1, pUeberschrift(e));
        setzen(2, r + 2, stromZeile ? QStringLiteral("I [A]") : QString());
        if (a.luftEintritt)
            setzen(2, r + 3, fh ? QStringLiteral("tc [°F]") : QStringLiteral("tc [°C]"));
        bloecke.emplace_back(r, v);
        if (!(oben * 0.99 > v))
            break;
    }
    if (!satzDa)
        return;

    // 9.–11. Cells: the sheet's rating at each point, filled only inside the envelope.
    const Huelle huelle = huelleLesen(dm, e);
    for (size_t s = 0; s < spaltenT0.size(); ++s) {
        const int spalte = kFesteSpalten + static_cast<int>(s);
        for (const auto& [r, v] : bloecke) {
            if (text(2, r).isEmpty())
                continue;
            if (a.luftEintritt && !ein.kondensator)
                continue;
            calc::ArtikelEingabe zelle = ein;
            zelle.punkt.t0 = e.TempIntern(spaltenT0[s]);
            zelle.kondensator = nullptr;
            if (a.luftEintritt) {
                // The unit's condenser balance at this air inlet temperature gives tc, the
                // same balance the sheet rates its own point with.
                zelle.punkt.tle = e.TempIntern(v);
                zelle.punkt.tc = calc::LukoBilanz(dm, *ein.kondensator, ein.punkt.f,
                                                  zelle.punkt.tle, zelle.punkt.t0, false)
                                     .tc;
            } else {
                zelle.punkt.tc = e.TempIntern(v);
            }
            const calc::ArtikelErgebnis erg = calc::NeuRechnen(dm, stoff, zelle);
            const double tcAnzeige = e.TempAnzeige(erg.punkt.tc);
            const double t0Anzeige = e.TempAnzeige(erg.punkt.t0);
            // The point the rating used must be the cell's own and lie in the envelope.
            const bool verschoben = erg.geklemmt.t0 || erg.geklemmt.tc;
            if (!erg.gerechnet || verschoben ||
                !geometrischInnerhalb(huelle.polygone, huelle.achsen, t0Anzeige, tcAnzeige) ||
                !chart.innerhalb(huelle.polygone, huelle.achsen, t0Anzeige, tcAnzeige)) {
                for (int k = 0; k < 4; ++k)
                    setzen(spalte, r + k, QString()).ausserhalb = true;
                continue;
            }
            const calc::AusgabeWerte w = calc::ausgabeWerte(erg, ein.Panel9, a.vierPolig);
            const bool kw = e.index(calc::EinheitGruppe::Leistung) == 0;
            const double qo = e.LeistungAnzeige(kw ? w.QoGenau * 1000.0 : w.QoGenau);
            const double pa = e.AntriebAnzeige(w.P);
            const bool ton = e.index(calc::EinheitGruppe::Leistung) == 2;
            setzen(spalte, r, zahlText(ton ? "###,##,###0.00" : "###,###,##0", qo)).zahl = qo;
            setzen(spalte, r + 1, zahlText("###,###,##0.00", pa)).zahl = pa;
            if (stromZeile) {
                setzen(spalte, r + 2,
                       std::isfinite(w.I) ? ZahlFormatieren(7, 2, w.I) : QStringLiteral("-"))
                    .zahl = w.I;
            }
            if (a.luftEintritt)
                setzen(spalte, r + 3, ZahlFormatieren(7, 2, tcAnzeige)).zahl = tcAnzeige;
        }
    }
}

PunktUebernahme LeistungsTabelle::GridMouseUp(int spalte, int zeile) const {
    PunktUebernahme u;
    u.luftEintritt = luftEintritt_;
    u.t0 = floatOrZero(text(spalte, 1));
    for (int r = zeile; r >= kFesteZeilen; --r) {
        if (!text(1, r).isEmpty()) {
            u.zeilenWert = floatOrZero(text(1, r));
            break;
        }
    }
    return u;
}

} // namespace drel::sheet
