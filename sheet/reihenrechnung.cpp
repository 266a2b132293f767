#include "sheet/reihenrechnung.h"

#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/betriebspunkt.h"
#include "db/errorboundary.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/xlsxlesen.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <optional>

namespace drel::sheet {

namespace {

QString text(const char* quelle) {
    return QCoreApplication::translate("drel::sheet::Reihenrechnung", quelle);
}

enum class Spalte { artikel, kaeltemittel, t0, tc, luft, ts, tu, tue, f, n };

struct SpaltenName {
    Spalte spalte;
    const char* namen; // "|"-separated, compared without regard to case
};

const SpaltenName kSpaltenNamen[] = {
    {Spalte::artikel, "article|artikel|type|typ"},
    {Spalte::kaeltemittel, "refrigerant|kaeltemittel|kältemittel"},
    {Spalte::t0, "t0"},
    {Spalte::tc, "tc"},
    {Spalte::luft, "air|tle|luft|air inlet"},
    {Spalte::ts, "ts|suction gas|sauggas|tsaug"},
    {Spalte::tu, "subcooling|dtu|tu|unterkuehlung|unterkühlung"},
    {Spalte::tue, "superheat|ueberhitzung|überhitzung|tue"},
    {Spalte::f, "hz|f|frequency|frequenz"},
    {Spalte::n, "n|speed|drehzahl"},
};

std::optional<Spalte> spalteFuer(QString kopf) {
    kopf = kopf.trimmed().toLower();
    // "t0 [°C]" names the column t0.
    if (const qsizetype klammer = kopf.indexOf(QLatin1Char('[')); klammer > 0)
        kopf = kopf.left(klammer).trimmed();
    for (const SpaltenName& s : kSpaltenNamen)
        if (QString::fromUtf8(s.namen).split(QLatin1Char('|')).contains(kopf))
            return s.spalte;
    return std::nullopt;
}

// A number as people type it: "." or "," as decimal mark, "-" or the Unicode minus.
std::optional<double> zahl(QString t) {
    t = t.trimmed();
    t.replace(QChar(0x2212), QLatin1Char('-'));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// Splits one CSV line at `trenner`, with fields in double quotes ("" inside = ").
QStringList csvFelder(const QString& zeile, QChar trenner) {
    QStringList felder;
    QString feld;
    bool zitat = false;
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        const QChar c = zeile.at(i);
        if (zitat) {
            if (c == QLatin1Char('"') && i + 1 < zeile.size() && zeile.at(i + 1) == c) {
                feld += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                zitat = false;
            } else {
                feld += c;
            }
        } else if (c == QLatin1Char('"')) {
            zitat = true;
        } else if (c == trenner) {
            felder << feld;
            feld.clear();
        } else {
            feld += c;
        }
    }
    felder << feld;
    return felder;
}

ReihenPunkt punktLesen(const QStringList& zellen, const std::vector<std::optional<Spalte>>& spalten,
                       int zeile) {
    ReihenPunkt p;
    p.zeile = zeile;
    bool mitT0 = false, mitTc = false;
    QStringList fehler;
    for (std::size_t i = 0; i < spalten.size() && i < static_cast<std::size_t>(zellen.size());
         ++i) {
        const QString wert = zellen.at(static_cast<qsizetype>(i)).trimmed();
        // "-" is how the sheet (and this batch's output) writes "no value".
        if (!spalten[i] || wert.isEmpty() || wert == QLatin1String("-"))
            continue;
        const Spalte s = *spalten[i];
        if (s == Spalte::artikel) {
            p.artikel = wert;
            continue;
        }
        if (s == Spalte::kaeltemittel) {
            p.punkt.kaeltemittel = wert;
            continue;
        }
        const std::optional<double> v = zahl(wert);
        if (!v) {
            fehler << text(QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "keine Zahl: '%1'"))
                          .arg(wert);
            continue;
        }
        switch (s) {
        case Spalte::t0:
            p.punkt.t0 = *v;
            mitT0 = true;
            break;
        case Spalte::tc:
            p.punkt.tc = *v;
            mitTc = true;
            break;
        case Spalte::luft:
            p.punkt.tle = *v;
            p.luft = true;
            break;
        case Spalte::ts:
            p.punkt.tsaug = *v;
            break;
        case Spalte::tu:
            p.punkt.tu = *v;
            break;
        case Spalte::tue:
            p.punkt.tue = *v;
            break;
        case Spalte::f:
            p.punkt.f = *v;
            break;
        case Spalte::n:
            p.punkt.n = *v;
            break;
        default:
            break;
        }
    }
    if (!fehler.isEmpty())
        ; // the unreadable number is the reason
    else if (p.artikel.isEmpty() || p.punkt.kaeltemittel.isEmpty() || !mitT0 || (!mitTc && !p.luft))
        fehler << text(QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung",
                                         "Artikel, Kaeltemittel, t0 und tc oder Luft sind noetig"));
    else if (const QString s = calc::sauggasPruefen(p.punkt); !s.isEmpty())
        fehler << s;
    p.fehler = fehler.join(QStringLiteral("; "));
    return p;
}

} // namespace

