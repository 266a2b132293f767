// The compressor search on the hand-made catalogue: which articles pass the filters,
// what a result holds, and how the table is sorted and grows.
#include "base/numberformat.h"
#include "chart/grenztest.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "suchfixture.h"

#include <cmath>
#include <random>
#include <set>

namespace drel::search::testing {
namespace {

TypRec nurQn() {
    TypRec t;
    t.RBQN = true;
    return t;
}

using Ids = std::set<qint32>;

class VerdSucheTest : public SuchTest {
protected:
    Ids gefunden() const {
        Ids ids;
        for (int k = 1; k <= ergebnis_.anzahl(); ++k)
            ids.insert(ergebnis_[k].ArtikelID);
        return ids;
    }
};

TEST_F(VerdSucheTest, QnBoxFindsQnTypesFromTheirR404ARecord) {
    suchen(eingabe(nurQn()));
    // Not the 8/4-pole line, not QL, not duplex, never "4/8", no units or sets.
    EXPECT_EQ(gefunden(), (Ids{kQn, kSVersion, kMitBasis, kDreieck}));
    const VdSatz* qn = von(kQn);
    ASSERT_NE(qn, nullptr);
    // The article's third capacity record (pass 3) is the R404A one.
    EXPECT_EQ(qn->Kaeltemittel, "R404A");
    EXPECT_EQ(qn->Durchlauf, 3);
    EXPECT_EQ(qn->Durchlauf2, 3);
    EXPECT_EQ(qn->Typ, "QNX4/200-4");
    EXPECT_EQ(qn->TypUmgekehrt, "QN4/200-4");
    EXPECT_DOUBLE_EQ(qn->Hubvolumen, 10.0);
    EXPECT_DOUBLE_EQ(qn->n, 1450.0);
    EXPECT_EQ(qn->KondIndex, 0);
    EXPECT_GT(qn->Qo, 10.0);
    EXPECT_GT(qn->I, 0.0);
    EXPECT_TRUE(sink_.messages.isEmpty());
}

TEST_F(VerdSucheTest, OtherRefrigerantTakesItsOwnRecord) {
    SuchEingabe e = eingabe(nurQn());
    e.km = KMRec::ausListenEintrag(QStringLiteral("R22"));
    suchen(e);
    ASSERT_NE(von(kQn), nullptr);
    EXPECT_EQ(von(kQn)->Durchlauf, 2);
    // R22 keeps the plain name; the other form carries the X.
    EXPECT_EQ(von(kQn)->Typ, "QN4/200-4");
    EXPECT_EQ(von(kQn)->TypUmgekehrt, "QNX4/200-4");
}

TEST_F(VerdSucheTest, EightFourPoleBoxRule) {
    TypRec t;
    t.RB84 = true;
    t.RBQL = true;
    suchen(eingabe(t));
    EXPECT_EQ(gefunden(), (Ids{kQn84})) << "only group 45, whatever else is ticked";
    t.RBQN = true;
    suchen(eingabe(t));
    EXPECT_EQ(gefunden(), (Ids{kQn, kQn84, kQl, kSVersion, kMitBasis, kDreieck}));
    t.RB84 = false;
    t.RBQN = false;
    suchen(eingabe(t));
    EXPECT_EQ(gefunden(), (Ids{kQl}));
}

TEST_F(VerdSucheTest, DuplexIsListedWithDoubleCapacityPowerAndCurrent) {
    TypRec t = nurQn();
    t.RBEQN = true;
    suchen(eingabe(t));
    const VdSatz* einfach = von(kQn);
    const VdSatz* duplex = von(kDuplex);
    ASSERT_NE(einfach, nullptr);
    ASSERT_NE(duplex, nullptr);
    EXPECT_EQ(duplex->Typ, "DEQNX4/200-4");
    // Both are rounded to 0.05 kW, the duplex after doubling.
    EXPECT_NEAR(duplex->Qo, 2 * einfach->Qo, 0.051);
    EXPECT_DOUBLE_EQ(duplex->P, 2 * einfach->P);
    EXPECT_DOUBLE_EQ(duplex->I, 2 * einfach->I);
    EXPECT_GT(duplex->I, 0.0);
}

TEST_F(VerdSucheTest, TypeTextIsComparedUpperCaseWithoutBlanksAndFirstX) {
    SuchEingabe e = eingabe(nurQn());
    e.typFilter = true;
    Ids vorher;
    for (const char* text : {"QN4/200", "qn 4/200", "QNX4/200", " qnx 4 / 200"}) {
        e.typText = QString::fromLatin1(text);
        suchen(e);
        if (vorher.empty())
            vorher = gefunden();
        EXPECT_EQ(gefunden(), vorher) << text;
    }
    EXPECT_EQ(vorher, (Ids{kQn, kMitBasis}));
    e.typFilter = false; // the text alone does not filter
    suchen(e);
    EXPECT_EQ(gefunden().size(), 4u);
}

TEST_F(VerdSucheTest, BaseArticleSuppliesTheRatingAndTheName) {
    suchen(eingabe(nurQn()));
    const VdSatz* basis = von(kQn);
    const VdSatz* v = von(kMitBasis);
    ASSERT_NE(v, nullptr);
    ASSERT_NE(basis, nullptr);
    EXPECT_DOUBLE_EQ(v->Qo, basis->Qo);
    EXPECT_EQ(v->Kaeltemittel, "R404A");
    EXPECT_EQ(v->BasisArtikel, kQn);
    EXPECT_EQ(v->Typ, "QNX4/200-4");
    // Everything else comes from the article itself, back in its own position.
    EXPECT_EQ(v->TypUmgekehrt, "QN4/200-4 V");
    EXPECT_DOUBLE_EQ(v->Hubvolumen, 60.0);
}

TEST_F(VerdSucheTest, LimitsAndEnvelope) {
    SuchEingabe e = eingabe(nurQn());
    e.punkt.t0 = -26.0; // below every range
    suchen(e);
    EXPECT_EQ(ergebnis_.anzahl(), 0);

    chart::GrenzChart chart;
    e.punkt.t0 = -10.0; // inside the range of the triangle, but above its diagonal
    e.punkt.tc = 45.0;
    suchen(e, &chart);
    EXPECT_EQ(gefunden(), (Ids{kQn, kSVersion, kMitBasis}));
    e.punkt.t0 = 0.0;
    suchen(e, &chart);
    EXPECT_EQ(gefunden().count(kDreieck), 1u);
}

// Each listed margin is that of the record that was rated (the base article's record
// for an article rated with its data), with and without the envelope chart.
TEST_F(VerdSucheTest, MarginOfEachResultIsThatOfItsRatedRecord) {
    SuchEingabe e = eingabe(nurQn());
    e.punkt.t0 = 0.0;
    e.punkt.tc = 45.0;
    chart::GrenzChart chart;
    for (chart::GrenzChart* mitChart : {static_cast<chart::GrenzChart*>(nullptr), &chart}) {
        suchen(e, mitChart);
        ASSERT_EQ(gefunden(), (Ids{kQn, kSVersion, kMitBasis, kDreieck}));
        for (int k = 1; k <= ergebnis_.anzahl(); ++k) {
            const VdSatz& v = ergebnis_[k];
            db::KaeltemittelPositionieren(*dm_, v.Kaeltemittel, v.ArtikelID);
            if (const qint32 basis = db::datenArtikelId(dm_->TBArtikel))
                db::KaeltemittelPositionieren(*dm_, v.Kaeltemittel, basis);
            EXPECT_DOUBLE_EQ(v.Rand, EinsatzRand(*dm_, v.t0, v.tc)) << v.Typ.toStdString();
            EXPECT_DOUBLE_EQ(v.Rand, 10.0) << v.Typ.toStdString(); // to the box's top edge
        }
    }
}

TEST_F(VerdSucheTest, ResultsAscendByRoundedQo) {
    TypRec t = nurQn();
    t.RB84 = true;
    suchen(eingabe(t));
    ASSERT_GE(ergebnis_.anzahl(), 4);
    for (int k = 1; k <= ergebnis_.anzahl(); ++k) {
        const double zwanzigstel = ergebnis_[k].Qo * 20.0;
        EXPECT_NEAR(zwanzigstel, std::round(zwanzigstel), 1e-9);
        if (k > 1) {
            EXPECT_LE(ergebnis_[k - 1].Qo, ergebnis_[k].Qo);
        }
    }
}

TEST_F(VerdSucheTest, UnratableCandidatesAreLeftOutEachFailedCallReportedOnce) {
    SuchEingabe e = eingabe(nurQn());
    e.km = KMRec::ausListenEintrag(QStringLiteral("R999"));
    suchen(e);
    EXPECT_EQ(ergebnis_.anzahl(), 0);
    // Four candidates fail the same property calls; each failed call's text arrives
    // once per search, and the different calls are all shown.
    std::set<QString> texte;
    for (const Message& m : sink_.messages)
        texte.insert(m.text);
    EXPECT_EQ(texte.size(), static_cast<std::size_t>(sink_.messages.size()));
    EXPECT_TRUE(texte.contains(QStringLiteral("Error: dew point pressure")));
    EXPECT_GE(texte.size(), 2u);
    EXPECT_TRUE(std::any_of(texte.begin(), texte.end(), [](const QString& t) {
        return t.startsWith(QStringLiteral("Stoffdatei R999.ref: nicht gefunden in "));
    }));
    // The next search is a new operation: the same texts are shown again, except the
    // missing file, which is named once.
    const auto ersteSuche = sink_.messages.size();
    suchen(e);
    EXPECT_EQ(sink_.messages.size(), 2 * ersteSuche - 1);
}

TEST(Suchergebnis, QoRoundingGoesHalvesToEven) {
    EXPECT_DOUBLE_EQ(qoRunden(12.375), 12.40);
    EXPECT_DOUBLE_EQ(qoRunden(12.325), 12.30);
    EXPECT_DOUBLE_EQ(qoRunden(12.36), 12.35);
}

// Power and current are what their text with two decimals reads back as, whichever the
// decimal separator of the day; halves are decided on the decimal digits.
TEST(Suchergebnis, TwoDecimalsAreWhatTheTextReadsBack) {
    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> verteilung(-200.0, 200.0);
    std::vector<double> werte = {0.125, 2.675, -0.005, -0.004, 1.005, 0.0, -0.0, 1e9 + 0.125};
    for (int k = 0; k < 2000; ++k)
        werte.push_back(verteilung(zufall));
    for (const NumberSeparators& sep : {NumberSeparators::english(), NumberSeparators::german()}) {
        for (double w : werte) {
            double gelesen = 0.0;
            ASSERT_TRUE(parseFloat(formatFloat(u"0.00", w, sep), sep, gelesen));
            EXPECT_EQ(zweiStellen(w), gelesen) << w;
        }
    }
    EXPECT_EQ(zweiStellen(2.675), 2.68) << "2.675 is shown as 2.675 and rounds up";
    EXPECT_FALSE(std::signbit(zweiStellen(-0.004)));
    EXPECT_EQ(zweiStellen(std::nan("")), 0.0);
}

TEST(Suchergebnis, TableGrowsPastFiveHundredAndSortsStably) {
    Suchergebnis tabelle;
    for (int k = 0; k < 1200; ++k) {
        VdSatz& v = tabelle.anhaengen();
        v.Qo = (k * 7919) % 1201;
        v.ArtikelID = k;
        v.Typ = QString::number(k);
    }
    ASSERT_EQ(tabelle.anzahl(), 1200);
    tabelle.nachQoSortieren();
    for (int k = 2; k <= 1200; ++k)
        ASSERT_LE(tabelle[k - 1].Qo, tabelle[k].Qo);
    std::set<qint32> ids;
    for (int k = 1; k <= 1200; ++k) {
        ids.insert(tabelle[k].ArtikelID);
        ASSERT_EQ(tabelle[k].Typ, QString::number(tabelle[k].ArtikelID))
            << "texts stay with their entry";
    }
    EXPECT_EQ(ids.size(), 1200u) << "no entry lost or doubled by the moves";
}

// The selection sort exchanges entries, so equal keys do not keep their order; the
// fast sort must give exactly the order of the plain selection sort, NaN keys too.
TEST(Suchergebnis, SortGivesTheSelectionSortOrderWithItsTies) {
    std::mt19937 zufall(7);
    for (int runde = 0; runde < 40; ++runde) {
        const int n = runde < 4 ? runde : 50 + runde * 7;
        std::vector<std::pair<double, int>> erwartet{{0.0, 0}};
        Suchergebnis tabelle;
        for (int k = 1; k <= n; ++k) {
            const unsigned wurf = zufall() % 12;
            const double qo = wurf == 0 ? std::nan("") : static_cast<double>(wurf % 5) * 0.05;
            tabelle.anhaengen().Qo = qo;
            tabelle[k].ArtikelID = k;
            erwartet.emplace_back(qo, k);
        }
        for (int i = 1; i <= n; ++i) { // the plain selection sort the list is defined by
            int kleinster = i;
            for (int j = i + 1; j <= n; ++j)
                if (erwartet[static_cast<std::size_t>(j)].first <
                    erwartet[static_cast<std::size_t>(kleinster)].first)
                    kleinster = j;
            std::swap(erwartet[static_cast<std::size_t>(i)],
                      erwartet[static_cast<std::size_t>(kleinster)]);
        }
        tabelle.nachQoSortieren();
        for (int k = 1; k <= n; ++k)
            ASSERT_EQ(tabelle[k].ArtikelID, erwartet[static_cast<std::size_t>(k)].second)
                << "entry " << k << " of " << n;
    }
}

TEST(Suchergebnis, RefrigerantSelection) {
    const KMRec km = KMRec::ausListenEintrag(QStringLiteral("R404A, R507"));
    EXPECT_EQ(km.Anzahl, 1);
    EXPECT_EQ(km.Name[0], "R404A");
    EXPECT_TRUE(kaeltemittelPasst(km, QStringLiteral("R 404A")));
    EXPECT_FALSE(kaeltemittelPasst(km, QStringLiteral("R507")));
    EXPECT_FALSE(kaeltemittelPasst(km, QString()));
    EXPECT_TRUE(
        kaeltemittelPasst(KMRec::ausListenEintrag(QStringLiteral("all")), QStringLiteral("R22")));
    EXPECT_EQ(KMRec::ausListenEintrag(QStringLiteral("R134a")).Name[0], "R134a");
}

} // namespace
} // namespace drel::search::testing

namespace drel::search::testing {
namespace {

TEST(TextZeile, FixedColumnsInTheUsersUnits) {
    setNumberSeparators(NumberSeparators::german());
    calc::Einheiten e;
    EXPECT_EQ(textZeile(e, "QNX4/200-4", "R404A", -10, 45, 1450, 12.4),
              "QNX4/200-4        R404A    -10   45  1450     12,40");
    e.klick(calc::EinheitGruppe::Temperatur, 1);
    e.klick(calc::EinheitGruppe::Leistung, 3);
    const QString f = textZeile(e, "A-VERY-LONG-TYPE-NAME-X", "R404A", -10, 45, 960, 1.0);
    EXPECT_EQ(f, "A-VERY-LONG-TYPE-NR404A     14  113   960    859,85");
}

} // namespace
} // namespace drel::search::testing
