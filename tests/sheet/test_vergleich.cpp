// Batch input and the comparison on the sample catalogue: the table readers (CSV in
// both forms, XLSX), a comparison of one article equals its sheet, the differences.
#include "sheet/pages/leistungstabelle.h"
#include "sheet/reihenrechnung.h"
#include "sheet/vergleich.h"
#include "sheet/xlsxlesen.h"
#include "tests/support/blattkatalog.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace drel::sheet {
namespace {

using testing::Katalog;

TEST(ReihenLesen, GermanAndEnglishCsv) {
    // German: ";" and decimal comma, German column names, a byte-order mark, a blank line.
    const ReihenTabelle de = reihenAusCsv(QStringLiteral(
        "\xFEFF"
        "Artikel;Kältemittel;t0;Luft;Unterkühlung;Hz\r\n\r\nCQN4-66 L;R404A;−10,5;32;2;60\r\n"));
    ASSERT_TRUE(de.fehler.isEmpty()) << de.fehler.toStdString();
    ASSERT_EQ(de.punkte.size(), 1u);
    const ReihenPunkt& p = de.punkte.front();
    EXPECT_EQ(p.zeile, 3);
    EXPECT_EQ(p.artikel, QStringLiteral("CQN4-66 L"));
    EXPECT_DOUBLE_EQ(p.punkt.t0, -10.5);
    EXPECT_DOUBLE_EQ(p.punkt.tle, 32.0);
    EXPECT_TRUE(p.luft);
    EXPECT_DOUBLE_EQ(p.punkt.tu, 2.0);
    EXPECT_DOUBLE_EQ(p.punkt.f, 60.0);
    EXPECT_DOUBLE_EQ(p.punkt.tsaug, Betriebspunkt{}.tsaug)
        << "a missing column keeps the start value";
    EXPECT_TRUE(p.fehler.isEmpty());
    // English: "," with decimal point; a quoted field holds the separator.
    const ReihenTabelle en = reihenAusCsv(QStringLiteral(
        "article,refrigerant,t0 [°C],tc\n\"QNX2-22\",\"R404A, R507\",-10.5,\"45\"\n"));
    ASSERT_EQ(en.punkte.size(), 1u);
    EXPECT_EQ(en.punkte.front().punkt.kaeltemittel, QStringLiteral("R404A, R507"));
    EXPECT_DOUBLE_EQ(en.punkte.front().punkt.tc, 45.0);
    EXPECT_FALSE(en.punkte.front().luft);
}

TEST(ReihenLesen, FaultsStayWithTheirRow) {
    const ReihenTabelle t = reihenAusCsv(QStringLiteral("article;refrigerant;t0;tc;ts\n"
                                                        "A;R404A;x;45;\n"
                                                        "B;R404A;-10;;\n"
                                                        "C;R404A;-10;45;-11\n"
                                                        "D;R404A;-10;45;-10\n"));
    ASSERT_EQ(t.punkte.size(), 4u);
    EXPECT_TRUE(t.punkte[0].fehler.contains(QStringLiteral("'x'")));
    EXPECT_FALSE(t.punkte[1].fehler.isEmpty()) << "neither tc nor air";
    // The suction gas may equal t0, never lie below it.
    EXPECT_FALSE(t.punkte[2].fehler.isEmpty());
    EXPECT_TRUE(t.punkte[3].fehler.isEmpty()) << t.punkte[3].fehler.toStdString();
    EXPECT_FALSE(reihenAusCsv(QStringLiteral("typ;t0;tc\nA;1;2\n")).fehler.isEmpty())
        << "no refrigerant column";
    EXPECT_FALSE(reihenAusCsv(QString()).fehler.isEmpty());
}

TEST(ReihenLesen, WorkbookCellsComeBackAsWritten) {
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("punkte.xlsx"));
    const ZellenRaster raster{
        {{QStringLiteral("article")},
         {QStringLiteral("refrigerant")},
         {QStringLiteral("t0")},
         {QStringLiteral("tc")}},
        {{QStringLiteral("QNX2-22")},
         {QStringLiteral("R404A, R507")},
         {QStringLiteral("-10.5"), false, -10.5},
         {QStringLiteral("45"), false, 45.0}},
        {},
        {{QStringLiteral("QN2-22")}, {}, {QStringLiteral("-5"), false, -5.0}}};
    ASSERT_TRUE(rasterAlsXlsx(raster, datei));
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray archiv = f.readAll();
    const auto zellen = xlsxZellenLesen(archiv);
    ASSERT_TRUE(zellen.has_value());
    ASSERT_EQ(zellen->size(), 4u);
    EXPECT_EQ(zellen->at(1), (QStringList{"QNX2-22", "R404A, R507", "-10.5", "45"}));
    EXPECT_TRUE(zellen->at(2).join(QString()).isEmpty());
    EXPECT_EQ(zellen->at(3).value(2), QStringLiteral("-5"));
    const ReihenTabelle t = reihenLesen(datei);
    ASSERT_EQ(t.punkte.size(), 2u);
    EXPECT_DOUBLE_EQ(t.punkte[0].punkt.t0, -10.5);
    EXPECT_FALSE(t.punkte[1].fehler.isEmpty()) << "no refrigerant, no tc";
    // A cut archive is refused, never read past its end.
    for (qsizetype n : {qsizetype(10), archiv.size() / 2, archiv.size() - 10})
        EXPECT_FALSE(xlsxZellenLesen(archiv.left(n)).has_value()) << n;
}