ReihenTabelle reihenAusZellen(const std::vector<QStringList>& zeilen) {
    ReihenTabelle t;
    std::size_t kopf = 0;
    while (kopf < zeilen.size() && zeilen[kopf].join(QString()).trimmed().isEmpty())
        ++kopf;
    if (kopf == zeilen.size()) {
        t.fehler = text(QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Die Tabelle ist leer."));
        return t;
    }
    std::vector<std::optional<Spalte>> spalten;
    for (const QString& k : zeilen[kopf])
        spalten.push_back(spalteFuer(k));
    const auto hat = [&](Spalte s) { return std::count(spalten.begin(), spalten.end(), s) > 0; };
    if (!hat(Spalte::artikel) || !hat(Spalte::kaeltemittel) || !hat(Spalte::t0) ||
        (!hat(Spalte::tc) && !hat(Spalte::luft))) {
        t.fehler = text(QT_TRANSLATE_NOOP(
            "drel::sheet::Reihenrechnung",
            "Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc "
            "oder air."));
        return t;
    }
    for (std::size_t z = kopf + 1; z < zeilen.size(); ++z) {
        if (zeilen[z].join(QString()).trimmed().isEmpty())
            continue;
        t.punkte.push_back(punktLesen(zeilen[z], spalten, static_cast<int>(z) + 1));
    }
    return t;
}

ReihenTabelle reihenAusCsv(const QString& inhalt) {
    QString t = inhalt;
    if (t.startsWith(QChar(0xFEFF)))
        t.remove(0, 1);
    const QStringList zeilen = t.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    // The separator is the one the heading uses: ";" (German files), tab, else ",".
    const QString kopf = zeilen.value(0);
    const QChar trenner = kopf.contains(QLatin1Char(';'))    ? QLatin1Char(';')
                          : kopf.contains(QLatin1Char('\t')) ? QLatin1Char('\t')
                                                             : QLatin1Char(',');
    std::vector<QStringList> zellen;
    zellen.reserve(static_cast<std::size_t>(zeilen.size()));
    for (const QString& z : zeilen)
        zellen.push_back(csvFelder(z, trenner));
    return reihenAusZellen(zellen);
}

ReihenTabelle reihenLesen(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) {
        ReihenTabelle t;
        t.fehler = text(QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung",
                                          "Die Datei %1 kann nicht gelesen werden: %2"))
                       .arg(datei, f.errorString());
        return t;
    }
    const QByteArray inhalt = f.readAll();
    if (inhalt.startsWith("PK\x03\x04")) {
        QString grund;
        const std::optional<std::vector<QStringList>> zellen = xlsxZellenLesen(inhalt, &grund);
        if (!zellen) {
            ReihenTabelle t;
            t.fehler = text(QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung",
                                              "Die Arbeitsmappe %1 kann nicht gelesen werden: %2"))
                           .arg(datei, grund);
            return t;
        }
        return reihenAusZellen(*zellen);
    }
    return reihenAusCsv(QString::fromUtf8(inhalt));
}

