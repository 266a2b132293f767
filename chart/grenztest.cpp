#include "chart/grenztest.h"

#include "base/numberformat.h"
#include "base/temperatur.h"
#include "chart/graphflaeche.h"
#include "chart/vorbereitung.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace drel::chart {

namespace {

double zehnerRunden(double wert) {
    return 10 * roundHalfEven(wert / 10);
}
double fahrenheitWenn(double c, bool fahrenheit) {
    return fahrenheit ? celsiusNachFahrenheit(c) : c;
}

bool nurNullpunkte(const GrenzPolygon& polygon, int n) {
    for (int i = 0; i < n; ++i)
        if (polygon.punkte[static_cast<size_t>(i)] != GrenzPunkt{})
            return false;
    return true;
}

void graphSetzen(ChartDaten& daten, int g, const GrenzPolygon& polygon, const GrenzAchsen& achsen) {
    const int n = std::clamp(polygon.Anzahl, 0, 11);
    // A record without this polygon stores (0, 0) points. Drawn there, its fill seed
    // would land at (0, 0) and flood every area outside the other borders whenever the
    // axes include that point, so that every operating point passed. Such a polygon
    // has no area: it is put beyond the axes, where it draws and fills nothing.
    const bool leer = n >= 2 && nurNullpunkte(polygon, n);
    const auto aussenT0 = static_cast<float>(achsen.XMin - 2 * (achsen.XMax - achsen.XMin) - 100);
    const auto aussenTc = static_cast<float>(achsen.YMax + 2 * (achsen.YMax - achsen.YMin) + 100);
    for (int i = 0; i < n; ++i) {
        if (leer)
            daten.PunktSetzen(g, i + 1, aussenT0, aussenTc);
        else
            daten.PunktSetzen(g, i + 1, polygon.punkte[static_cast<size_t>(i)].to,
                              polygon.punkte[static_cast<size_t>(i)].tc);
    }
    daten.graph(g).PunktZahl = n;
    daten.graph(g).KreuzZahl = 0;
}

template <typename T> void anhaengen(QByteArray& a, const T& wert) {
    a.append(reinterpret_cast<const char*>(&wert), sizeof wert);
}

} // namespace

GrenzAchsen grenzAchsen(double t0Min, double t0Max, double tcMin, double tcMax, bool fahrenheit) {
    return {zehnerRunden(fahrenheitWenn(t0Min - 4, fahrenheit)),
            zehnerRunden(fahrenheitWenn(t0Max + 5, fahrenheit)),
            zehnerRunden(fahrenheitWenn(tcMin - 5, fahrenheit)),
            zehnerRunden(fahrenheitWenn(tcMax + 5, fahrenheit))};
}

GrenzPolygone inFahrenheit(const GrenzPolygone& polygone) {
    GrenzPolygone f = polygone;
    for (GrenzPolygon* p : {&f.blau, &f.strich, &f.rot}) {
        for (GrenzPunkt& punkt : p->punkte) {
            punkt.to = static_cast<float>(fahrenheitWenn(punkt.to, true));
            punkt.tc = static_cast<float>(fahrenheitWenn(punkt.tc, true));
        }
    }
    return f;
}

bool grenzFarbeZulaessig(WinFarbe farbe) {
    return farbe == kFuellFarbe1 || farbe == kFuellFarbe2 || farbe == kReinBlau;
}

void grenzChartFuellen(ChartDaten& daten, const GrenzPolygone& polygone, const GrenzAchsen& achsen,
                       double t0, double tc) {
    graphSetzen(daten, 1, polygone.rot, achsen);
    graphSetzen(daten, 2, polygone.strich, achsen);
    graphSetzen(daten, 3, polygone.blau, achsen);
    daten.NoGraphs = 3;
    daten.KreuzSetzen(2, 1, static_cast<float>(t0), static_cast<float>(tc));
    daten.graph(2).KreuzZahl = 1;
    daten.XMin = achsen.XMin;
    daten.XMax = achsen.XMax;
    daten.YMin = achsen.YMin;
    daten.YMax = achsen.YMax;
}

GrenzChart::GrenzChart(QSize client, quint16 scale) : client_(client) {
    daten_.Scale = scale;
}

GrenzChart::GrenzChart(const ChartDaten& einstellungen, QSize client)
    : client_(client), daten_(einstellungen) {}

double einsatzRand(const GrenzPolygone& polygone, double t0, double tc, RandPolygon* gemessen) {
    const auto hatFlaeche = [](const GrenzPolygon& p) {
        const int n = std::clamp(p.Anzahl, 0, static_cast<int>(p.punkte.size()));
        return n >= 3 && !nurNullpunkte(p, n);
    };
    RandPolygon welches = RandPolygon::keins;
    double rand = std::numeric_limits<double>::quiet_NaN();
    if (hatFlaeche(polygone.strich)) {
        welches = RandPolygon::strich;
        rand = randAbstand(polygone.strich, t0, tc);
    } else if (hatFlaeche(polygone.blau)) {
        welches = RandPolygon::blau;
        rand = randAbstand(polygone.blau, t0, tc);
    }
    if (gemessen)
        *gemessen = welches;
    // On the edge the even-odd rule may give either sign; the margin is plain 0 there.
    return rand == 0.0 ? 0.0 : rand;
}