// Every byte of a workbook changed in turn: the reader refuses or reads, never reads
// outside the archive (the sanitizer build would stop here).
TEST(ReihenLesen, DamagedWorkbookNeverReadsOutsideIt) {
    QFile f(QStringLiteral(DREL_TEST_DATA "/batch/ergebnis.xlsx"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray archiv = f.readAll();
    ASSERT_TRUE(xlsxZellenLesen(archiv).has_value());
    int gelesen = 0;
    for (qsizetype i = 0; i < archiv.size(); i += 7) {
        QByteArray kaputt = archiv;
        kaputt[i] = static_cast<char>(kaputt[i] ^ 0xA5);
        gelesen += xlsxZellenLesen(kaputt).has_value() ? 1 : 0;
    }
    EXPECT_GT(gelesen, 0) << "a changed byte in a text is still a workbook";
}

class VergleichTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Katalog::get().gebaut);
        testing::blattUmgebung(einheiten_);
    }
    // The sheet of one article at (-10, 45), opened as drel-cli rate opens it.
    std::unique_ptr<Datenblatt> blatt(const QString& artikel) {
        auto b = std::make_unique<Datenblatt>(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
        Betriebspunkt p;
        p.kaeltemittel = QStringLiteral("R404A, R507");
        b->oeffnen(*artikelAuftrag(*Katalog::get().dm, artikel, p, false), false);
        return b;
    }

    RecordingSink sink_;
    ScopedMessageSink guard_{&sink_};
    calc::Einheiten einheiten_;
};