const std::vector<Groesse>& reihenGroessen() {
    static const std::vector<Groesse> g{Groesse::t0,  Groesse::tc,  Groesse::tle, Groesse::tsaug,
                                        Groesse::tu,  Groesse::tue, Groesse::f,   Groesse::n,
                                        Groesse::Qo,  Groesse::QoE, Groesse::P,   Groesse::I,
                                        Groesse::COP, Groesse::Qc,  Groesse::m,   Groesse::Rand};
    return g;
}

Reihenrechnung::Reihenrechnung(db::TDataModule1& dm, fluid::TStoff& stoff,
                               const calc::Einheiten& einheiten, BlattModus modus)
    : blatt_(dm, stoff, einheiten, modus) {}

ReihenErgebnis Reihenrechnung::rechnen(const ReihenPunkt& punkt) {
    ReihenErgebnis e;
    e.ein = punkt;
    if (!punkt.fehler.isEmpty()) {
        e.grund = punkt.fehler;
        return e;
    }
    const QString schluessel = punkt.artikel + QLatin1Char('|') + punkt.punkt.kaeltemittel +
                               (punkt.luft ? QStringLiteral("|L") : QString());
    auto gefunden = auftraege_.find(schluessel);
    if (gefunden == auftraege_.end()) {
        std::optional<DatenblattAuftrag> neu;
        RecordingSink still;
        ScopedMessageSink stumm(&still);
        db::runReported(
            [&] { neu = artikelAuftrag(blatt_.dm(), punkt.artikel, punkt.punkt, punkt.luft); });
        gefunden = auftraege_.insert(schluessel, neu);
    }
    std::optional<DatenblattAuftrag> auftrag = gefunden.value();
    if (auftrag) {
        // The found article at this row's point, as artikelAuftrag gives it.
        const QString kaeltemittel = auftrag->punkt.kaeltemittel;
        auftrag->punkt = punkt.punkt;
        auftrag->punkt.kaeltemittel = kaeltemittel;
        auftrag->f2 = punkt.punkt.f;
    }
    if (!auftrag) {
        e.grund = text(QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "kein Artikel '%1'"))
                      .arg(punkt.artikel);
        return e;
    }
    return rechnen(*auftrag, punkt);
}

