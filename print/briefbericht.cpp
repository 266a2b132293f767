#include "print/briefbericht.h"

#include "print/briefrahmen.h"
#include "report/band.h"
#include "report/datenmenge.h"
#include "report/memo.h"

#include <algorithm>

namespace drel::print {

namespace {

using bericht::ausMm;

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

RahmenNamen briefNamen() {
    RahmenNamen n;
    n.kopf = QStringLiteral("PageHeader1");
    n.absender = QStringLiteral("QRMemo1");
    n.datum = QStringLiteral("QRLabel1");
    n.zustaendig = QStringLiteral("QRLabel2");
    n.seitenLabel = QStringLiteral("QRLabel10");
    n.seitenZahl = QStringLiteral("Seitenzahl");
    n.linie = QStringLiteral("Line1");
    n.empfaengerBand = QStringLiteral("Child1");
    n.empfaenger = QStringLiteral("QRMemo2");
    n.fussBand = QStringLiteral("PageFooter1");
    n.fussLinie = QStringLiteral("Line2");
    n.programm = QStringLiteral("QRLabel5");
    n.fusszeile = QStringLiteral("QRLabel4");
    return n;
}

void betreffAnlegen(bericht::Seite& seite, const Briefdaten& brief) {
    bericht::Band& band = seite.addBand(QStringLiteral("Child2"), bericht::BandArt::Stammdaten);
    band.setRowCount(1);
    bericht::Memo& betreff =
        berichtMemo(band, QStringLiteral("QRMemo3"), 0, 0, kSeitenBreite, berichtSchrift(11, true));
    band.setHeight(anpassen(betreff, brief.betreff.join(QLatin1Char('\n'))) + ausMm(4));
}

void textAnlegen(bericht::Seite& seite, const Briefdaten& brief) {
    bericht::Band& band =
        seite.addBand(QStringLiteral("MasterData1"), bericht::BandArt::Stammdaten);
    bericht::Memo& text =
        berichtMemo(band, QStringLiteral("QRMemo4"), 0, 0, kSeitenBreite, berichtSchrift(10));
    auto zeilen = std::make_shared<Zeilen>(brief.text);
    band.setDataSet(zeilen.get());
    // The handler owns the rows, so they live as long as the band; each row is
    // as tall as its wrapped line.
    band.setBeforePrint([zeilen, &text](bericht::BerichtObjekt& objekt) {
        auto& b = static_cast<bericht::Band&>(objekt);
        b.setHeight(anpassen(text, zeilen->aktuell()));
    });
}

} // namespace

std::unique_ptr<bericht::Bericht> briefBericht(const Druckauswahl& auswahl) {
    auto bericht = std::make_unique<bericht::Bericht>();
    const Briefdaten& brief = auswahl.brief;
    bericht->setTitle(brief.betreff.isEmpty() ? QStringLiteral("WUK 8.1") : brief.betreff.first());
    bericht::Seite& seite = bericht->addPage(QStringLiteral("Page1"));
    seite.setMargins(QMarginsF(20, 15, 15, 15));
    const RahmenNamen namen = briefNamen();
    rahmenAnlegen(seite, namen, false);
    betreffAnlegen(seite, brief);
    textAnlegen(seite, brief);
    rahmenFuellen(seite, namen, brief, RahmenTexte{});
    return bericht;
}

} // namespace drel::print