// The sheet that only computes gives what the drawn sheet gives, point for point: every
// value with its flags and every note (the colour test under the cross included), over
// a grid that crosses the envelopes' edges; and it draws no picture.
TEST_F(VergleichTest, ComputeOnlySheetEqualsTheDrawnSheet) {
    Datenblatt gezeichnet(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    Datenblatt gerechnet(*Katalog::get().dm, Katalog::get().stoff, einheiten_,
                         BlattModus::nurRechnen);
    int aussen = 0, innen = 0;
    for (const auto& [artikel, luft] : {std::pair{QStringLiteral("QNX2-22"), false},
                                        std::pair{QStringLiteral("CQN4-66 L"), true}}) {
        for (double t0 = -50.0; t0 <= 20.0; t0 += 2.3) {
            for (double tc = 15.0; tc <= 70.0; tc += 2.9) {
                SCOPED_TRACE(
                    QStringLiteral("%1 t0 %2 tc %3").arg(artikel).arg(t0).arg(tc).toStdString());
                Betriebspunkt p;
                p.kaeltemittel = QStringLiteral("R404A, R507");
                p.t0 = t0;
                (luft ? p.tle : p.tc) = tc;
                p.tsaug = std::max(p.tsaug, t0);
                const auto auftrag = artikelAuftrag(*Katalog::get().dm, artikel, p, luft);
                ASSERT_TRUE(auftrag.has_value());
                gezeichnet.oeffnen(*auftrag, false);
                gerechnet.oeffnen(*auftrag, false);
                ASSERT_TRUE(gezeichnet.modell().diagramm().gezeichnet());
                EXPECT_FALSE(gerechnet.modell().diagramm().gezeichnet());
                for (Groesse g : reihenGroessen()) {
                    const AnzeigeWert a = gezeichnet.wert(g), b = gerechnet.wert(g);
                    EXPECT_EQ(a.berechenbar, b.berechenbar);
                    EXPECT_TRUE(a.wert == b.wert || (std::isnan(a.wert) && std::isnan(b.wert)));
                    EXPECT_EQ(a.geklemmt, b.geklemmt);
                    EXPECT_EQ(a.ausserhalb, b.ausserhalb);
                }
                EXPECT_EQ(gezeichnet.modell().hinweise().texte(),
                          gerechnet.modell().hinweise().texte());
                EXPECT_EQ(gezeichnet.modell().diagramm().FarbeKreuz(),
                          gerechnet.modell().diagramm().FarbeKreuz());
                (gerechnet.modell().hinweise().Label25 ? aussen : innen) += 1;
            }
        }
    }
    // The grid must reach both answers of the colour test, else it proves nothing.
    EXPECT_GT(aussen, 10);
    EXPECT_GT(innen, 10);
}

// A sheet's order rates what the sheet shows: the comparison from open sheets.
TEST_F(VergleichTest, OrderOfASheetRatesWhatTheSheetShows) {
    for (const auto& [artikel, luft] : {std::pair{QStringLiteral("QNX2-22"), false},
                                        std::pair{QStringLiteral("CQN4-66 L"), true}}) {
        SCOPED_TRACE(artikel.toStdString());
        Betriebspunkt p;
        p.kaeltemittel = QStringLiteral("R404A, R507");
        p.t0 = -12.5;
        p.tc = 41.0;
        p.tle = 28.0;
        p.tsaug = 5.0;
        p.tu = 3.0;
        p.tue = 7.0;
        p.f = 60.0;
        Datenblatt blatt(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
        blatt.oeffnen(*artikelAuftrag(*Katalog::get().dm, artikel, p, luft), false);
        const DatenblattAuftrag a = blattAuftrag(blatt.modell());
        EXPECT_EQ(a.luko, luft);
        EXPECT_DOUBLE_EQ(a.punkt.tsaug, 5.0);
        EXPECT_DOUBLE_EQ(a.punkt.tu, 3.0);
        EXPECT_DOUBLE_EQ(a.punkt.f, 60.0);
        Reihenrechnung rechnung(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
        Vergleich v;
        v.rechnen(rechnung, {a});
        ASSERT_EQ(v.spalten().size(), 1u);
        ASSERT_TRUE(v.spalten().front().gerechnet) << v.spalten().front().grund.toStdString();
        for (std::size_t g = 0; g < vergleichsGroessen().size(); ++g) {
            SCOPED_TRACE(g);
            const AnzeigeWert soll = blatt.wert(vergleichsGroessen()[g]);
            ASSERT_NE(v.wert(0, g), nullptr);
            EXPECT_TRUE(v.wert(0, g)->wert == soll.wert || !soll.berechenbar);
        }
    }
}

// The notes of a rated point reach the comparison and the batch list in the user's
// language, under the context the sheet's notes window translates them with.
TEST_F(VergleichTest, NotesAreShownInTheUsersLanguage) {
    class Kennzeichnend : public QTranslator {
    public:
        bool isEmpty() const override { return false; }
        QString translate(const char* kontext, const char* quelle, const char*,
                          int) const override {
            return qstrcmp(kontext, "TFrmHinweise") == 0
                       ? QStringLiteral("[") + QString::fromLatin1(quelle) + QStringLiteral("]")
                       : QString();
        }
    } sprache;
    // Translators need an application object.
    static int argc = 1;
    static char name[] = "test_sheet";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);
    Reihenrechnung rechnung(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    Betriebspunkt p;
    p.kaeltemittel = QStringLiteral("R404A, R507");
    p.t0 = -45.0; // outside the envelope
    ReihenPunkt punkt;
    punkt.artikel = QStringLiteral("QNX2-22");
    punkt.punkt = p;
    const ReihenErgebnis deutsch = rechnung.rechnen(punkt);
    ASSERT_FALSE(deutsch.hinweise.isEmpty());
    ASSERT_TRUE(QCoreApplication::installTranslator(&sprache));
    Vergleich v;
    v.rechnen(rechnung, {QStringLiteral("QNX2-22")}, p, false);
    QCoreApplication::removeTranslator(&sprache);
    ASSERT_EQ(v.spalten().size(), 1u);
    QStringList erwartet;
    for (const QString& text : deutsch.hinweise)
        erwartet << QStringLiteral("[") + text + QStringLiteral("]");
    EXPECT_EQ(v.spalten().front().hinweise, erwartet);
}

TEST_F(VergleichTest, OneArticleShowsWhatItsSheetShows) {
    Reihenrechnung rechnung(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    Vergleich v;
    Betriebspunkt p;
    p.kaeltemittel = QStringLiteral("R404A, R507");
    v.rechnen(rechnung, {QStringLiteral("QNX2-22")}, p, false);
    ASSERT_EQ(v.spalten().size(), 1u);
    ASSERT_TRUE(v.spalten().front().gerechnet) << v.spalten().front().grund.toStdString();
    const auto referenz = blatt(QStringLiteral("QNX2-22"));
    for (std::size_t g = 0; g < vergleichsGroessen().size(); ++g) {
        SCOPED_TRACE(g);
        const AnzeigeWert soll = referenz->wert(vergleichsGroessen()[g]);
        const AnzeigeWert* ist = v.wert(0, g);
        ASSERT_NE(ist, nullptr);
        EXPECT_EQ(ist->berechenbar, soll.berechenbar);
        if (soll.berechenbar) {
            EXPECT_EQ(ist->wert, soll.wert);
        }
        EXPECT_EQ(ist->einheit, soll.einheit);
        EXPECT_TRUE(std::isnan(v.differenz(0, g)));
    }
    // The table: heading, eight quantities, the notes.
    EXPECT_EQ(v.raster().size(), vergleichsGroessen().size() + 2);
}

TEST_F(VergleichTest, DifferencesToTheFirstAndFaultyArticles) {
    Reihenrechnung rechnung(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    Vergleich v;
    Betriebspunkt p;
    p.kaeltemittel = QStringLiteral("R404A, R507");
    v.rechnen(rechnung,
              {QStringLiteral("QNX2-22"), QStringLiteral("NOPE"), QStringLiteral("QNX2-32"),
               QStringLiteral("QNX2-22"), QStringLiteral("QNX2-32")},
              p, false);
    ASSERT_EQ(v.spalten().size(), 4u) << "at most four";
    EXPECT_FALSE(v.spalten()[1].gerechnet);
    EXPECT_TRUE(v.spalten()[1].grund.contains(QStringLiteral("NOPE")));
    EXPECT_TRUE(v.spalten()[2].gerechnet);
    const double qo1 = blatt(QStringLiteral("QNX2-22"))->wert(Groesse::Qo).wert;
    const double qo2 = blatt(QStringLiteral("QNX2-32"))->wert(Groesse::Qo).wert;
    EXPECT_NEAR(v.differenz(2, 0), (qo2 - qo1) / qo1 * 100.0, 1e-9);
    EXPECT_TRUE(std::isnan(v.differenz(1, 0))) << "not computable";
    EXPECT_EQ(v.differenz(3, 0), 0.0) << "the same article";
    EXPECT_EQ(differenzText(v.differenz(3, 0)), QStringLiteral("0,0 %"));
    EXPECT_EQ(differenzText(12.345), QStringLiteral("+12,3 %"));
    EXPECT_EQ(differenzText(-0.04), QStringLiteral("0,0 %"));
    EXPECT_EQ(differenzText(std::nan("")), QString());
    EXPECT_EQ(differenzText(-1.25, QStringLiteral("K")), QStringLiteral("-1,3 K"));
}

// The margin's difference is in K, not in %: a margin of 0.5 K against 1 K is not "-50 %".
TEST_F(VergleichTest, MarginDifferenceIsInKelvin) {
    Reihenrechnung rechnung(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    Vergleich v;
    Betriebspunkt p; // where the two-stage type's envelope reaches further
    p.kaeltemittel = QStringLiteral("R404A, R507");
    p.t0 = -35.0;
    p.tc = 40.0;
    const QStringList artikel{QStringLiteral("QNX3-43"), QStringLiteral("QNTX4-70")};
    v.rechnen(rechnung, artikel, p, false);
    const auto& g = vergleichsGroessen();
    const std::size_t rand =
        static_cast<std::size_t>(std::find(g.begin(), g.end(), Groesse::Rand) - g.begin());
    ASSERT_LT(rand, g.size());
    const double r1 = v.wert(0, rand)->wert, r2 = v.wert(1, rand)->wert;
    ASSERT_NE(r1, r2) << "two different envelopes, else the test says nothing";
    EXPECT_DOUBLE_EQ(v.differenz(1, rand), r2 - r1);
    EXPECT_EQ(v.differenzEinheit(rand), QStringLiteral("K"));
    EXPECT_EQ(v.differenzEinheit(0), QStringLiteral("%"));
    const ZellenRaster r = v.raster();
    EXPECT_EQ(r[0][3].text, QStringLiteral("Diff."));
    EXPECT_EQ(r[rand + 1][5].text, differenzText(r2 - r1, QStringLiteral("K")));
    EXPECT_TRUE(r[1][5].text.endsWith(QStringLiteral(" %")));
    EXPECT_TRUE(r[rand + 1][5].zahlFormat.contains(QStringLiteral("\" K\"")));
    // The CSV keeps the unit beside the number.
    EXPECT_TRUE(
        rasterAlsCsv(r, {QLatin1Char(','), QLatin1Char('.')}).contains(QStringLiteral(" K\r\n")));
    // In °F the margin and its difference are in R.
    const calc::Einheiten f = drel::testing::einheitenGewaehlt(0, 0, 1);
    Reihenrechnung inF(*Katalog::get().dm, Katalog::get().stoff, f);
    Vergleich vf;
    vf.rechnen(inF, artikel, p, false);
    EXPECT_EQ(vf.differenzEinheit(rand), QStringLiteral("R"));
    // Both sides rounded to a tenth in their own unit.
    EXPECT_NEAR(vf.differenz(1, rand), 1.8 * (r2 - r1), 0.3);
}

} // namespace
} // namespace drel::sheet