ReihenErgebnis Reihenrechnung::rechnen(const DatenblattAuftrag& auftrag, const ReihenPunkt& punkt) {
    ReihenErgebnis e;
    e.ein = punkt;
    RecordingSink still; // a row's data fault is its reason, not a message box
    ScopedMessageSink stumm(&still);
    const bool ok = db::runReported([&] {
        blatt_.oeffnen(auftrag, false);
        const TechnikModell& m = blatt_.modell();
        // The sheet falls back to the article's first refrigerant; a batch must not.
        if (m.AktArtikelID == 0 || !m.ergebnis().gerechnet ||
            !gleichesKaeltemittel(m.KMListboxText, punkt.punkt.kaeltemittel)) {
            e.grund = text(QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung",
                                             "%1 hat keine Leistungsdaten fuer %2"))
                          .arg(punkt.artikel, punkt.punkt.kaeltemittel);
            return;
        }
        if (punkt.luft != m.lukoModus()) {
            e.grund = punkt.luft
                          ? text(QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung",
                                                   "%1 ist kein Verflussigungssatz; tc angeben"))
                                .arg(punkt.artikel)
                          : text(QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung",
                                                   "%1 ist ein Verflussigungssatz; Luft angeben"))
                                .arg(punkt.artikel);
            return;
        }
        e.typ = m.ComboBox1Text;
        e.kaeltemittel = m.KMListboxText;
        for (Groesse g : reihenGroessen()) {
            e.werte.push_back(blatt_.wert(g));
            // A compressor has no air inlet temperature.
            if (g == Groesse::tle && !m.lukoModus())
                e.werte.back().berechenbar = false;
        }
        const Betriebspunkt& ein = punkt.punkt;
        const Betriebspunkt& bp = m.ergebnis().punkt;
        const calc::ArtikelErgebnis& a = m.ergebnis();
        const std::pair<const char*, bool> klemmen[] = {
            {"t0", std::abs(ein.t0 - bp.t0) > 0.005},
            {"tc", !a.SatzModus && std::abs(ein.tc - bp.tc) > 0.005},
            {"ts", std::abs(ein.tsaug - bp.tsaug) > 0.005},
            {"subcooling", std::abs(ein.tu - bp.tu) > 0.005},
            {"superheat", std::abs(ein.tue - bp.tue) > 0.005},
            {"air", a.SatzModus && std::abs(ein.tle - bp.tle) > 0.005},
            {"hz", a.mitMotor && ein.f != bp.f},
            {"n", !a.mitMotor && ein.n != bp.n}};
        for (const auto& [name, ja] : klemmen)
            if (ja)
                e.geklemmt << QString::fromLatin1(name);
        e.ausserhalb = blatt_.ausserhalb();
        e.grenzCode = a.code;
        e.hinweise = m.hinweise().texteUebersetzt();
        e.punkt = bp;
        e.polygone = m.polygone();
        e.gerechnet = a.verdichter1.berechenbar();
        if (!e.gerechnet)
            e.grund = text(QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung",
                                             "an diesem Punkt nicht berechenbar"));
    });
    if (!ok && e.grund.isEmpty())
        e.grund = still.messages.isEmpty()
                      ? text(QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Datenfehler"))
                      : still.messages.back().text;
    return e;
}

std::vector<ReihenErgebnis>
Reihenrechnung::alleRechnen(const std::vector<ReihenPunkt>& punkte,
                            const std::function<bool(int, int)>& weiter) {
    std::vector<ReihenErgebnis> ergebnisse;
    ergebnisse.reserve(punkte.size());
    const int anzahl = static_cast<int>(punkte.size());
    for (const ReihenPunkt& p : punkte) {
        ergebnisse.push_back(rechnen(p));
        if (weiter && !weiter(static_cast<int>(ergebnisse.size()), anzahl))
            break;
    }
    return ergebnisse;
}

