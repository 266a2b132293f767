#include "print/briefbericht.h"

#include "report/band.h"
#include "report/datenmenge.h"
#include "report/einheiten.h"
#include "report/linie.h"
#include "report/memo.h"

#include <algorithm>

namespace drel::print {

namespace {

using bericht::ausMm;

// Usable width of the page between the margins (20 mm left, 15 mm right).
constexpr double kBreite = ausMm(175);
constexpr double kAdressBreite = ausMm(95);
constexpr double kRechtsLinks = ausMm(115);
constexpr double kRechtsBreite = kBreite - kRechtsLinks;
constexpr double kZeile = ausMm(5);

// The lines of the letter text, one row each.
class Zeilen : public bericht::Datenmenge {
public:
    explicit Zeilen(QStringList zeilen) : zeilen_(std::move(zeilen)) {}
    void First() override { zeile_ = 0; }
    void Next() override { ++zeile_; }
    bool CheckEOF() const override { return zeile_ >= zeilen_.size(); }
    // No fields: brackets in the letter text print as written.
    std::optional<QString> GetValue(const QString&) const override { return std::nullopt; }
    QString aktuell() const { return CheckEOF() ? QString() : zeilen_.at(zeile_); }

private:
    QStringList zeilen_;
    qsizetype zeile_ = 0;
};

QFont schrift(double punkte, bool fett = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(punkte);
    font.setBold(fett);
    return font;
}

bericht::Memo& memo(bericht::Band& band, const QString& name, double links, double oben,
                   double breite, const QFont& font) {
    bericht::Memo& m = band.add<bericht::Memo>(name);
    m.setGeometry(links, oben, breite, kZeile);
    m.setFont(font);
    return m;
}

// Makes the memo as tall as its wrapped text, at least one line; returns the height.
double anpassen(bericht::Memo& m, const QString& text) {
    m.setText(text.isEmpty() ? QStringLiteral("X") : text);
    const double hoehe = m.textRect().height() + 2 * bericht::Memo::padding;
    m.setText(text);
    m.setHeight(std::max(hoehe, kZeile));
    return m.height();
}

void kopfAnlegen(bericht::Seite& seite, const Briefdaten& brief) {
    bericht::Band& kopf = seite.addBand(QStringLiteral("PageHeader1"), bericht::BandArt::Seitenkopf);
    const QFont klein = schrift(9);
    bericht::Memo& absender = memo(kopf, QStringLiteral("QRMemo1"), 0, 0, kAdressBreite, klein);
    const double links = anpassen(absender, brief.absender.join(QLatin1Char('\n')));

    double rechts = 0;
    for (const auto& [name, text] : {std::pair{QStringLiteral("QRLabel1"), brief.datum},
                                     std::pair{QStringLiteral("QRLabel2"), brief.zustaendig}}) {
        bericht::Memo& m = memo(kopf, name, kRechtsLinks, rechts, kRechtsBreite, klein);
        m.setHAlign(Qt::AlignRight);
        rechts += anpassen(m, text);
    }
    bericht::Memo& label = memo(kopf, QStringLiteral("QRLabel10"), kRechtsLinks, rechts,
                               kRechtsBreite - ausMm(15), klein);
    label.setHAlign(Qt::AlignRight);
    label.setWordWrap(false);
    label.setText(brief.seite);
    bericht::Memo& zahl =
        memo(kopf, QStringLiteral("Seitenzahl"), kBreite - ausMm(15), rechts, ausMm(15), klein);
    zahl.setHAlign(Qt::AlignRight);
    zahl.setWordWrap(false);
    zahl.setText(QStringLiteral("[Page#] / [TotalPages#]"));
    rechts += kZeile;

    const double linie = std::max(links, rechts) + ausMm(2);
    kopf.add<bericht::Linie>(QStringLiteral("Line1")).setGeometry(0, linie, kBreite, 0);
    kopf.setHeight(linie + ausMm(4));

    // The recipient prints under the header of every page.
    bericht::Band& kind = seite.addBand(QStringLiteral("Child1"), bericht::BandArt::Kind);
    bericht::Memo& empfaenger =
        memo(kind, QStringLiteral("QRMemo2"), 0, 0, kAdressBreite, schrift(10));
    kind.setHeight(anpassen(empfaenger, brief.empfaenger.join(QLatin1Char('\n'))) + ausMm(8));
    kopf.setChild(&kind);
}

void betreffAnlegen(bericht::Seite& seite, const Briefdaten& brief) {
    bericht::Band& band = seite.addBand(QStringLiteral("Child2"), bericht::BandArt::Stammdaten);
    band.setRowCount(1);
    bericht::Memo& betreff = memo(band, QStringLiteral("QRMemo3"), 0, 0, kBreite, schrift(11, true));
    band.setHeight(anpassen(betreff, brief.betreff.join(QLatin1Char('\n'))) + ausMm(4));
}

void textAnlegen(bericht::Seite& seite, const Briefdaten& brief) {
    bericht::Band& band = seite.addBand(QStringLiteral("MasterData1"), bericht::BandArt::Stammdaten);
    bericht::Memo& text = memo(band, QStringLiteral("QRMemo4"), 0, 0, kBreite, schrift(10));
    auto zeilen = std::make_shared<Zeilen>(brief.text);
    band.setDataSet(zeilen.get());
    // The handler owns the rows, so they live as long as the band; each row is
    // as tall as its wrapped line.
    band.setBeforePrint([zeilen, &text](bericht::BerichtObjekt& objekt) {
        auto& b = static_cast<bericht::Band&>(objekt);
        b.setHeight(anpassen(text, zeilen->aktuell()));
    });
}

void fussAnlegen(bericht::Seite& seite) {
    bericht::Band& fuss = seite.addBand(QStringLiteral("PageFooter1"), bericht::BandArt::Seitenfuss);
    fuss.setHeight(ausMm(8));
    fuss.add<bericht::Linie>(QStringLiteral("Line2")).setGeometry(0, ausMm(1), kBreite, 0);
    bericht::Memo& programm =
        memo(fuss, QStringLiteral("QRLabel5"), 0, ausMm(2), ausMm(60), schrift(8));
    programm.setText(QStringLiteral("WUK 8.1 "));
}

} // namespace

std::unique_ptr<bericht::Bericht> briefBericht(const Druckauswahl& auswahl) {
    auto bericht = std::make_unique<bericht::Bericht>();
    const Briefdaten& brief = auswahl.brief;
    bericht->setTitle(brief.betreff.isEmpty() ? QStringLiteral("WUK 8.1") : brief.betreff.first());
    bericht::Seite& seite = bericht->addPage(QStringLiteral("Page1"));
    seite.setMargins(QMarginsF(20, 15, 15, 15));
    kopfAnlegen(seite, brief);
    betreffAnlegen(seite, brief);
    textAnlegen(seite, brief);
    fussAnlegen(seite);
    return bericht;
}

} // namespace drel::print
