#include "print/briefrahmen.h"

#include "report/band.h"
#include "report/linie.h"
#include "report/memo.h"
#include "report/seite.h"

#include <algorithm>

namespace drel::print {

namespace {

using bericht::ausMm;

constexpr double kAdressBreite = ausMm(95);
constexpr double kRechtsLinks = ausMm(115);
constexpr double kRechtsBreite = kSeitenBreite - kRechtsLinks;
constexpr double kZahlBreite = ausMm(15);

bericht::Memo* memoVon(const bericht::Seite& seite, const QString& name) {
    return dynamic_cast<bericht::Memo*>(seite.findObject(name));
}

void kopfAnlegen(bericht::Band& kopf, const RahmenNamen& n) {
    const QFont klein = berichtSchrift(9);
    berichtMemo(kopf, n.absender, 0, 0, kAdressBreite, klein);
    for (const QString& name : {n.datum, n.zustaendig})
        berichtMemo(kopf, name, kRechtsLinks, 0, kRechtsBreite, klein).setHAlign(Qt::AlignRight);
    bericht::Memo& label =
        berichtMemo(kopf, n.seitenLabel, kRechtsLinks, 0, kRechtsBreite - kZahlBreite, klein);
    label.setHAlign(Qt::AlignRight);
    label.setWordWrap(false);
    bericht::Memo& zahl =
        berichtMemo(kopf, n.seitenZahl, kSeitenBreite - kZahlBreite, 0, kZahlBreite, klein);
    zahl.setHAlign(Qt::AlignRight);
    zahl.setWordWrap(false);
    zahl.setText(QStringLiteral("[Page#] / [TotalPages#]"));
    kopf.add<bericht::Linie>(n.linie).setGeometry(0, 0, kSeitenBreite, 0);
}

void typblockAnlegen(bericht::Band& band, const RahmenNamen& n) {
    // The maker's mark on the left, the type and refrigerant beside it.
    bericht::Memo& logo =
        berichtMemo(band, n.logo, 0, ausMm(2), ausMm(40), berichtSchrift(16, true));
    logo.setText(QStringLiteral("DREL"));
    logo.setFontColor(QColor(0, 51, 153));
    logo.setHeight(ausMm(9));
    berichtMemo(band, n.typ, ausMm(45), ausMm(2), ausMm(70), berichtSchrift(12, true))
        .setHeight(ausMm(7));
    bericht::Memo& label =
        berichtMemo(band, n.kmLabel, ausMm(115), ausMm(3), ausMm(25), berichtSchrift(9));
    label.setHAlign(Qt::AlignRight);
    berichtMemo(band, n.km, ausMm(141), ausMm(3), ausMm(34), berichtSchrift(9, true));
    band.add<bericht::Linie>(n.typLinie).setGeometry(0, ausMm(11), kSeitenBreite, 0);
    band.setHeight(ausMm(14));
}

void fussAnlegen(bericht::Band& fuss, const RahmenNamen& n) {
    fuss.setHeight(ausMm(8));
    fuss.add<bericht::Linie>(n.fussLinie).setGeometry(0, ausMm(1), kSeitenBreite, 0);
    berichtMemo(fuss, n.programm, 0, ausMm(2), ausMm(60), berichtSchrift(8))
        .setText(QStringLiteral("WUK 8.1 "));
    bericht::Memo& zeile = berichtMemo(fuss, n.fusszeile, ausMm(60), ausMm(2),
                                       kSeitenBreite - ausMm(60), berichtSchrift(7));
    zeile.setHAlign(Qt::AlignRight);
}

// Stacks the right column of the header under each other; returns its height.
double rechtsStapeln(const bericht::Seite& seite, const RahmenNamen& n, const Briefdaten& brief) {
    double oben = 0;
    for (const auto& [name, text] :
         {std::pair{n.datum, brief.datum}, std::pair{n.zustaendig, brief.zustaendig}}) {
        bericht::Memo* m = memoVon(seite, name);
        m->setTop(oben);
        oben += anpassen(*m, text);
    }
    bericht::Memo* label = memoVon(seite, n.seitenLabel);
    label->setText(brief.seite);
    label->setTop(oben);
    memoVon(seite, n.seitenZahl)->setTop(oben);
    return oben + kZeilenHoehe;
}

// A band of the letter head as tall as its text and the gap under it; an empty
// text takes no room, so a letter without subject or text does not start low.
double bandHoehe(bericht::Memo& memo, const QStringList& zeilen, double abstand) {
    const QString text = zeilen.join(QLatin1Char('\n'));
    const double hoehe = anpassen(memo, text);
    return text.trimmed().isEmpty() ? 0.0 : hoehe + abstand;
}

void briefkopfFuellen(const bericht::Seite& seite, const RahmenNamen& n, const Briefdaten& brief,
                      const RahmenTexte& texte) {
    bericht::Band* betreff = seite.findBand(n.briefkopf[0]);
    bericht::Band* text = seite.findBand(n.briefkopf[1]);
    if (betreff == nullptr || text == nullptr)
        return;
    betreff->setHeight(bandHoehe(*memoVon(seite, n.betreff), brief.betreff, ausMm(4)));
    text->setHeight(bandHoehe(*memoVon(seite, n.text), brief.text, ausMm(4)));
    memoVon(seite, n.typ)->setText(texte.typ);
    memoVon(seite, n.kmLabel)->setText(texte.kmLabel);
    memoVon(seite, n.km)->setText(texte.km);
}

} // namespace

QFont berichtSchrift(double punkte, bool fett) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(punkte);
    font.setBold(fett);
    return font;
}