bool geometrischInnerhalb(const GrenzPolygone& polygone, const GrenzAchsen& achsen, double t0,
                          double tc) {
    if (t0 < achsen.XMin || t0 > achsen.XMax || tc < achsen.YMin || tc > achsen.YMax)
        return false;
    for (const GrenzPolygon* p : {&polygone.strich, &polygone.rot, &polygone.blau})
        if (!nurNullpunkte(*p, p->Anzahl) && imPolygon(*p, t0, tc))
            return true;
    return false;
}

WinFarbe GrenzChart::farbe(const GrenzPolygone& polygone, const GrenzAchsen& achsen, double t0,
                           double tc) {
    grenzChartFuellen(daten_, polygone, achsen, t0, tc);
    vorbereiten(daten_, client_.width(), client_.height());
    if (!schnell_)
        return neuZeichnen();
    const Eintrag& e = eintragFuer(schluessel());
    // The single cross reads the picture before anything is drawn over it.
    const double x = daten_.graph(2).kreuzX[0];
    const double y = daten_.graph(2).kreuzY[0];
    if (daten_.graph(2).Strichstaerke * daten_.Scale > 0 && daten_.graph(2).KreuzeZeigen &&
        e.abbildung.imBereich(x, y)) {
        const QPoint m = e.abbildung.pixel(x, y);
        if (m.x() >= 0 && m.y() >= 0 && m.x() < e.bild.breite() && m.y() < e.bild.hoehe())
            daten_.FarbeKreuz = ausQRgb(e.bild.pixel(m));
    }
    return daten_.FarbeKreuz;
}

Abbildung GrenzChart::grafikZeichnen(Pixelbild& bild) {
    const int s = daten_.Scale;
    const QSize groesse(s * client_.width(), s * client_.height());
    if (bild.breite() != groesse.width() || bild.hoehe() != groesse.height())
        bild.groesseSetzen(groesse.width(), groesse.height());
    bild.fuellen(zuQRgb(kWeiss));
    // The envelope charts carry no legend lines, so the plot needs no font.
    const QSize plot =
        plotFlaeche(daten_, groesse.width(), groesse.height(), kLegendenZeileOhneSchrift);
    const Abbildung abbildung = Abbildung::linear(daten_, plot.width(), plot.height());
    const QPoint saat(client_.width() / 2, client_.height() / 2);
    linienUndFuellung(bild.feld(), abbildung, daten_.graph(1), 1, saat, s);
    linienUndFuellung(bild.feld(), abbildung, daten_.graph(2), 2, saat, s);
    return abbildung;
}

WinFarbe GrenzChart::neuZeichnen() {
    // The colour under the single cross of graph 2, read before it is drawn; graph 3
    // is drawn after it, so it cannot change the answer and is left out.
    const Abbildung abbildung = grafikZeichnen(arbeitsbild_);
    const GraphDaten& graph = daten_.graph(2);
    if (graph.kreuze() > 0 && graph.KreuzeZeigen && graph.Strichstaerke * daten_.Scale > 0) {
        const double x = graph.kreuzX[0];
        const double y = graph.kreuzY[0];
        if (abbildung.imBereich(x, y)) {
            const QPoint m = abbildung.pixel(x, y);
            if (m.x() >= 0 && m.y() >= 0 && m.x() < arbeitsbild_.breite() &&
                m.y() < arbeitsbild_.hoehe())
                daten_.FarbeKreuz = ausQRgb(arbeitsbild_.pixel(m));
        }
    }
    return daten_.FarbeKreuz;
}

QByteArray GrenzChart::schluessel() const {
    QByteArray a;
    a.reserve(400);
    for (int g = 1; g <= 2; ++g) {
        const GraphDaten& graph = daten_.graph(g);
        anhaengen(a, graph.PunktZahl);
        anhaengen(a, graph.Strichstaerke);
        anhaengen(a, graph.Farbe);
        anhaengen(a, graph.LinienZeigen);
        for (int i = 0; i < graph.punkte(); ++i) {
            anhaengen(a, graph.kurveX[static_cast<size_t>(i)]);
            anhaengen(a, graph.kurveY[static_cast<size_t>(i)]);
        }
    }
    for (double wert : {daten_.XMin, daten_.XMax, daten_.YMin, daten_.YMax})
        anhaengen(a, wert);
    anhaengen(a, daten_.Scale);
    return a;
}

const GrenzChart::Eintrag& GrenzChart::eintragFuer(const QByteArray& schluessel) {
    auto it = cache_.find(schluessel);
    if (it != cache_.end()) {
        if (reihenfolge_.last() != schluessel) {
            reihenfolge_.removeOne(schluessel);
            reihenfolge_.append(schluessel);
        }
        return it.value();
    }
    if (cache_.size() >= kCacheGroesse)
        cache_.remove(reihenfolge_.takeFirst());
    reihenfolge_.append(schluessel);
    Eintrag neu;
    neu.abbildung = grafikZeichnen(neu.bild);
    // Moved in: a copy would take as many fresh pages as the picture has.
    return cache_.emplace(schluessel, std::move(neu)).value();
}

} // namespace drel::chart
