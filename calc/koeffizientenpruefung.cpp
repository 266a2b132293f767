#include "calc/koeffizientenpruefung.h"

#include "base/dateischreiben.h"
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/polynom.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "db/table.h"
#include "db/tabledefs.h"
#include "db/tablefile.h"

#include <QFile>
#include <QFileInfo>
#include <QLineF>
#include <QPointF>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <unistd.h>

namespace drel::calc {
namespace {

constexpr double kDrehzahl = 1450.0;
constexpr double kFrequenz = 50.0;

using Polygon = std::vector<QPointF>; // x = t0, y = tc

// The corner points of a limit polygon up to its closing point.
Polygon eckpunkte(const db::GrenzPolygon& p) {
    Polygon ecken;
    // Anzahl counts the closing point, which repeats the first.
    const int eckenAnzahl =
        std::min(p.Anzahl, static_cast<int>(db::GrenzPolygon::kGespeichert) + 1) - 1;
    for (int k = 0; k < eckenAnzahl; ++k) {
        const GrenzPunkt& punkt = p.punkte[static_cast<size_t>(k)];
        ecken.emplace_back(punkt.to, punkt.tc);
    }
    while (ecken.size() > 1 && ecken.back() == QPointF(0.0, 0.0))
        ecken.pop_back();
    if (ecken.size() < 3)
        ecken.clear();
    return ecken;
}

bool aufKante(const QPointF& a, const QPointF& b, const QPointF& q) {
    const double kreuz = (b.x() - a.x()) * (q.y() - a.y()) - (b.y() - a.y()) * (q.x() - a.x());
    if (std::fabs(kreuz) > 1e-9 * std::max(1.0, QLineF(a, b).length()))
        return false;
    return q.x() >= std::min(a.x(), b.x()) - 1e-9 && q.x() <= std::max(a.x(), b.x()) + 1e-9 &&
           q.y() >= std::min(a.y(), b.y()) - 1e-9 && q.y() <= std::max(a.y(), b.y()) + 1e-9;
}

// Inside (even-odd rule) or on an edge.
bool innen(const Polygon& p, const QPointF& q) {
    bool drin = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if (aufKante(p[j], p[i], q))
            return true;
        if ((p[i].y() > q.y()) != (p[j].y() > q.y()) &&
            q.x() < (p[j].x() - p[i].x()) * (q.y() - p[i].y()) / (p[j].y() - p[i].y()) + p[i].x())
            drin = !drin;
    }
    return drin;
}

struct Bereich {
    double min = 0.0;
    double max = 0.0;
};

std::optional<std::pair<Bereich, Bereich>> huelle(const std::vector<Polygon>& polygone) {
    std::optional<std::pair<Bereich, Bereich>> h;
    for (const Polygon& p : polygone) {
        for (const QPointF& q : p) {
            if (!h) {
                h = std::pair{Bereich{q.x(), q.x()}, Bereich{q.y(), q.y()}};
                continue;
            }
            h->first.min = std::min(h->first.min, q.x());
            h->first.max = std::max(h->first.max, q.x());
            h->second.min = std::min(h->second.min, q.y());
            h->second.max = std::max(h->second.max, q.y());
        }
    }
    return h;
}

// Collects the failing points of one quantity of one record.
class Sammler {
public:
    explicit Sammler(PruefGroesse g) { befund_.groesse = g; }

    // `schwere` orders the failures: the point with the largest is kept as example.
    void fehler(double t0, double tc, double wert, double schwere) {
        if (befund_.punkte == 0) {
            befund_.t0Min = befund_.t0Max = t0;
            befund_.tcMin = befund_.tcMax = tc;
        }
        ++befund_.punkte;
        befund_.t0Min = std::min(befund_.t0Min, t0);
        befund_.t0Max = std::max(befund_.t0Max, t0);
        befund_.tcMin = std::min(befund_.tcMin, tc);
        befund_.tcMax = std::max(befund_.tcMax, tc);
        if (befund_.punkte == 1 || !(schwere <= schwere_)) {
            schwere_ = schwere;
            befund_.t0 = t0;
            befund_.tc = tc;
            befund_.wert = wert;
        }
    }

