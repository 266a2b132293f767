// The printed data sheet from a given content: which pages print, the letter head
// once, the picture sizes, and the performance table built at run time.
#include "print/briefrahmen.h"
#include "print/datenblattbericht.h"
#include "report/bild.h"
#include "report/einheiten.h"
#include "report/form.h"
#include "report/gesetzteseite.h"
#include "report/memo.h"

#include <gtest/gtest.h>
#include <vector>

namespace drel::print {
namespace {

using bericht::ausPixel;

Druckauswahl auswahl(std::initializer_list<Abschnitt> abschnitte) {
    Druckauswahl a;
    a.brief.absender = {QStringLiteral("Kälte Süd GmbH"), QStringLiteral("Hafenstraße 1")};
    a.brief.empfaenger = {QStringLiteral("Müller & Söhne")};
    a.brief.betreff = {QStringLiteral("Angebot Verdichter")};
    a.brief.text = {QStringLiteral("Sehr geehrte Damen und Herren,"), QStringLiteral("anbei.")};
    a.brief.datum = QStringLiteral("09.12.26");
    a.brief.zustaendig = QStringLiteral("Hr. Weiß");
    a.brief.seite = QStringLiteral("Seite");
    a.abschnitte = abschnitte;
    return a;
}

DatenblattInhalt inhalt() {
    DatenblattInhalt i;
    i.typ = QStringLiteral("QNX2-22");
    i.kaeltemittelLabel = QStringLiteral("Kältemittel");
    i.kaeltemittel = QStringLiteral("R404A, R507");
    i.fusszeile = QStringLiteral("Änderungen vorbehalten.");
    for (std::size_t k = 0; k < i.titel.size(); ++k)
        i.titel[k] = QStringLiteral("Titel %1").arg(k + 1);
    i.links[2] = {QStringLiteral("Verdampfungstemperatur"), QStringLiteral("-10"),
                  QStringLiteral("°C")};
    i.rechts[0] = {QStringLiteral("Verdichterkälteleistung"), QStringLiteral("11,44"),
                   QStringLiteral("kW")};
    i.technik = {{QStringLiteral("Zylinderzahl"), QStringLiteral("4")}};
    i.zubehoer = {QStringLiteral("Ölsumpfheizung")};
    return i;
}

// The names of the report pages behind the printed pages, in order.
QStringList gedruckteSeiten(const bericht::Bericht& b) {
    QStringList namen;
    for (int s = 0; s < b.pageCount(); ++s)
        namen << b.preparedPage(s).pageName();
    return namen;
}

int anzahl(const bericht::Bericht& b, int seite, const QString& objekt) {
    return static_cast<int>(b.preparedPage(seite).find(objekt).size());
}

QString text(const bericht::Bericht& b, int seite, const QString& objekt) {
    const auto gefunden = b.preparedPage(seite).find(objekt);
    return gefunden.empty() ? QString()
                            : static_cast<const bericht::Memo*>(gefunden.front())->text();
}

std::unique_ptr<bericht::Bericht> gesetzt(const Druckauswahl& a, const DatenblattInhalt& i) {
    auto b = datenblattBericht(a, i);
    EXPECT_TRUE(b->prepare()) << b->error().toStdString();
    return b;
}

TEST(DatenblattBericht, OnlyTheTickedSectionsPrintAndTheFirstCarriesTheLetterHead) {
    const auto b = gesetzt(auswahl({Abschnitt::TechnischeDaten, Abschnitt::Zubehoer}), inhalt());
    ASSERT_EQ(gedruckteSeiten(*b), (QStringList{QStringLiteral("Page2"), QStringLiteral("Page5")}));
    // Page 2: subject, letter text and type block under the frame.
    EXPECT_EQ(text(*b, 0, QStringLiteral("Memo16")), QStringLiteral("Angebot Verdichter"));
    EXPECT_EQ(text(*b, 0, QStringLiteral("Memo18")),
              QStringLiteral("Sehr geehrte Damen und Herren,\nanbei."));
    EXPECT_EQ(text(*b, 0, QStringLiteral("Memo8")), QStringLiteral("QNX2-22"));
    EXPECT_EQ(text(*b, 0, QStringLiteral("Memo10")), QStringLiteral("R404A, R507"));
    // Page 5: the page header and the recipient, then its data only.
    EXPECT_EQ(text(*b, 1, QStringLiteral("Memo60")),
              QStringLiteral("Kälte Süd GmbH\nHafenstraße 1"));
    EXPECT_EQ(text(*b, 1, QStringLiteral("Memo67")), QStringLiteral("Müller & Söhne"));
    EXPECT_EQ(text(*b, 1, QStringLiteral("Memo61")), QStringLiteral("09.12.26"));
    EXPECT_EQ(text(*b, 1, QStringLiteral("Memo62")), QStringLiteral("Hr. Weiß"));
    EXPECT_EQ(text(*b, 1, QStringLiteral("Seitenzahl5")), QStringLiteral("2 / 2"));
    for (const char* name : {"Memo68", "Memo69", "Memo70"})
        EXPECT_EQ(anzahl(*b, 1, QString::fromLatin1(name)), 0) << name;
    EXPECT_EQ(text(*b, 1, QStringLiteral("Memo74")), QStringLiteral("Titel 5"));
    EXPECT_EQ(text(*b, 1, QStringLiteral("Memo64")), QStringLiteral("Ölsumpfheizung"));
    EXPECT_EQ(text(*b, 1, QStringLiteral("Memo75")), QStringLiteral("Änderungen vorbehalten."));
}

TEST(DatenblattBericht, ALongSectionPrintsItsLetterHeadOnceButTheFrameOnEveryPage) {
    DatenblattInhalt i = inhalt();
    i.technik.clear();
    for (int r = 1; r <= 120; ++r)
        i.technik << QStringList{QStringLiteral("Wert %1").arg(r), QString::number(r)};
    const auto b = gesetzt(auswahl({Abschnitt::TechnischeDaten}), i);
    ASSERT_GE(b->pageCount(), 3);
    for (int s = 0; s < b->pageCount(); ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(anzahl(*b, s, QStringLiteral("Memo16")), s == 0 ? 1 : 0);
        EXPECT_EQ(anzahl(*b, s, QStringLiteral("Memo18")), s == 0 ? 1 : 0);
        EXPECT_EQ(anzahl(*b, s, QStringLiteral("Memo8")), s == 0 ? 1 : 0);
        EXPECT_EQ(anzahl(*b, s, QStringLiteral("Memo4")), 1);
        EXPECT_EQ(anzahl(*b, s, QStringLiteral("Memo15")), 1);
        EXPECT_EQ(text(*b, s, QStringLiteral("Seitenzahl2")),
                  QStringLiteral("%1 / %2").arg(s + 1).arg(b->pageCount()));
    }
    // Every row prints once, in order.
    QStringList werte;
    for (int s = 0; s < b->pageCount(); ++s)
        for (const bericht::Druckobjekt* o : b->preparedPage(s).find(QStringLiteral("Memo20")))
            werte << static_cast<const bericht::Memo*>(o)->text();
    ASSERT_EQ(werte.size(), 120);
    EXPECT_EQ(werte.front(), QStringLiteral("1"));
    EXPECT_EQ(werte.back(), QStringLiteral("120"));
    // A second layout of the same report starts with the letter head again.
    ASSERT_TRUE(b->prepare());
    EXPECT_EQ(anzahl(*b, 0, QStringLiteral("Memo16")), 1);
}

TEST(DatenblattBericht, LetterHeadGoesToThePageAfterTheLastEarlierPrintedOne) {
    const auto a = [](std::initializer_list<Abschnitt> l) { return auswahl(l); };
    // Page 1 always carries it.
    EXPECT_TRUE(mitBriefkopf(a({Abschnitt::Leistungsdaten}), Abschnitt::Leistungsdaten));
    EXPECT_TRUE(
        mitBriefkopf(a({Abschnitt::Lieferumfang, Abschnitt::Zubehoer}), Abschnitt::Lieferumfang));
    EXPECT_FALSE(
        mitBriefkopf(a({Abschnitt::Lieferumfang, Abschnitt::Zubehoer}), Abschnitt::Zubehoer));
    EXPECT_FALSE(mitBriefkopf(a({Abschnitt::Einsatzgrenzen, Abschnitt::Lieferumfang}),
                              Abschnitt::Lieferumfang));
    EXPECT_FALSE(mitBriefkopf(a({Abschnitt::Leistungsdaten, Abschnitt::TabelleLeistung}),
                              Abschnitt::TabelleLeistung));
    EXPECT_FALSE(mitBriefkopf(a({Abschnitt::Produktfoto, Abschnitt::TabelleLeistung}),
                              Abschnitt::TabelleLeistung));
    // A later section does not take it away.
    EXPECT_TRUE(mitBriefkopf(a({Abschnitt::Masse, Abschnitt::Produktfoto}), Abschnitt::Masse));

    const auto b = gesetzt(a({Abschnitt::Masse, Abschnitt::TabelleLeistung}), inhalt());
    ASSERT_EQ(gedruckteSeiten(*b), (QStringList{QStringLiteral("Page6"), QStringLiteral("Page8")}));
    EXPECT_EQ(anzahl(*b, 0, QStringLiteral("Memo102")), 1);
    EXPECT_EQ(anzahl(*b, 1, QStringLiteral("Memo123")), 0);
}

TEST(DatenblattBericht, EveryPagePrintsWithItsFrameWhenAllAreTicked) {
    DatenblattInhalt i = inhalt();
    i.zeichnung = QImage(400, 300, QImage::Format_RGB32);
    i.foto = QImage(400, 300, QImage::Format_RGB32);
    Druckauswahl a = auswahl({});
    for (int k = 0; k < kAbschnittAnzahl; ++k)
        a.abschnitte.push_back(static_cast<Abschnitt>(k));
    const auto b = gesetzt(a, i);
    ASSERT_EQ(b->pageCount(), 8);
    const char* absender[8] = {"QRMemo1", "Memo4",  "Memo24", "Memo43",
                               "Memo60",  "Memo93", "Memo77", "Memo115"};
    const char* programm[8] = {"QRLabel5", "Memo11",  "Memo37", "Memo56",
                               "Memo73",   "Memo107", "Memo90", "Memo128"};
    for (int s = 0; s < 8; ++s) {
        EXPECT_EQ(b->preparedPage(s).pageName(), QStringLiteral("Page%1").arg(s + 1));
        EXPECT_EQ(text(*b, s, QString::fromLatin1(absender[s])),
                  QStringLiteral("Kälte Süd GmbH\nHafenstraße 1"));
        EXPECT_EQ(text(*b, s, QString::fromLatin1(programm[s])), QStringLiteral("WUK 8.1 "));
    }
    EXPECT_EQ(anzahl(*b, 0, QStringLiteral("QRMemo3")), 1);
    EXPECT_EQ(text(*b, 0, QStringLiteral("QRLabel60")), QStringLiteral("Titel 1"));
    EXPECT_EQ(text(*b, 0, QStringLiteral("QRLabel14")), QStringLiteral("Verdampfungstemperatur"));
    EXPECT_EQ(text(*b, 0, QStringLiteral("QRLabel41")), QStringLiteral("-10"));
    EXPECT_EQ(text(*b, 0, QStringLiteral("QRLabel50")), QStringLiteral("11,44"));
    EXPECT_EQ(text(*b, 0, QStringLiteral("QRLabel36")), QStringLiteral("kW"));
    EXPECT_EQ(b->title(), QStringLiteral("WUK 8.1 QNX2-22"));
}

TEST(DatenblattBericht, DimensionDrawingIsLimitedTo500PixelsHigh) {
    EXPECT_EQ(masseBildGroesse(QSize(1000, 600)), QSize(833, 500));
    EXPECT_EQ(masseBildGroesse(QSize(400, 300)), QSize(400, 300));
    EXPECT_EQ(masseBildGroesse(QSize(700, 500)), QSize(700, 500));
    EXPECT_EQ(masseBildGroesse(QSize(700, 501)), QSize(698, 500));
    EXPECT_EQ(fotoBreite(280, QSize(400, 300)), 373);
    EXPECT_EQ(fotoBreite(280, QSize()), 0);
    EXPECT_EQ(aufBreite(QSizeF(100, 50), 100), QSizeF(100, 50));
    EXPECT_EQ(aufBreite(QSizeF(200, 50), 100), QSizeF(100, 25));

    DatenblattInhalt i = inhalt();
    i.zeichnung = QImage(400, 300, QImage::Format_RGB32);
    auto b = gesetzt(auswahl({Abschnitt::Masse}), i);
    auto bild = [&] {
        return static_cast<const bericht::Bild*>(
            b->preparedPage(0).find(QStringLiteral("Picture10")).front());
    };
    EXPECT_DOUBLE_EQ(bild()->width(), ausPixel(400));
    EXPECT_DOUBLE_EQ(bild()->height(), ausPixel(300));
    // 833 × 500 pixels are wider than the paper: the drawing keeps its proportions
    // and fills the width between the margins.
    i.zeichnung = QImage(1000, 600, QImage::Format_RGB32);
    b = gesetzt(auswahl({Abschnitt::Masse}), i);
    EXPECT_DOUBLE_EQ(bild()->width(), bericht::ausMm(175));
    EXPECT_NEAR(bild()->height() / bild()->width(), 500.0 / 833.0, 1e-12);
}

TEST(DatenblattBericht, PerformanceTableIsRebuiltWithRowColours) {
    DatenblattInhalt i = inhalt();
    i.tabelle = {
        {QString(), QStringLiteral("tc"), QString(), QStringLiteral("t0 -10")},
        {QString(), QStringLiteral("°C"), QString(), QStringLiteral("°C")},
        {QString(), QStringLiteral("30"), QStringLiteral("Qo [kW]"), QStringLiteral("12,5")},
        {QString(), QStringLiteral("30"), QStringLiteral("P [kW]"), QStringLiteral("5,1")},
        {QString(), QStringLiteral("40"), QStringLiteral("Qo [kW]"), QString()},
    };
    const auto b = gesetzt(auswahl({Abschnitt::TabelleLeistung}), i);
    ASSERT_EQ(b->pageCount(), 1);
    const auto& seite = b->preparedPage(0);
    EXPECT_EQ(text(*b, 0, QStringLiteral("TabKopf0_2")), QStringLiteral("t0 -10"));
    EXPECT_EQ(text(*b, 0, QStringLiteral("TabKopf1_0")), QStringLiteral("°C"));
    const auto zellen = seite.find(QStringLiteral("TabZelle_2"));
    ASSERT_EQ(zellen.size(), 3u);
    EXPECT_EQ(static_cast<const bericht::Memo*>(zellen[0])->text(), QStringLiteral("12,5"));
    EXPECT_EQ(static_cast<const bericht::Memo*>(zellen[1])->text(), QStringLiteral("5,1"));
    EXPECT_EQ(static_cast<const bericht::Memo*>(zellen[0])->hAlign(), Qt::AlignRight);
    const auto erste = seite.find(QStringLiteral("TabZelle_0"));
    EXPECT_EQ(static_cast<const bericht::Memo*>(erste[0])->hAlign(), Qt::AlignHCenter);
    EXPECT_EQ(static_cast<const bericht::Memo*>(erste[2])->text(), QStringLiteral("40"));
    // Value frames: grid row 2 (even) tooltip colour, row 3 (odd) light blue; the
    // first two printed columns keep the button face.
    const auto rahmen = seite.find(QStringLiteral("TabRahmen_2"));
    ASSERT_EQ(rahmen.size(), 3u);
    EXPECT_EQ(rahmen[0]->color(), QColor(255, 255, 225));
    EXPECT_EQ(rahmen[1]->color(), QColor(214, 227, 247));
    EXPECT_EQ(rahmen[2]->color(), QColor(255, 255, 225));
    EXPECT_EQ(seite.find(QStringLiteral("TabRahmen_1"))[1]->color(), QColor(240, 240, 240));
    // Column k starts at (w − 1)·k + 40 pixels.
    EXPECT_DOUBLE_EQ(rahmen[0]->left() - seite.find(QStringLiteral("TabRahmen_0"))[0]->left(),
                     ausPixel(2 * (55 - 1)));
}

TEST(DatenblattBericht, AWideTableIsNarrowedToThePage) {
    DatenblattInhalt i = inhalt();
    QStringList zeile;
    for (int k = 0; k < 14; ++k)
        zeile << QStringLiteral("%1").arg(k);
    i.tabelle = {zeile, zeile, zeile};
    const auto b = gesetzt(auswahl({Abschnitt::TabelleLeistung}), i);
    const auto letzte = b->preparedPage(0).find(QStringLiteral("TabRahmen_12"));
    ASSERT_EQ(letzte.size(), 1u);
    // Right edge within the paper's usable width (page margin 20 mm on the left).
    EXPECT_LE(letzte[0]->left() + letzte[0]->width(), bericht::ausMm(20 + 175) + 1e-6);
}

TEST(DatenblattBericht, NotesLegendsAndRefrigerantNoteShowOnlyWithText) {
    DatenblattInhalt i = inhalt();
    i.bemerkungenTitel = QStringLiteral("Bemerkungen:");
    i.bemerkungen = {QStringLiteral("1)\nEins"), QStringLiteral("2)\nZwei")};
    i.legende[0] = {QStringLiteral("Sauggastemperatur 20 °C"), QColor(1, 2, 3)};
    i.kaeltemittelHinweisSichtbar = true;
    i.kaeltemittelHinweis = QStringLiteral("Höherer Druck");
    auto b = gesetzt(
        auswahl({Abschnitt::Leistungsdaten, Abschnitt::TechnischeDaten, Abschnitt::Einsatzgrenzen}),
        i);
    EXPECT_EQ(text(*b, 0, QStringLiteral("MemoR410A")), QStringLiteral("Höherer Druck"));
    EXPECT_EQ(text(*b, 1, QStringLiteral("Memo22")), QStringLiteral("Bemerkungen:"));
    EXPECT_EQ(text(*b, 1, QStringLiteral("Memo23")), QStringLiteral("1)\nEins\n\n2)\nZwei"));
    EXPECT_EQ(anzahl(*b, 2, QStringLiteral("Shape4")), 1);
    EXPECT_EQ(b->preparedPage(2).find(QStringLiteral("Shape4"))[0]->color(), QColor(1, 2, 3));
    EXPECT_EQ(text(*b, 2, QStringLiteral("Memo42")), QStringLiteral("Sauggastemperatur 20 °C"));
    EXPECT_EQ(anzahl(*b, 2, QStringLiteral("Shape5")), 0);
    EXPECT_EQ(anzahl(*b, 2, QStringLiteral("Memo147")), 0);

    i = inhalt();
    b = gesetzt(auswahl({Abschnitt::Leistungsdaten, Abschnitt::TechnischeDaten}), i);
    EXPECT_EQ(anzahl(*b, 0, QStringLiteral("MemoR410A")), 0);
    EXPECT_EQ(anzahl(*b, 1, QStringLiteral("Memo22")), 0);
}

// The limit diagram spans the page, its axis captions printed as text (searchable in
// the PDF) above the picture's plot and under the picture.
TEST(DatenblattBericht, DiagramSpansThePageWithItsAxisCaptionsAsText) {
    DatenblattInhalt i = inhalt();
    i.diagramm = QImage(1026, 732, QImage::Format_RGB32);
    i.diagramm.fill(Qt::white);
    i.diagrammAchseX = QStringLiteral("Verdampfungstemperatur t0 [°C]");
    i.diagrammAchseY = QStringLiteral("Verflüssigungstemperatur tc [°C]");
    auto b = gesetzt(auswahl({Abschnitt::Einsatzgrenzen}), i);
    const bericht::GesetzteSeite& seite = b->preparedPage(0);
    ASSERT_EQ(seite.find(QStringLiteral("Picture4")).size(), 1U);
    const bericht::Druckobjekt* bild = seite.find(QStringLiteral("Picture4"))[0];
    EXPECT_DOUBLE_EQ(bild->width(), kSeitenBreite);
    EXPECT_NEAR(bild->height(), kSeitenBreite * 732 / 1026, 1e-6);
    EXPECT_EQ(text(*b, 0, QStringLiteral("MemoAchseX")), i.diagrammAchseX);
    EXPECT_EQ(text(*b, 0, QStringLiteral("MemoAchseY")), i.diagrammAchseY);
    const bericht::Druckobjekt* x = seite.find(QStringLiteral("MemoAchseX"))[0];
    const bericht::Druckobjekt* y = seite.find(QStringLiteral("MemoAchseY"))[0];
    EXPECT_GE(x->top(), bild->top() + bild->height() - 1e-6);
    EXPECT_LE(y->top() + y->height(), bild->top() + 1e-6);
    EXPECT_GT(y->left(), bild->left()) << "over the plot, beside the y numbers";
}

// Nothing on the value pages is cut: every memo holds its text, the longest labels of
// the languages included, measured with the report's own (bundled) font.
TEST(DatenblattBericht, ValueLabelsFitTheirBoxesInEveryLanguage) {
    const QStringList labels{QStringLiteral("Coefficient of performance (COP)"),
                             QStringLiteral("Temperature at intermediate cooler outlet"),
                             QStringLiteral("Verflüssigungstemperatur"),
                             QStringLiteral("Холодопроизводительность компрессора"),
                             QStringLiteral("Température des gaz aspirés"),
                             QStringLiteral("Temperatura del gas de aspiración"),
                             QStringLiteral("Kälteleistungszahl (COP)"),
                             QStringLiteral("Wydajność chłodnicza sprężarki")};
    DatenblattInhalt i = inhalt();
    for (std::size_t k = 0; k < i.links.size(); ++k) {
        i.links[k] = {labels.at(static_cast<qsizetype>(k)), QStringLiteral("-10,5"),
                      QStringLiteral("°C")};
        i.rechts[k] = {labels.at(static_cast<qsizetype>(7 - k)), QStringLiteral("11,44"),
                       QStringLiteral("kW")};
    }
    for (std::size_t k = 0; k < i.tabellenBedingungen.size(); ++k)
        i.tabellenBedingungen[k] = {labels.at(static_cast<qsizetype>(k + 3)), QStringLiteral("20"),
                                    QStringLiteral("°C")};
    auto b = datenblattBericht(auswahl({Abschnitt::Leistungsdaten, Abschnitt::TabelleLeistung}), i);
    ASSERT_TRUE(b->prepare()) << b->error().toStdString();
    int geprueft = 0;
    for (int seite = 0; seite < b->pageCount(); ++seite) {
        std::vector<QRectF> labelKaesten;
        for (const auto& objekt : b->preparedPage(seite).objects()) {
            const auto* m = dynamic_cast<const bericht::Memo*>(objekt.get());
            if (!m || m->text().isEmpty() || m->text().startsWith(QLatin1Char('[')))
                continue;
            const double p = bericht::Memo::padding;
            const QRectF innen = m->rect().adjusted(p, p, -p, -p);
            const QRectF text = m->textRect();
            EXPECT_LE(text.width(), innen.width() + 0.5) << qPrintable(m->text());
            EXPECT_LE(text.height(), innen.height() + 0.5) << qPrintable(m->text());
            if (labels.contains(m->text())) {
                ++geprueft;
                labelKaesten.push_back(m->rect());
            }
        }
        // A label grown to two lines pushes the rows below it down: no two overlap.
        for (std::size_t a = 0; a < labelKaesten.size(); ++a)
            for (std::size_t c = a + 1; c < labelKaesten.size(); ++c)
                EXPECT_FALSE(labelKaesten[a].intersected(labelKaesten[c]).height() > 0.5)
                    << seite << ": " << a << " " << c;
    }
    EXPECT_EQ(geprueft, 19);
}

} // namespace
} // namespace drel::print
