#include "print/datenblattbericht.h"

#include "print/briefrahmen.h"
#include "print/datenblattdefinition.h"
#include "report/band.h"
#include "report/bild.h"
#include "report/datenmenge.h"
#include "report/einheiten.h"
#include "report/form.h"
#include "report/memo.h"
#include "report/platzhalter.h"
#include "report/seite.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace drel::print {

namespace {

using bericht::ausMm;
using bericht::ausPixel;

using namespace blattdefinition;

const QColor kKnopfFlaeche(240, 240, 240);
const QColor kTooltip(255, 255, 225);
const QColor kUngeradeZeile(214, 227, 247);

// Width of the page between the margins, in the pixels of the report definition.
constexpr int kSeitenPixel = static_cast<int>(kSeitenBreite * 96.0 / 254.0);

QString n(const char* name) {
    return QString::fromLatin1(name);
}

int index(Abschnitt a) {
    return static_cast<int>(a);
}

// Rows of a grid of the data sheet; "Feld1" … "Feld3" are its columns.
class TabellenDaten : public bericht::Datenmenge {
public:
    void setzen(QList<QStringList> zeilen) { zeilen_ = std::move(zeilen); }
    void First() override { zeile_ = 0; }
    void Next() override { ++zeile_; }
    bool CheckEOF() const override { return zeile_ >= zeilen_.size(); }
    std::optional<QString> GetValue(const QString& feld) const override {
        static const QStringList felder = {QStringLiteral("Feld1"), QStringLiteral("Feld2"),
                                           QStringLiteral("Feld3")};
        const qsizetype spalte = felder.indexOf(feld);
        if (spalte < 0)
            return std::nullopt;
        const QStringList zeile = aktuell();
        return spalte < zeile.size() ? zeile.at(spalte) : QString();
    }
    qsizetype zeile() const { return zeile_; }
    QStringList aktuell() const { return CheckEOF() ? QStringList() : zeilen_.at(zeile_); }

private:
    QList<QStringList> zeilen_;
    qsizetype zeile_ = 0;
};

class DatenblattBericht : public bericht::Bericht {
public:
    DatenblattBericht(const Druckauswahl& auswahl, const DatenblattInhalt& inhalt)
        : auswahl_(auswahl), inhalt_(inhalt) {}

    void anlegen();
    void frxReportFelderFuellen();

private:
    bericht::Memo& memo(const QString& name) const { return *find<bericht::Memo>(name); }
    bericht::Band& band(const QString& name) const { return *findBand(name); }
    bericht::Seite& seiteAnlegen(const SeitenDefinition& d);
    bericht::Band& koerper(bericht::Seite& seite, const QString& name);
    void titelAnlegen(bericht::Seite& seite, const SeitenDefinition& d);
    bericht::Band& listeAnlegen(bericht::Seite& seite, const QString& band, TabellenDaten& daten,
                                std::initializer_list<std::pair<const char*, double>> spalten);
    void seite1Anlegen(bericht::Seite& seite);
    void seite2Anlegen(bericht::Seite& seite);
    void seite3Anlegen(bericht::Seite& seite);
    void seite6Anlegen(bericht::Seite& seite);
    void seite7Anlegen(bericht::Seite& seite);
    void seite8Anlegen(bericht::Seite& seite);

    void briefkopfZeigen();
    void rahmen(const SeitenDefinition& d);
    // Rows stack under each other, each as tall as its longest text; returns the height.
    double zeilenStapeln(std::span<const ZeilenNamen> namen, std::span<const WertZeile> werte);
    void Leistungsdaten();
    void TechnischeDaten();
    void Einsatzgrenzen();
    void Lieferumfang();
    void Zubehoer();
    void Masse();
    void Photo();
    void TabLeistung();
    void tabellenZeileFuellen();