    void abschliessen(const KoeffizientenBefund& kopf, int gesamt,
                      std::vector<KoeffizientenBefund>& befunde) {
        if (befund_.punkte == 0)
            return;
        KoeffizientenBefund b = befund_;
        b.artikel = kopf.artikel;
        b.kaeltemittel = kopf.kaeltemittel;
        b.leistungsId = kopf.leistungsId;
        b.punkteGesamt = gesamt;
        befunde.push_back(b);
    }

private:
    KoeffizientenBefund befund_;
    double schwere_ = 0.0;
};

// The badness of a value that must be finite and not negative (0 when it is fine).
double negativ(double wert) {
    if (!std::isfinite(wert))
        return HUGE_VAL;
    return wert < 0.0 ? -wert : 0.0;
}

void datensatzPruefen(db::TDataModule1& dm, double raster,
                      std::vector<KoeffizientenBefund>& befunde) {
    db::GrenzPolygon blau;
    db::GrenzPolygon strich;
    db::GrenzenLesen(dm.TBLeistung, 1, blau);
    db::GrenzenLesen(dm.TBLeistung, 2, strich);
    std::vector<Polygon> polygone;
    for (const db::GrenzPolygon& p : {blau, strich}) {
        Polygon ecken = eckpunkte(p);
        if (!ecken.empty())
            polygone.push_back(std::move(ecken));
    }
    const auto h = huelle(polygone);
    if (!h)
        return;
    KoeffizientenBefund kopf;
    kopf.artikel = dm.TBArtikel.asString(u"Bezeichnung1");
    kopf.kaeltemittel = dm.TBKMittelS.asString(u"Ashrae");
    kopf.leistungsId = dm.TBLeistung.asInteger(u"ID");
    Sammler qo(PruefGroesse::Kaelteleistung);
    Sammler p(PruefGroesse::Antriebsleistung);
    Sammler i(PruefGroesse::Strom);
    Sammler cop(PruefGroesse::Leistungszahl);
    int gesamt = 0;
    // The record's coefficients are read once; the grid only evaluates polynomials.
    const RechenSatz satz = rechenSatz(dm);
    const bool motor = satz.motorDatensatz;
    for (double t0 = std::floor(h->first.min); t0 <= h->first.max; t0 += raster) {
        for (double tc = std::floor(h->second.min); tc <= h->second.max; tc += raster) {
            const QPointF punkt(t0, tc);
            if (std::none_of(polygone.begin(), polygone.end(),
                             [&](const Polygon& poly) { return innen(poly, punkt); }))
                continue;
            ++gesamt;
            const double q = QoRechnen(satz, t0, tc, kDrehzahl, kFrequenz);
            const double leistung = PRechnen(satz, t0, tc, kDrehzahl, kFrequenz);
            if (const double s = negativ(q); s > 0.0)
                qo.fehler(t0, tc, q, s);
            if (const double s = negativ(leistung); s > 0.0)
                p.fehler(t0, tc, leistung, s);
            if (motor) {
                const double strom = IRechnen(satz, t0, tc, kDrehzahl, kFrequenz, false);
                if (const double s = negativ(strom); s > 0.0)
                    i.fehler(t0, tc, strom, s);
            }
            if (negativ(q) == 0.0 && negativ(leistung) == 0.0) {
                const double zahl = q / leistung;
                const double max = leistungszahlMax(t0, tc);
                if (!(zahl >= kLeistungszahlMin && zahl <= max)) {
                    const double abstand = std::isfinite(zahl)
                                               ? std::max(kLeistungszahlMin - zahl, zahl - max)
                                               : HUGE_VAL;
                    cop.fehler(t0, tc, zahl, abstand);
                }
            }
        }
    }
    for (Sammler* s : {&qo, &p, &i, &cop})
        s->abschliessen(kopf, gesamt, befunde);
}

QString groessenText(PruefGroesse g) {
    switch (g) {
    case PruefGroesse::Kaelteleistung:
        return QStringLiteral("Kälteleistung negativ oder nicht endlich");
    case PruefGroesse::Antriebsleistung:
        return QStringLiteral("Antriebsleistung negativ oder nicht endlich");
    case PruefGroesse::Strom:
        return QStringLiteral("Strom negativ oder nicht endlich");
    case PruefGroesse::Leistungszahl:
        return QStringLiteral("Leistungszahl Qo/P außerhalb %1 bis %2 (oder Carnot)")
            .arg(generalFormat(kLeistungszahlMin), generalFormat(kLeistungszahlMax));
    }
    return {};
}

const QString kAufbauZeile = QStringLiteral("Aufbau der Tabellen: ");

QString datenOrdner(const QString& programmVerzeichnis) {
    return findeDatei(programmVerzeichnis, QStringLiteral("Daten"));
}

QString berichtDatei(const QString& programmVerzeichnis) {
    return pfad(datenOrdner(programmVerzeichnis), QStringLiteral("Pruefbericht.txt"));
}

} // namespace