bericht::Memo& berichtMemo(bericht::Band& band, const QString& name, double links, double oben,
                           double breite, const QFont& font) {
    bericht::Memo& m = band.add<bericht::Memo>(name);
    m.setGeometry(links, oben, breite, kZeilenHoehe);
    m.setFont(font);
    return m;
}

double anpassen(bericht::Memo& memo, const QString& text) {
    memo.setText(text.isEmpty() ? QStringLiteral("X") : text);
    const double hoehe = memo.textRect().height() + 2 * bericht::Memo::padding;
    memo.setText(text);
    memo.setHeight(std::max(hoehe, kZeilenHoehe));
    return memo.height();
}

RahmenBaender rahmenAnlegen(bericht::Seite& seite, const RahmenNamen& n, bool mitBriefkopf) {
    RahmenBaender b;
    b.kopf = &seite.addBand(n.kopf, bericht::BandArt::Seitenkopf);
    kopfAnlegen(*b.kopf, n);
    // The recipient prints under the header of every page.
    b.empfaenger = &seite.addBand(n.empfaengerBand, bericht::BandArt::Kind);
    berichtMemo(*b.empfaenger, n.empfaenger, 0, 0, kAdressBreite, berichtSchrift(10));
    b.kopf->setChild(b.empfaenger);
    if (mitBriefkopf) {
        bericht::Band* vorher = b.empfaenger;
        for (std::size_t i = 0; i < b.briefkopf.size(); ++i) {
            b.briefkopf[i] = &seite.addBand(n.briefkopf[i], bericht::BandArt::Kind);
            vorher->setChild(b.briefkopf[i]);
            vorher = b.briefkopf[i];
        }
        berichtMemo(*b.briefkopf[0], n.betreff, 0, 0, kSeitenBreite, berichtSchrift(11, true));
        berichtMemo(*b.briefkopf[1], n.text, 0, 0, kSeitenBreite, berichtSchrift(10));
        typblockAnlegen(*b.briefkopf[2], n);
    }
    b.fuss = &seite.addBand(n.fussBand, bericht::BandArt::Seitenfuss);
    fussAnlegen(*b.fuss, n);
    return b;
}

void rahmenFuellen(bericht::Seite& seite, const RahmenNamen& n, const Briefdaten& brief,
                   const RahmenTexte& texte) {
    const double links =
        anpassen(*memoVon(seite, n.absender), brief.absender.join(QLatin1Char('\n')));
    const double rechts = rechtsStapeln(seite, n, brief);
    const double linie = std::max(links, rechts) + ausMm(2);
    if (auto* l = dynamic_cast<bericht::Druckobjekt*>(seite.findObject(n.linie)))
        l->setTop(linie);
    seite.findBand(n.kopf)->setHeight(linie + ausMm(4));
    seite.findBand(n.empfaengerBand)
        ->setHeight(bandHoehe(*memoVon(seite, n.empfaenger), brief.empfaenger, ausMm(8)));
    briefkopfFuellen(seite, n, brief, texte);
    memoVon(seite, n.fusszeile)->setText(texte.fusszeile);
}

} // namespace drel::print
