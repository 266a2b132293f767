#include "print/vergleichsdruck.h"

#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "print/briefrahmen.h"
#include "report/band.h"
#include "report/bild.h"
#include "report/einheiten.h"
#include "report/linie.h"
#include "report/memo.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/vergleich.h"
#include "sheet/vergleichsdiagramm.h"

#include <QCoreApplication>

namespace drel::print {

namespace {

using bericht::ausMm;

QString text(const char* quelle) {
    return QCoreApplication::translate("drel::print::Vergleichsdruck", quelle);
}

bericht::Band& band(bericht::Seite& seite, const QString& name) {
    bericht::Band& b = seite.addBand(name, bericht::BandArt::Stammdaten);
    b.setRowCount(1);
    return b;
}

QString punktText(const sheet::Vergleich& v, const calc::Einheiten& e) {
    if (v.spalten().empty())
        return {};
    const sheet::ReihenErgebnis& erster = v.spalten().front();
    const Betriebspunkt& p = erster.ein.punkt;
    const QString t = e.text(calc::EinheitGruppe::Temperatur).left(2);
    const auto grad = [&](double c) { return formatFloat(u"0.##", e.TempAnzeige(c)) + ' ' + t; };
    QString s = erster.ein.punkt.kaeltemittel + QStringLiteral(",  t0 ") + grad(p.t0);
    s += erster.ein.luft
             ? text(QT_TRANSLATE_NOOP("drel::print::Vergleichsdruck", ",  Lufteintritt ")) +
                   grad(p.tle)
             : QStringLiteral(",  tc ") + grad(p.tc);
    s += text(QT_TRANSLATE_NOOP("drel::print::Vergleichsdruck", ",  Sauggas ")) + grad(p.tsaug);
    // The whole suction and liquid state the articles were rated at, as the window shows it.
    const QString k = t.endsWith(u'F') ? QStringLiteral("R") : QStringLiteral("K");
    const auto kelvin = [&](double d) { return formatFloat(u"0.##", e.DiffAnzeige(d)) + ' ' + k; };
    s += text(QT_TRANSLATE_NOOP("drel::print::Vergleichsdruck", ",  Uberhitzung ")) + kelvin(p.tue);
    s += text(QT_TRANSLATE_NOOP("drel::print::Vergleichsdruck", ",  Unterkuhlung ")) + kelvin(p.tu);
    return s;
}

} // namespace

std::unique_ptr<bericht::Bericht> vergleichsBerichtAnlegen(const sheet::Vergleich& vergleich,
                                                           const calc::Einheiten& einheiten) {
    auto b = std::make_unique<bericht::Bericht>();
    b->setTitle(text(QT_TRANSLATE_NOOP("drel::print::Vergleichsdruck", "Vergleich")));
    bericht::Seite& seite = b->addPage(QStringLiteral("Vergleich"));
    seite.setMargins(QMarginsF(20, 15, 15, 15));

    bericht::Band& kopf = band(seite, QStringLiteral("Kopf"));
    bericht::Memo& titel =
        berichtMemo(kopf, QStringLiteral("Titel"), 0, 0, kSeitenBreite, berichtSchrift(14, true));
    // As tall as the large type needs, so that no descender is cut.
    anpassen(titel, text(QT_TRANSLATE_NOOP("drel::print::Vergleichsdruck", "Vergleich")));
    bericht::Memo& punkt =
        berichtMemo(kopf, QStringLiteral("Punkt"), 0, ausMm(8), kSeitenBreite, berichtSchrift(10));
    punkt.setText(punktText(vergleich, einheiten));
    kopf.setHeight(ausMm(16));

    // The table: quantity and unit, then per article its value and the difference.
    const sheet::ZellenRaster raster = vergleich.raster();
    bericht::Band& tabelle = band(seite, QStringLiteral("Tabelle"));
    const std::size_t spalten = raster.empty() ? 0 : raster.front().size();
    const double ersteBreite = ausMm(44), einheitBreite = ausMm(16);
    const double rest = kSeitenBreite - ersteBreite - einheitBreite;
    const double artikelBreite = spalten > 2 ? rest / static_cast<double>((spalten - 2) / 2) : rest;
    double oben = 0;
    for (std::size_t r = 0; r + 1 < raster.size(); ++r) { // the notes go below
        double links = 0;
        for (std::size_t c = 0; c < raster[r].size(); ++c) {
            const double breite = c == 0       ? ersteBreite
                                  : c == 1     ? einheitBreite
                                  : c % 2 == 0 ? artikelBreite * 0.6
                                               : artikelBreite * 0.4;
            bericht::Memo& m = berichtMemo(tabelle, QStringLiteral("Z%1S%2").arg(r).arg(c), links,
                                           oben, breite, berichtSchrift(9, r == 0));
            m.setText(raster[r][c].text);
            if (c >= 2 && r > 0)
                m.setHAlign(Qt::AlignRight);
            links += breite;
        }
        oben += kZeilenHoehe;
        if (r == 0) {
            bericht::Linie& linie = tabelle.add<bericht::Linie>(QStringLiteral("Linie"));
            linie.setGeometry(0, oben, kSeitenBreite, 0);
            oben += ausMm(1);
        }
    }
    tabelle.setHeight(oben + ausMm(4));

    bericht::Band& diagramm = band(seite, QStringLiteral("Diagramm"));
    bericht::Bild& bild = diagramm.add<bericht::Bild>(QStringLiteral("Huellen"));
    const bool fahrenheit = einheiten.index(calc::EinheitGruppe::Temperatur) == 1;
    bild.setPicture(sheet::vergleichsDiagramm(vergleich, QSize(1400, 1000), fahrenheit));
    bild.setStretch(true);
    bild.setKeepAspect(true);
    bild.setGeometry(0, 0, ausMm(150), ausMm(107));
    diagramm.setHeight(ausMm(111));

    bericht::Band& notizen = band(seite, QStringLiteral("Hinweise"));
    double y = 0;
    std::size_t n = 0;
    for (const sheet::ReihenErgebnis& e : vergleich.spalten()) {
        const QString t = e.gerechnet ? e.hinweise.join(QStringLiteral("; ")) : e.grund;
        bericht::Memo& m = berichtMemo(notizen, QStringLiteral("Hinweis%1").arg(n++), 0, y,
                                       kSeitenBreite, berichtSchrift(8));
        y += anpassen(m, (e.typ.isEmpty() ? e.ein.artikel : e.typ) + QStringLiteral(": ") +
                             (t.isEmpty() ? QStringLiteral("-") : t));
    }
    notizen.setHeight(y + ausMm(2));
    return b;
}

} // namespace drel::print