    Druckauswahl auswahl_;
    DatenblattInhalt inhalt_;
    TabellenDaten frxTechnischeDaten_;
    TabellenDaten frxLieferumfang_;
    TabellenDaten frxZubehoer_;
    TabellenDaten frxMasse_;
    TabellenDaten frxLeistTab_;
    // Names of the objects page 8 creates at run time, frames first.
    QStringList tabNamen_;
    int tabSpalten_ = 0;
};

bericht::Seite& DatenblattBericht::seiteAnlegen(const SeitenDefinition& d) {
    bericht::Seite& seite = addPage(seitenName(d.abschnitt));
    seite.setMargins(QMarginsF(20, 15, 15, 15));
    const RahmenBaender baender = rahmenAnlegen(seite, rahmenNamen(d), true);
    // A section running over several pages prints its letter head once.
    for (bericht::Band* b : baender.briefkopf)
        b->setAfterPrint([](bericht::BerichtObjekt& o) { o.setVisible(false); });
    titelAnlegen(seite, d);
    return seite;
}

bericht::Band& DatenblattBericht::koerper(bericht::Seite& seite, const QString& name) {
    bericht::Band& b = seite.addBand(name, bericht::BandArt::Stammdaten);
    b.setRowCount(1);
    return b;
}

void DatenblattBericht::titelAnlegen(bericht::Seite& seite, const SeitenDefinition& d) {
    bericht::Band& b = koerper(seite, QStringLiteral("Titel%1").arg(index(d.abschnitt) + 1));
    berichtMemo(b, n(d.titel), 0, ausMm(1), kSeitenBreite, berichtSchrift(12, true))
        .setHeight(ausMm(7));
    b.setHeight(ausMm(10));
}

bericht::Band&
DatenblattBericht::listeAnlegen(bericht::Seite& seite, const QString& name, TabellenDaten& daten,
                                std::initializer_list<std::pair<const char*, double>> spalten) {
    bericht::Band& b = seite.addBand(name, bericht::BandArt::Stammdaten);
    b.setDataSet(&daten);
    double links = 0;
    int feld = 1;
    for (const auto& [memoName, breite] : spalten) {
        berichtMemo(b, n(memoName), links, 0, breite, berichtSchrift(9))
            .setText(QStringLiteral("[Feld%1]").arg(feld++));
        links += breite;
    }
    zeilenHoeheAnpassen(b);
    return b;
}

void DatenblattBericht::seite1Anlegen(bericht::Seite& seite) {
    bericht::Band& werte = koerper(seite, QStringLiteral("Werte1"));
    const QFont schrift = berichtSchrift(9);
    const QFont fett = berichtSchrift(9, true);
    auto spalte = [&](const ZeilenNamen(&namen)[8], double links, double labelBreite,
                      double wertBreite, double einheitBreite) {
        for (const ZeilenNamen& z : namen) {
            berichtMemo(werte, n(z.label), links, 0, labelBreite, schrift);
            berichtMemo(werte, n(z.wert), links + labelBreite, 0, wertBreite, fett)
                .setHAlign(Qt::AlignRight);
            berichtMemo(werte, n(z.einheit), links + labelBreite + wertBreite, 0, einheitBreite,
                        schrift);
        }
    };
    spalte(kLinks, 0, ausMm(48), ausMm(22), ausMm(16));
    spalte(kRechts, ausMm(90), ausMm(49), ausMm(20), ausMm(16));
    // The motor text is long: it takes the room of value and unit.
    auto& motor = dynamic_cast<bericht::Memo&>(*werte.findObject(n(kLinks[0].wert)));
    motor.setGeometry(ausMm(20), 0, ausMm(66), kZeilenHoehe);
    motor.setHAlign(Qt::AlignRight);
    bericht::Band& hinweis = koerper(seite, QStringLiteral("Hinweis1"));
    berichtMemo(hinweis, QStringLiteral("MemoR410A"), 0, ausMm(3), kSeitenBreite,
                berichtSchrift(9, true))
        .setVisible(false);
    // Marks, SEPR and provenance: small print under the values.
    bericht::Band& herkunft = koerper(seite, QStringLiteral("Herkunft1"));
    berichtMemo(herkunft, QStringLiteral("MemoMarkierung"), 0, 0, kSeitenBreite, berichtSchrift(8));
    berichtMemo(herkunft, QStringLiteral("MemoSepr"), 0, 0, kSeitenBreite, berichtSchrift(8));
    berichtMemo(herkunft, QStringLiteral("MemoHerkunft"), 0, 0, kSeitenBreite, berichtSchrift(7));
}

void DatenblattBericht::seite2Anlegen(bericht::Seite& seite) {
    listeAnlegen(seite, QStringLiteral("MasterData1"), frxTechnischeDaten_,
                 {{"Memo19", ausMm(95)}, {"Memo20", kSeitenBreite - ausMm(95)}});
    bericht::Band& b = koerper(seite, QStringLiteral("Bemerkungen2"));
    berichtMemo(b, QStringLiteral("Memo22"), 0, ausMm(4), kSeitenBreite, berichtSchrift(9, true));
    berichtMemo(b, QStringLiteral("Memo23"), 0, ausMm(9), kSeitenBreite, berichtSchrift(9));
}

void DatenblattBericht::seite3Anlegen(bericht::Seite& seite) {
    bericht::Band& b = koerper(seite, QStringLiteral("Diagramm3"));
    // As wide as the page; the height follows the drawing's proportions.
    b.add<bericht::Bild>(QStringLiteral("Picture4"))
        .setGeometry(0, kZeilenHoehe, kSeitenBreite, kSeitenBreite * 0.7);
    // The plot starts 13 % of its width (85 % of the picture) right of the picture's edge.
    const double plotLinks = 0.13 * 0.85 * kSeitenBreite;
    berichtMemo(b, QStringLiteral("MemoAchseY"), plotLinks, 0, kSeitenBreite - plotLinks,
                berichtSchrift(9));
    berichtMemo(b, QStringLiteral("MemoAchseX"), 0, 0, kSeitenBreite, berichtSchrift(9))
        .setHAlign(Qt::AlignHCenter);
    bericht::Band& legende = koerper(seite, QStringLiteral("Legende3"));
    const char* memos[3] = {"Memo42", "Memo147", "Memo148"};
    for (int i = 0; i < 3; ++i) {
        bericht::Form& box = legende.add<bericht::Form>(QStringLiteral("Shape%1").arg(4 + i));
        box.setGeometry(0, 0, ausMm(8), ausMm(4));
        berichtMemo(legende, n(memos[i]), ausMm(11), 0, kSeitenBreite - ausMm(11),
                    berichtSchrift(9));
    }
    for (const char* leer : {"Memo40", "Memo41"})
        berichtMemo(legende, n(leer), 0, 0, kSeitenBreite, berichtSchrift(9));
}

void DatenblattBericht::seite6Anlegen(bericht::Seite& seite) {
    bericht::Band& b = koerper(seite, QStringLiteral("Zeichnung6"));
    bericht::Bild& bild = b.add<bericht::Bild>(QStringLiteral("Picture10"));
    bild.setGeometry(0, 0, ausMm(100), ausMm(60));
    berichtMemo(b, QStringLiteral("Memo110"), 0, 0, kSeitenBreite, berichtSchrift(10, true));
    listeAnlegen(seite, QStringLiteral("MasterData4"), frxMasse_,
                 {{"Memo112", ausMm(30)}, {"Memo113", ausMm(85)}, {"Memo114", ausMm(60)}});
    bericht::Band& fuss = koerper(seite, QStringLiteral("Anschluesse6"));
    berichtMemo(fuss, QStringLiteral("Memo111"), 0, ausMm(2), kSeitenBreite, berichtSchrift(8));
    fuss.setHeight(ausMm(8));
}

void DatenblattBericht::seite7Anlegen(bericht::Seite& seite) {
    bericht::Band& b = koerper(seite, QStringLiteral("Foto7"));
    b.add<bericht::Bild>(QStringLiteral("Picture8"))
        .setGeometry(0, 0, ausPixel(280), ausPixel(280));
    berichtMemo(b, QStringLiteral("Memo95"), 0, 0, kSeitenBreite, berichtSchrift(8));
}

void DatenblattBericht::seite8Anlegen(bericht::Seite& seite) {
    bericht::Band& b = koerper(seite, QStringLiteral("Bedingungen8"));
    const QFont schrift = berichtSchrift(9);
    double oben = 0;
    for (const ZeilenNamen& z : kBedingungen) {
        berichtMemo(b, n(z.label), 0, oben, ausMm(48), schrift);
        berichtMemo(b, n(z.wert), ausMm(48), oben, ausMm(22), berichtSchrift(9, true))
            .setHAlign(Qt::AlignRight);
        berichtMemo(b, n(z.einheit), ausMm(70), oben, ausMm(16), schrift);
        oben += kZeilenHoehe;
    }
    b.setHeight(oben + ausMm(4));
    bericht::Band& kopf = seite.addBand(QStringLiteral("Child33"), bericht::BandArt::Kind);
    b.setChild(&kopf);
    bericht::Band& md5 = seite.addBand(QStringLiteral("MD5"), bericht::BandArt::Stammdaten);
    md5.setDataSet(&frxLeistTab_);
    md5.setBeforePrint([this](bericht::BerichtObjekt&) { tabellenZeileFuellen(); });
}

void DatenblattBericht::anlegen() {
    for (const SeitenDefinition& d : kSeiten) {
        bericht::Seite& seite = seiteAnlegen(d);
        switch (d.abschnitt) {
        case Abschnitt::Leistungsdaten:
            seite1Anlegen(seite);
            break;
        case Abschnitt::TechnischeDaten:
            seite2Anlegen(seite);
            break;
        case Abschnitt::Einsatzgrenzen:
            seite3Anlegen(seite);
            break;
        case Abschnitt::Lieferumfang:
            listeAnlegen(seite, QStringLiteral("MasterData2"), frxLieferumfang_,
                         {{"Memo47", kSeitenBreite}});
            break;
        case Abschnitt::Zubehoer:
            listeAnlegen(seite, QStringLiteral("MasterData3"), frxZubehoer_,
                         {{"Memo64", kSeitenBreite}});
            break;
        case Abschnitt::Masse:
            seite6Anlegen(seite);
            break;
        case Abschnitt::Produktfoto:
            seite7Anlegen(seite);
            break;
        case Abschnitt::TabelleLeistung:
            seite8Anlegen(seite);
            break;
        }
    }
}

// ---------------------------------------------------------------- filling

void DatenblattBericht::briefkopfZeigen() {
    for (const SeitenDefinition& d : kSeiten) {
        const bool briefkopf = mitBriefkopf(auswahl_, d.abschnitt);
        for (const char* name : d.briefkopf)
            band(n(name)).setVisible(briefkopf);
    }
}

void DatenblattBericht::rahmen(const SeitenDefinition& d) {
    rahmenFuellen(
        *findPage(seitenName(d.abschnitt)), rahmenNamen(d), auswahl_.brief,
        {inhalt_.typ, inhalt_.kaeltemittelLabel, inhalt_.kaeltemittel, inhalt_.fusszeile});
    memo(n(d.titel)).setText(inhalt_.titel[static_cast<std::size_t>(index(d.abschnitt))]);
}

// Rows of a column stack under each other, each as tall as its label: a label longer
// in one language than the column breaks into a second line instead of being cut.
double DatenblattBericht::zeilenStapeln(std::span<const ZeilenNamen> namen,
                                        std::span<const WertZeile> werte) {
    double oben = 0;
    for (std::size_t i = 0; i < werte.size() && i < namen.size(); ++i) {
        double hoehe = 0;
        for (const auto& [name, text] :
             {std::pair{namen[i].label, werte[i].label}, std::pair{namen[i].wert, werte[i].wert},
              std::pair{namen[i].einheit, werte[i].einheit}}) {
            bericht::Memo& m = memo(n(name));
            hoehe = std::max(hoehe, anpassen(m, text));
            m.setTop(oben);
        }
        oben += hoehe;
    }
    return oben;
}

void DatenblattBericht::Leistungsdaten() {
    band(QStringLiteral("Werte1")).setHeight(0);
    const double werteHoehe =
        std::max(zeilenStapeln(kLinks, inhalt_.links), zeilenStapeln(kRechts, inhalt_.rechts));
    bericht::Band& werteBand = band(QStringLiteral("Werte1"));
    werteBand.setHeight(std::max(werteBand.height(), werteHoehe + ausMm(2)));
    bericht::Memo& hinweis = memo(QStringLiteral("MemoR410A"));
    hinweis.setVisible(inhalt_.kaeltemittelHinweisSichtbar);
    const double hoehe = anpassen(hinweis, inhalt_.kaeltemittelHinweis);
    band(QStringLiteral("Hinweis1"))
        .setHeight(inhalt_.kaeltemittelHinweisSichtbar ? hoehe + ausMm(4) : 0);
    double oben = ausMm(2);
    for (const auto& [name, text] :
         {std::pair{"MemoMarkierung", &inhalt_.markierungen}, std::pair{"MemoSepr", &inhalt_.sepr},
          std::pair{"MemoHerkunft", &inhalt_.herkunft}}) {
        bericht::Memo& m = memo(QString::fromLatin1(name));
        m.setVisible(!text->isEmpty());
        m.setTop(oben);
        if (!text->isEmpty())
            oben += anpassen(m, *text) + ausMm(2);
    }
    band(QStringLiteral("Herkunft1")).setHeight(oben);
}

void DatenblattBericht::TechnischeDaten() {
    frxTechnischeDaten_.setzen(inhalt_.technik);
    bericht::Memo& titel = memo(QStringLiteral("Memo22"));
    bericht::Memo& texte = memo(QStringLiteral("Memo23"));
    titel.setText(QString());
    texte.setText(QString());
    const bool notizen = !inhalt_.bemerkungen.isEmpty();
    titel.setVisible(notizen);
    QString alle;
    for (const QString& t : inhalt_.bemerkungen)
        alle += t + QStringLiteral("\n\n");
    titel.setText(notizen ? inhalt_.bemerkungenTitel : QString());
    const double hoehe = anpassen(texte, alle.trimmed());
    band(QStringLiteral("Bemerkungen2")).setHeight(notizen ? texte.top() + hoehe : 0);
}

void DatenblattBericht::Einsatzgrenzen() {
    auto* bild = find<bericht::Bild>(QStringLiteral("Picture4"));
    bild->setPicture(inhalt_.diagramm);
    const QSize s = inhalt_.diagramm.size();
    if (!s.isEmpty())
        bild->setHeight(bild->width() * s.height() / s.width());
    // The axis captions as text (searchable in the PDF): tc above the plot's left edge,
    // t0 centred under the picture, whose bottom margin holds only the x numbers.
    memo(QStringLiteral("MemoAchseY")).setText(inhalt_.diagrammAchseY);
    bericht::Memo& achseX = memo(QStringLiteral("MemoAchseX"));
    achseX.setText(inhalt_.diagrammAchseX);
    achseX.setTop(bild->top() + bild->height());
    band(QStringLiteral("Diagramm3")).setHeight(achseX.top() + kZeilenHoehe + ausMm(2));
    const char* memos[3] = {"Memo42", "Memo147", "Memo148"};
    double oben = 0;
    for (int i = 0; i < 3; ++i) {
        const LegendenZeile& z = inhalt_.legende[static_cast<std::size_t>(i)];
        auto* box = find<bericht::Form>(QStringLiteral("Shape%1").arg(4 + i));
        bericht::Memo& text = memo(n(memos[i]));
        text.setText(QString());
        const bool sichtbar = !z.text.isEmpty();
        box->setVisible(sichtbar);
        text.setVisible(sichtbar);
        if (!sichtbar)
            continue;
        box->setColor(z.farbe);
        box->setTop(oben + ausMm(0.5));
        text.setTop(oben);
        oben += anpassen(text, z.text) + ausMm(1);
    }
    // The envelope margin goes under the legend, in the first of its spare memos.
    bericht::Memo& rand = memo(n("Memo40"));
    rand.setTop(oben);
    oben += anpassen(rand, inhalt_.einsatzRand) + ausMm(1);
    memo(n("Memo41")).setText(QString());
    memo(n("Memo41")).setTop(oben);
    band(QStringLiteral("Legende3")).setHeight(oben + kZeilenHoehe);
}

void DatenblattBericht::Lieferumfang() {
    QList<QStringList> zeilen;
    for (const QString& t : inhalt_.lieferumfang)
        zeilen << QStringList{t};
    frxLieferumfang_.setzen(zeilen);
}

void DatenblattBericht::Zubehoer() {
    QList<QStringList> zeilen;
    for (const QString& t : inhalt_.zubehoer)
        zeilen << QStringList{t};
    frxZubehoer_.setzen(zeilen);
}

void DatenblattBericht::Masse() {
    auto* bild = find<bericht::Bild>(QStringLiteral("Picture10"));
    bild->setPicture(inhalt_.zeichnung);
    bild->setStretch(true);
    bild->setKeepAspect(true);
    const QSize pixel = masseBildGroesse(inhalt_.zeichnung.size());
    const QSizeF groesse =
        aufBreite(QSizeF(ausPixel(pixel.width()), ausPixel(pixel.height())), kSeitenBreite);
    bild->setWidth(groesse.width());
    bild->setHeight(groesse.height());
    bericht::Memo& titel = memo(QStringLiteral("Memo110"));
    titel.setText(inhalt_.masseUnterschrift);
    titel.setTop(groesse.height() + ausMm(3));
    band(QStringLiteral("Zeichnung6")).setHeight(titel.top() + ausMm(8));
    memo(QStringLiteral("Memo111")).setText(inhalt_.anschlussFuss);
    frxMasse_.setzen(inhalt_.anschluesse);
}

void DatenblattBericht::Photo() {
    auto* bild = find<bericht::Bild>(QStringLiteral("Picture8"));
    bild->setPicture(inhalt_.foto);
    const int hoehe = 280;
    const QSizeF groesse = aufBreite(
        QSizeF(ausPixel(fotoBreite(hoehe, inhalt_.foto.size())), ausPixel(hoehe)), kSeitenBreite);
    bild->setWidth(groesse.width());
    bild->setHeight(groesse.height());
    bericht::Memo& unterschrift = memo(QStringLiteral("Memo95"));
    unterschrift.setText(inhalt_.fotoUnterschrift);
    unterschrift.setTop(groesse.height() + ausMm(1));
    band(QStringLiteral("Foto7")).setHeight(unterschrift.top() + kZeilenHoehe);
}

void DatenblattBericht::TabLeistung() {
    band(QStringLiteral("Bedingungen8"))
        .setHeight(zeilenStapeln(kBedingungen, inhalt_.tabellenBedingungen) + ausMm(4));
    const QList<QStringList>& gitter = inhalt_.tabelle;
    int spalten = 0;
    for (const QStringList& zeile : gitter)
        spalten = std::max(spalten, static_cast<int>(zeile.size()));
    // Grid column 0 is not printed.
    tabSpalten_ = std::max(0, spalten - 1);
    const int h = std::max(8, inhalt_.zellenHoehe);
    int w = std::max(8, inhalt_.zellenBreite);
    // A wide table is narrowed to the page rather than cut at its edge.
    if (tabSpalten_ > 0 && 40 + (w - 1) * tabSpalten_ + 1 > kSeitenPixel)
        w = (kSeitenPixel - 41) / tabSpalten_ + 1;
    bericht::Band& kopf = band(QStringLiteral("Child33"));
    bericht::Band& md5 = band(QStringLiteral("MD5"));
    kopf.setHeight(gitter.size() >= 2 ? ausPixel(2 * h) : 0);
    md5.setHeight(ausPixel(h));
    tabNamen_.clear();
    QStringList memos;
    for (int k = 0; k < tabSpalten_; ++k) {
        const double links = ausPixel((w - 1) * k + 40);
        const auto rahmen = [&](bericht::Band& b, const QString& name, double oben) {
            bericht::Form& f = b.createShape(name);
            f.setGeometry(links, oben, ausPixel(w), ausPixel(h));
            tabNamen_ << name;
            return &f;
        };
        rahmen(kopf, QStringLiteral("TabKopfRahmen0_%1").arg(k), 0)->setColor(kKnopfFlaeche);
        rahmen(kopf, QStringLiteral("TabKopfRahmen1_%1").arg(k), ausPixel(h))
            ->setColor(kKnopfFlaeche);
        bericht::Form* daten = rahmen(md5, QStringLiteral("TabRahmen_%1").arg(k), 0);
        if (k < 2)
            daten->setColor(kKnopfFlaeche);
        const Qt::Alignment ausrichtung = k < 2 ? Qt::AlignHCenter : Qt::AlignRight;
        const auto zelle = [&](bericht::Band& b, const QString& name, double oben,
                               const QString& text) {
            bericht::Memo& m = b.createMemo(name);
            m.setGeometry(links + ausPixel(1), oben, ausPixel(w - 2), ausPixel(h - 4));
            m.setFont(berichtSchrift(7));
            m.setWordWrap(false);
            m.setHAlign(ausrichtung);
            m.setVAlign(Qt::AlignVCenter);
            m.setText(text);
            memos << name;
        };
        const auto text = [&](int zeile) {
            return zeile < gitter.size() && k + 1 < gitter.at(zeile).size()
                       ? gitter.at(zeile).at(k + 1).trimmed()
                       : QString();
        };
        zelle(kopf, QStringLiteral("TabKopf0_%1").arg(k), ausPixel(2), text(0));
        zelle(kopf, QStringLiteral("TabKopf1_%1").arg(k), ausPixel(h + 2), text(1));
        zelle(md5, QStringLiteral("TabZelle_%1").arg(k), ausPixel(2), QString());
    }
    tabNamen_ << memos;
    frxLeistTab_.setzen(gitter.mid(2));
}

// A row of frxLeistTab: the frames of the value columns coloured by the grid
// row, the memos get the row's cells.
void DatenblattBericht::tabellenZeileFuellen() {
    if (frxLeistTab_.CheckEOF())
        return;
    const qsizetype gitterZeile = frxLeistTab_.zeile() + 2;
    const QStringList zellen = frxLeistTab_.aktuell();
    for (int k = 0; k < tabSpalten_; ++k) {
        if (k >= 2)
            find<bericht::Form>(QStringLiteral("TabRahmen_%1").arg(k))
                ->setColor(gitterZeile % 2 == 1 ? kUngeradeZeile : kTooltip);
        memo(QStringLiteral("TabZelle_%1").arg(k))
            .setText(k + 1 < zellen.size() ? zellen.at(k + 1).trimmed() : QString());
    }
}

void DatenblattBericht::frxReportFelderFuellen() {
    // Every print starts with the letter head where the selection puts it; the
    // bands hide themselves once printed.
    setBeforePrepare([this] { briefkopfZeigen(); });
    for (const SeitenDefinition& d : kSeiten)
        findPage(seitenName(d.abschnitt))->setVisible(auswahl_.enthaelt(d.abschnitt));
    for (const SeitenDefinition& d : kSeiten) {
        if (!auswahl_.enthaelt(d.abschnitt))
            continue;
        rahmen(d);
        switch (d.abschnitt) {
        case Abschnitt::Leistungsdaten:
            Leistungsdaten();
            break;
        case Abschnitt::TechnischeDaten:
            TechnischeDaten();
            break;
        case Abschnitt::Einsatzgrenzen:
            Einsatzgrenzen();
            break;
        case Abschnitt::Lieferumfang:
            Lieferumfang();
            break;
        case Abschnitt::Zubehoer:
            Zubehoer();
            break;
        case Abschnitt::Masse:
            Masse();
            break;
        case Abschnitt::Produktfoto:
            Photo();
            break;
        case Abschnitt::TabelleLeistung:
            TabLeistung();
            break;
        }
    }
}

} // namespace