double leistungszahlMax(double t0, double tc) {
    const double hub = tc - t0;
    if (hub <= 0.0)
        return HUGE_VAL;
    return std::max(kLeistungszahlMax, (t0 + 273.15) / hub);
}

KoeffizientenPruefung koeffizientenPruefen(db::TDataModule1& dm, double raster) {
    KoeffizientenPruefung ergebnis;
    for (db::Cursor* c :
         {&dm.TBArtikel, &dm.TBLeistung, &dm.TBKMittelS, &dm.TBMotorArtikel, &dm.TBMotoren}) {
        if (!c->active())
            c->open();
    }
    for (dm.TBArtikel.first(); !dm.TBArtikel.eof(); dm.TBArtikel.next()) {
        for (dm.TBLeistung.first(); !dm.TBLeistung.eof(); dm.TBLeistung.next()) {
            ++ergebnis.datensaetze;
            datensatzPruefen(dm, raster, ergebnis.befunde);
        }
    }
    return ergebnis;
}

QString pruefberichtText(const KoeffizientenPruefung& pruefung) {
    QString text = QStringLiteral("Prüfbericht der Leistungskoeffizienten\n"
                                  "%1 Leistungsdatensätze geprüft, Raster 1 K über der blauen "
                                  "und der gestrichelten Einsatzgrenze, 50 Hz, 1450 1/min.\n")
                       .arg(pruefung.datensaetze);
    if (!pruefung.aufbau.isEmpty())
        text += kAufbauZeile + pruefung.aufbau + QLatin1Char('\n');
    if (pruefung.befunde.empty() && pruefung.dateinamen.isEmpty())
        return text + QStringLiteral("Keine Auffälligkeiten.\n");
    for (const QString& zeile : pruefung.dateinamen)
        text += QStringLiteral("Dateiname außerhalb seines Ordners, wird nicht verwendet: %1\n")
                    .arg(zeile);
    for (const KoeffizientenBefund& b : pruefung.befunde) {
        text += QStringLiteral("%1, %2 (Datensatz %3): %4 an %5 von %6 Punkten, "
                               "t0 %7 bis %8 °C, tc %9 bis %10 °C; ärgster Punkt t0 %11 °C, "
                               "tc %12 °C: %13\n")
                    .arg(b.artikel, b.kaeltemittel)
                    .arg(b.leistungsId)
                    .arg(groessenText(b.groesse))
                    .arg(b.punkte)
                    .arg(b.punkteGesamt)
                    .arg(generalFormat(b.t0Min), generalFormat(b.t0Max), generalFormat(b.tcMin),
                         generalFormat(b.tcMax), generalFormat(b.t0), generalFormat(b.tc),
                         generalFormat(b.wert));
    }
    return text;
}