namespace {

const char* const kGroessenNamen[] = {"t0",  "tc", "air", "ts",    "subcooling", "superheat",
                                      "f",   "n",  "Qo",  "QoE",   "P",          "I",
                                      "COP", "Qc", "m",   "margin"};

// The window's words for the keys; a key without one (t0, Qo, COP ...) reads the same in
// every language.
QString anzeigeName(const char* schluessel) {
    static const QHash<QByteArray, const char*> namen{
        {"row", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Zeile")},
        {"article", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Artikel")},
        {"refrigerant", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Kältemittel")},
        {"status", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Status")},
        {"reason", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Grund")},
        {"type", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Typ")},
        {"air", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Lufteintritt")},
        {"subcooling", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Unterkühlung")},
        {"superheat", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Überhitzung")},
        {"margin", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Abstand zur Einsatzgrenze")},
        {"limit code", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Grenzcode")},
        {"outside", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "außerhalb")},
        {"clamped", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "begrenzt")},
        {"notes", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "Hinweise")},
        {"ok", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "berechnet")},
        {"error", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "nicht berechnet")},
        {"yes", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "ja")},
        {"no", QT_TRANSLATE_NOOP("drel::sheet::Reihenrechnung", "nein")}};
    const auto it = namen.constFind(QByteArray(schluessel));
    return it == namen.cend() ? QString::fromLatin1(schluessel) : text(*it);
}

// A key, or its word in the window.
class Woerter {
public:
    explicit Woerter(ReihenKopf art) : anzeige_(art == ReihenKopf::anzeige) {}
    QString operator()(const char* schluessel) const {
        return anzeige_ ? anzeigeName(schluessel) : QString::fromLatin1(schluessel);
    }
    QString geklemmt(const QStringList& schluessel) const {
        QStringList w;
        for (const QString& k : schluessel)
            w << (*this)(k.toLatin1().constData());
        return w.join(QLatin1Char(' '));
    }

private:
    bool anzeige_;
};

} // namespace

ZellenRaster reihenZellen(const std::vector<ReihenErgebnis>& ergebnisse, ReihenKopf kopfArt) {
    const Woerter wort(kopfArt);
    ZellenRaster raster;
    std::vector<TabellenZelle> kopf;
    for (const char* k : {"row", "article", "refrigerant", "status", "reason", "type"})
        kopf.push_back({wort(k)});
    // The units of the first rated row (every row shows in the same units).
    const ReihenErgebnis* muster = nullptr;
    for (const ReihenErgebnis& e : ergebnisse)
        if (!e.werte.empty() && !muster)
            muster = &e;
    for (std::size_t g = 0; g < reihenGroessen().size(); ++g) {
        QString name = wort(kGroessenNamen[g]);
        if (muster && !muster->werte[g].einheit.isEmpty())
            name += QStringLiteral(" [%1]").arg(muster->werte[g].einheit);
        kopf.push_back({name});
    }
    for (const char* k : {"limit code", "outside", "clamped", "notes"})
        kopf.push_back({wort(k)});
    raster.push_back(kopf);
    for (const ReihenErgebnis& e : ergebnisse) {
        std::vector<TabellenZelle> z;
        z.push_back({QString::number(e.ein.zeile), false, double(e.ein.zeile)});
        z.push_back({e.ein.artikel});
        z.push_back({e.ein.punkt.kaeltemittel});
        z.push_back({wort(e.gerechnet ? "ok" : "error")});
        z.push_back({e.grund});
        z.push_back({e.typ});
        for (std::size_t g = 0; g < reihenGroessen().size(); ++g) {
            if (g >= e.werte.size() || !e.werte[g].berechenbar) {
                z.push_back({e.werte.empty() ? QString() : QStringLiteral("-")});
                continue;
            }
            const AnzeigeWert& w = e.werte[g];
            const QString muster0 = w.stellen <= 0 ? QStringLiteral("0")
                                                   : QStringLiteral("0.") + QString(w.stellen, '0');
            z.push_back({formatFloat(muster0, w.wert), w.ausserhalb, w.wert});
        }
        const bool mitWerten = !e.werte.empty();
        z.push_back(mitWerten
                        ? TabellenZelle{QString::number(e.grenzCode), false, double(e.grenzCode)}
                        : TabellenZelle{});
        z.push_back({mitWerten ? wort(e.ausserhalb ? "yes" : "no") : QString()});
        z.push_back({wort.geklemmt(e.geklemmt)});
        z.push_back({e.hinweise.join(QStringLiteral(" | "))});
        raster.push_back(std::move(z));
    }
    return raster;
}

std::vector<QStringList> reihenRaster(const std::vector<ReihenErgebnis>& ergebnisse) {
    std::vector<QStringList> texte;
    for (const auto& zeile : reihenZellen(ergebnisse)) {
        QStringList t;
        for (const TabellenZelle& z : zeile)
            t << z.text;
        texte.push_back(t);
    }
    return texte;
}

QString reihenAlsCsv(const std::vector<ReihenErgebnis>& ergebnisse, const CsvForm& form) {
    return rasterAlsCsv(reihenZellen(ergebnisse), form);
}

bool reihenAlsXlsx(const std::vector<ReihenErgebnis>& ergebnisse, const QString& datei,
                   QString* grund) {
    return rasterAlsXlsx(reihenZellen(ergebnisse), datei, grund);
}

} // namespace drel::sheet