QString seitenName(Abschnitt abschnitt) {
    return QStringLiteral("Page%1").arg(index(abschnitt) + 1);
}

bool mitBriefkopf(const Druckauswahl& auswahl, Abschnitt abschnitt) {
    for (Abschnitt vorher : kReihenfolge) {
        if (vorher == abschnitt)
            return true;
        if (auswahl.enthaelt(vorher))
            return false;
    }
    return true;
}

QSize masseBildGroesse(QSize zeichnung) {
    if (zeichnung.height() > 500)
        return {static_cast<int>(std::trunc(static_cast<double>(zeichnung.width()) /
                                            zeichnung.height() * 500.0)),
                500};
    return zeichnung;
}

int fotoBreite(int hoehe, QSize foto) {
    if (foto.height() <= 0)
        return 0;
    return static_cast<int>(std::trunc(static_cast<double>(hoehe) * foto.width() / foto.height()));
}

QSizeF aufBreite(QSizeF groesse, double breite) {
    if (groesse.width() <= breite || groesse.width() <= 0)
        return groesse;
    return {breite, groesse.height() * breite / groesse.width()};
}

std::unique_ptr<bericht::Bericht> datenblattBericht(const Druckauswahl& auswahl,
                                                    const DatenblattInhalt& inhalt) {
    auto bericht = std::make_unique<DatenblattBericht>(auswahl, inhalt);
    bericht->setTitle(inhalt.typ.isEmpty() ? QStringLiteral("WUK 8.1")
                                           : QStringLiteral("WUK 8.1 ") + inhalt.typ);
    bericht->anlegen();
    bericht->frxReportFelderFuellen();
    return bericht;
}

} // namespace drel::print