QString pruefberichtErstellen(const QString& programmVerzeichnis, int& befunde) {
    befunde = -1;
    KoeffizientenPruefung pruefung;
    // Read before the check, so that a swap by another process during the check
    // leaves a report that names the older generation and is done again.
    pruefung.aufbau = tabellenAufbau(programmVerzeichnis);
    try {
        db::TDataModule1 dm(programmVerzeichnis);
        const QString aufbau = pruefung.aufbau;
        pruefung = koeffizientenPruefen(dm);
        pruefung.aufbau = aufbau;
        pruefung.dateinamen = dateinamenPruefen(programmVerzeichnis);
    } catch (const db::DbError& e) {
        report(e.message(), QString(), MessageKind::Error);
        return {};
    }
    const QString text = pruefberichtText(pruefung);
    if (!dateiSchreibenOderMelden(berichtDatei(programmVerzeichnis), text.toUtf8()))
        return text;
    befunde = static_cast<int>(pruefung.befunde.size() + pruefung.dateinamen.size());
    return text;
}

QStringList dateinamenPruefen(const QString& programmVerzeichnis) {
    struct Felder {
        const char* tabelle;
        std::initializer_list<const char*> felder;
    };
    static const Felder kFelder[] = {
        {"Articles", {"Bild", "Masszeichnung", "Produktzeichnung", "Explosionszeichnung"}},
        {"ProductGroups", {"KleinesBild", "GrossesBild"}},
        {"ZertifikatTypen", {"BildName"}},
    };
    QStringList zeilen;
    const QString daten = datenOrdner(programmVerzeichnis);
    for (const Felder& f : kFelder) {
        const db::TableDef* def = db::tabelle(QString::fromLatin1(f.tabelle));
        if (!def)
            continue;
        db::TablePtr tabelle = db::loadTableFile(findeDatei(daten, def->fileName));
        const int id = tabelle->fieldIndex(u"ID");
        for (const char* feld : f.felder) {
            const int spalte = tabelle->fieldIndex(QLatin1StringView(feld));
            if (spalte < 0)
                continue;
            for (const db::Row& row : tabelle->rows()) {
                const QString name = db::toString(row[static_cast<size_t>(spalte)]);
                if (bleibtImOrdner(name))
                    continue;
                zeilen << QStringLiteral("%1, Datensatz %2, Feld %3: %4")
                              .arg(QLatin1StringView(f.tabelle),
                                   id >= 0 ? db::toString(row[static_cast<size_t>(id)])
                                           : QStringLiteral("-"),
                                   QLatin1StringView(feld), name);
            }
        }
    }
    return zeilen;
}

QString tabellenAufbau(const QString& programmVerzeichnis) {
    const db::TableDef* def = db::tabelle(u"CapacityData");
    if (!def)
        return {};
    return db::tableFileMeta(findeDatei(datenOrdner(programmVerzeichnis), def->fileName),
                             QStringLiteral("build"));
}

QString berichtAufbau(const QString& berichtText) {
    for (const QStringView zeile : QStringView(berichtText).split(QLatin1Char('\n'))) {
        if (zeile.startsWith(kAufbauZeile))
            return zeile.mid(kAufbauZeile.size()).trimmed().toString();
    }
    return {};
}

bool pruefberichtAktualisieren(const QString& programmVerzeichnis, int& befunde, QString* text) {
    befunde = 0;
    const QString daten = datenOrdner(programmVerzeichnis);
    if (!QFileInfo(daten).isDir() || ::access(QFile::encodeName(daten).constData(), W_OK) != 0)
        return false;
    const db::TableDef* def = db::tabelle(u"CapacityData");
    if (!def || !QFileInfo(findeDatei(daten, def->fileName)).isFile())
        return false; // no tables, nothing to check (the data module says so)
    const QString aufbau = tabellenAufbau(programmVerzeichnis);
    // The heading and the id stand in the first lines; findings may follow by the
    // thousand.
    const std::optional<QByteArray> kopf =
        dateiAnfangLesen(berichtDatei(programmVerzeichnis), 4096);
    if (kopf && berichtAufbau(QString::fromUtf8(*kopf)) == aufbau)
        return false;
    const QString bericht = pruefberichtErstellen(programmVerzeichnis, befunde);
    if (text)
        *text = bericht;
    return true;
}

} // namespace drel::calc
