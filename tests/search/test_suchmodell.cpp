// The search window's model: box groups, refrigerant list, entry checks, search.ini
// and a whole search from the fields to the preselected row.
#include "chart/grenztest.h"
#include "search/suchmodell.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"
#include "suchfixture.h"

#include <QFile>

namespace drel::search::testing {
namespace {

using B = SuchRec;

class SuchModellTest : public ::testing::Test {
protected:
    void SetUp() override { setNumberSeparators(NumberSeparators::german()); }

    QStringList angehakt() const {
        QStringList namen;
        const char* const alle[] = {"RBQL",       "RBEQL", "RBLV",  "RBW",    "RBWY",   "RBWT",
                                    "verbundtoo", "RBQN",  "RBEQN", "RBCQLL", "RBCQNL", "RBCQLR",
                                    "RBCQNR",     "RBWEY", "rbQNT", "RB84"};
        for (int b = 0; b < B::BoxAnzahl; ++b) {
            if (m_.box(static_cast<Box>(b)))
                namen << QString::fromLatin1(alle[b]);
        }
        return namen;
    }

    calc::Einheiten einheiten_;
    Suchergebnis ergebnis_;
    SuchModell m_{einheiten_, ergebnis_};
};

TEST_F(SuchModellTest, DefaultsAfterTheGroupRule) {
    m_.FormShow(QString());
    EXPECT_EQ(angehakt(), (QStringList{"RBWT", "RBCQLR", "RBCQNR"}));
    EXPECT_TRUE(m_.rbVerdichter);
    EXPECT_EQ(m_.KMListe, (QStringList{"R22", "R410A", "R404A, R507"}));
    EXPECT_EQ(m_.kaeltemittel(), "R22");
    EXPECT_TRUE(m_.Panel4) << "WT shows the speed group";
    EXPECT_FALSE(m_.Panel3);
    EXPECT_EQ(m_.SpinNMin, 500);
    EXPECT_EQ(m_.t0, "-10");
    EXPECT_EQ(m_.Q0, "10");
    EXPECT_TRUE(m_.chkq0);
    // The record the defaults write equals the default record.
    EXPECT_EQ(m_.rohdaten(), SuchRec{}.schreiben());
}

TEST_F(SuchModellTest, TickingWUnticksQlAndSwitchesToSpeed) {
    m_.boxSetzen(B::RBQL, true);
    EXPECT_FALSE(m_.box(B::RBWT));
    EXPECT_TRUE(m_.Panel3);
    EXPECT_FALSE(m_.Panel4);
    EXPECT_EQ(m_.SpinN, 1450);
    m_.boxSetzen(B::RBW, true);
    EXPECT_FALSE(m_.box(B::RBQL));
    EXPECT_TRUE(m_.Panel4);
    EXPECT_FALSE(m_.Panel3);
    EXPECT_EQ(m_.KMListe, (QStringList{"R134a", "R407C", "R22", "R404A, R507", "R717"}));
    // QN and QL share a group.
    m_.boxSetzen(B::RBQN, true);
    m_.boxSetzen(B::RBQL, true);
    EXPECT_TRUE(m_.box(B::RBQN));
    EXPECT_FALSE(m_.box(B::RBW));
    // Today's refrigerants follow the others, so that a stored index keeps its entry.
    EXPECT_EQ(m_.KMListe, (QStringList{"R134a", "R407C", "R22", "R410A", "R404A, R507", "R744",
                                       "R448A", "R449A", "R454C", "R455A", "R32"}));
    // The duplex series carry the replacements of R134a.
    m_.boxSetzen(B::RBEQN, true);
    EXPECT_EQ(m_.KMListe.mid(m_.KMListe.size() - 3),
              (QStringList{"R513A", "R1234ze(E)", "R1234yf"}));
}

TEST_F(SuchModellTest, UnitModeWithAirCooledUnits) {
    m_.rbVerdichterClick(false);
    m_.boxSetzen(B::RBCQNL, true);
    EXPECT_FALSE(m_.box(B::RBCQNR));
    EXPECT_FALSE(m_.box(B::RBCQLR));
    EXPECT_EQ(m_.KMListe, (QStringList{"R134a", "R407C", "R22", "R404A, R507", "R448A", "R449A",
                                       "R454C", "R455A"}));
    EXPECT_TRUE(m_.Label8);
    EXPECT_FALSE(m_.Label7);
    EXPECT_FALSE(m_.RBWEnabled);
    m_.boxSetzen(B::RBWEY, true);
    EXPECT_FALSE(m_.box(B::RBCQNL));
    EXPECT_TRUE(m_.Label7);
    EXPECT_TRUE(m_.Panel4);
    m_.SpinNEingabe(300);
    EXPECT_EQ(m_.SpinN, 500);
}

TEST_F(SuchModellTest, RememberedRefrigerantSurvivesModeChanges) {
    m_.boxSetzen(B::RBQN, true);
    m_.KMListeClick(static_cast<int>(m_.KMListe.indexOf("R134a")));
    m_.rbVerdichterClick(false);
    EXPECT_EQ(m_.kaeltemittel(), "R134a"); // CQNR offers it
    m_.rbVerdichterClick(true);
    EXPECT_EQ(m_.kaeltemittel(), "R134a");
}

TEST_F(SuchModellTest, LowCondensingTemperatureWarning) {
    m_.boxSetzen(B::RBQN, true);
    m_.tc = QStringLiteral("15");
    m_.tcChange();
    EXPECT_TRUE(m_.Panel10);
    m_.KMListeClick(static_cast<int>(m_.KMListe.indexOf("R744")));
    EXPECT_FALSE(m_.Panel10);
    m_.rbVerdichterClick(false);
    m_.boxSetzen(B::RBCQNL, true); // the field is the air inlet temperature now
    EXPECT_FALSE(m_.Panel10);
}

TEST_F(SuchModellTest, EntryChecksReplaceValuesOutsideTheBounds) {
    auto pruefe = [this](Feld f, const char* eingabe) {
        m_.text(f) = QString::fromLatin1(eingabe);
        m_.feldVerlassen(f);
        return m_.text(f);
    };
    EXPECT_EQ(pruefe(Feld::tc, "130"), "120");
    EXPECT_EQ(pruefe(Feld::t0, "-300"), "-273");
    EXPECT_EQ(pruefe(Feld::t0, "-273,5"), "-273");
    EXPECT_EQ(pruefe(Feld::ts, "41"), "40");
    EXPECT_EQ(pruefe(Feld::Q0, "-5"), "0");
    EXPECT_EQ(pruefe(Feld::Q0, "1001"), "1000");
    EXPECT_EQ(pruefe(Feld::dtu, "50,5"), "50");
    EXPECT_EQ(pruefe(Feld::dtu, "-0,5"), "0");
    // These compare the whole-number value, which a decimal text does not have.
    EXPECT_EQ(pruefe(Feld::tc, "130,5"), "130,5");
    EXPECT_EQ(pruefe(Feld::Q0, "1000,5"), "1000,5");

    einheiten_.klick(calc::EinheitGruppe::Temperatur, 1);
    EXPECT_EQ(pruefe(Feld::tc, "250"), "248");
    EXPECT_EQ(pruefe(Feld::dtu, "91"), "90");
    einheiten_.klick(calc::EinheitGruppe::Leistung, 2); // ton
    EXPECT_EQ(pruefe(Feld::Q0, "300"), "284,6");
}

TEST_F(SuchModellTest, SpinButtons) {
    m_.Q0 = QStringLiteral("0,5");
    m_.spin(Feld::Q0, false);
    EXPECT_EQ(m_.Q0, "0");
    m_.spin(Feld::Q0, false);
    EXPECT_EQ(m_.Q0, "0");
    m_.t0 = QStringLiteral("abc");
    m_.spin(Feld::t0, true);
    EXPECT_EQ(m_.t0, "11");
    m_.tc = QStringLiteral("120");
    m_.spin(Feld::tc, true);
    EXPECT_EQ(m_.tc, "120");
}

TEST_F(SuchModellTest, KeysInTheCapacityField) {
    m_.Q0 = QStringLiteral("12");
    EXPECT_TRUE(m_.q0TasteErlaubt(QLatin1Char('5')));
    EXPECT_TRUE(m_.q0TasteErlaubt(QLatin1Char(',')));
    EXPECT_FALSE(m_.q0TasteErlaubt(QLatin1Char('.')));
    EXPECT_TRUE(m_.q0TasteErlaubt(QLatin1Char('a')));
    m_.Q0 = QStringLiteral("12,5");
    EXPECT_FALSE(m_.q0TasteErlaubt(QLatin1Char(',')));
}

TEST_F(SuchModellTest, CapacityAndTypeBoxesExcludeEachOther) {
    m_.chktypClick(true);
    EXPECT_FALSE(m_.chkq0);
    EXPECT_TRUE(m_.vTypSichtbar);
    EXPECT_FALSE(m_.Q0Sichtbar);
    m_.chktypClick(false);
    EXPECT_TRUE(m_.chkq0);
    EXPECT_FALSE(m_.vTypSichtbar);
}

class SuchModellMitKatalog : public SuchTest {
protected:
    void SetUp() override {
        SuchTest::SetUp();
        ini_ = dir_.path() + "/search.ini";
        aggregate_ = AggErstellen(*dm_);
        kond_ = KondErstellen(*dm_);
    }
    void ok(SuchModell& m) {
        SuchDienste d{*dm_, stoff_, &chart_, &aggregate_, &kond_};
        m.OKBtnClick(ini_, d);
    }

    QString ini_;
    chart::GrenzChart chart_;
    AggListe aggregate_;
    db::LukoTabelle kond_;
};

TEST_F(SuchModellMitKatalog, SearchListsQnTypesAndPreselectsTheFirstReachingQ0) {
    SuchModell m(einheiten_, ergebnis_);
    m.FormShow(ini_);
    m.boxSetzen(B::RBQN, true);
    m.KMListeClick(static_cast<int>(m.KMListe.indexOf("R404A, R507")));
    m.Q0 = QStringLiteral("20");
    ok(m);
    EXPECT_TRUE(m.Panel1);
    EXPECT_EQ(m.KopfQo, "Qo   kW");
    const ErgebnisListe& l = m.liste();
    ASSERT_GE(l.RowCount(), 3);
    for (int row = 1; row < l.RowCount(); ++row)
        EXPECT_TRUE(l.zelle(0, row).startsWith("QNX")) << l.zelle(0, row).toStdString();
    const double gewaehlt = floatOrZero(l.zelle(1, l.Row()));
    EXPECT_GE(gewaehlt, 20.0);
    if (l.Row() > 1) {
        EXPECT_LT(floatOrZero(l.zelle(1, l.Row() - 1)), 20.0);
    }
    EXPECT_FALSE(l.Panel8());
    EXPECT_FALSE(programmschalter().LukoModus);
    EXPECT_DOUBLE_EQ(betriebspunkt().tc, 45.0);
    DatenblattAuftrag d;
    ASSERT_TRUE(m.datenblatt(*dm_, d));
    EXPECT_EQ(d.typ, l.zelle(0, l.Row()));
}

TEST_F(SuchModellMitKatalog, UnitSearchFromTheModel) {
    SuchModell m(einheiten_, ergebnis_);
    m.FormShow(ini_);
    m.rbVerdichterClick(false);
    m.boxSetzen(B::RBCQNL, true);
    m.KMListeClick(static_cast<int>(m.KMListe.indexOf("R404A, R507")));
    m.tc = QStringLiteral("32");
    m.Q0 = QStringLiteral("15");
    ok(m);
    EXPECT_EQ(m.liste().zelle(0, 1), "CQNX4/200-4L");
    EXPECT_EQ(m.liste().RowCount(), 2);
    EXPECT_TRUE(programmschalter().LukoModus);
    EXPECT_DOUBLE_EQ(betriebspunkt().tle, 32.0);
}

TEST_F(SuchModellMitKatalog, SearchIniRoundTripKeepsTheLanguageBytes) {
    QByteArray roh = SuchRec{}.schreiben();
    SuchRec::spracheEinsetzen(roh, QStringLiteral("Fr"), 3, QStringLiteral("Fr"));
    roh[287] = '\x5a'; // padding the search never touches
    {
        QFile f(ini_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(roh);
    }
    SuchModell a(einheiten_, ergebnis_);
    a.FormShow(ini_);
    a.boxSetzen(B::RBQN, true);
    a.boxSetzen(B::RB84, true);
    a.KMListeClick(static_cast<int>(a.KMListe.indexOf("R744")));
    a.t0 = QStringLiteral("-12,5");
    a.tc = QStringLiteral("40");
    a.ts = QStringLiteral("10");
    a.dtu = QStringLiteral("3");
    a.Q0 = QStringLiteral("7,5");
    a.vTyp = QStringLiteral("qn4");
    a.rb50HzClick(true);
    ok(a);

    QFile f(ini_);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray geschrieben = f.readAll();
    ASSERT_EQ(geschrieben.size(), SuchRec::Groesse);
    EXPECT_EQ(geschrieben.mid(256), roh.mid(256));

    SuchModell b(einheiten_, ergebnis_);
    b.FormShow(ini_);
    EXPECT_TRUE(b.box(B::RBQN));
    EXPECT_TRUE(b.box(B::RB84));
    EXPECT_FALSE(b.box(B::RBWT));
    EXPECT_EQ(b.kaeltemittel(), "R744");
    EXPECT_EQ(b.t0, "-12,5");
    EXPECT_EQ(b.tc, "40");
    EXPECT_EQ(b.ts, "10");
    EXPECT_EQ(b.dtu, "3");
    EXPECT_EQ(b.Q0, "7,5");
    EXPECT_EQ(b.vTyp, "qn4");
    EXPECT_TRUE(b.rb60Hz);
    EXPECT_TRUE(b.rbVerdichter);
}

TEST_F(SuchModellMitKatalog, UnreadableNumbersInSearchIniAreReplaced) {
    SuchRec r;
    r.t0 = QStringLiteral("abc");
    r.tc = QStringLiteral("x");
    r.q0 = QString();
    r.modus = 1;
    r.boxen = {};
    r.setBox(B::RBCQNL, true);
    r.kaeltemittel = {};
    r.kaeltemittel[2] = true;
    {
        QFile f(ini_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(r.schreiben());
    }
    SuchModell m(einheiten_, ergebnis_);
    m.FormShow(ini_);
    EXPECT_EQ(m.t0, "10");
    EXPECT_EQ(m.tc, "45");
    EXPECT_EQ(m.Q0, "0");
    EXPECT_TRUE(m.rbSatz);
    EXPECT_EQ(m.kaeltemittel(), "R22") << "item 3 of the list of the stored boxes";
    EXPECT_TRUE(m.Label8);
}

TEST_F(SuchModellMitKatalog, FahrenheitFieldsAreStoredInCelsius) {
    einheiten_.klick(calc::EinheitGruppe::Temperatur, 1);
    SuchModell m(einheiten_, ergebnis_);
    m.FormShow(ini_);
    m.boxSetzen(B::RBQN, true);
    m.t0 = QStringLiteral("14");
    m.tc = QStringLiteral("113");
    m.dtu = QStringLiteral("9");
    ok(m);
    EXPECT_EQ(m.rec().t0, "-10");
    EXPECT_EQ(m.rec().tc, "45");
    EXPECT_EQ(m.rec().dtu, "5");
    EXPECT_DOUBLE_EQ(m.eingabe().punkt.t0, -10.0);
    SuchModell b(einheiten_, ergebnis_);
    b.FormShow(ini_);
    EXPECT_EQ(b.t0, "14");
    EXPECT_EQ(b.tc, "113");
}

// A suction gas colder than the evaporating refrigerant is refused before any
// rating; equal temperatures are a valid point.
TEST_F(SuchModellMitKatalog, SuctionGasBelowT0IsRefusedEqualIsAccepted) {
    RecordingSink sink;
    ScopedMessageSink guard(&sink);
    SuchModell m(einheiten_, ergebnis_);
    m.FormShow(ini_);
    m.boxSetzen(B::RBQN, true);
    m.KMListeClick(static_cast<int>(m.KMListe.indexOf("R404A, R507")));
    m.t0 = QStringLiteral("-10");
    m.ts = QStringLiteral("-10,5");
    SuchDienste d{*dm_, stoff_, &chart_, &aggregate_, &kond_};
    EXPECT_FALSE(m.OKBtnClick(ini_, d));
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_EQ(sink.messages.front().text,
              "Die Sauggastemperatur darf nicht unter der Verdampfungstemperatur liegen.");
    EXPECT_EQ(m.ergebnis().anzahl(), 0);
    EXPECT_TRUE(m.liste().zelle(0, 1).isEmpty());

    m.ts = QStringLiteral("-10");
    EXPECT_TRUE(m.OKBtnClick(ini_, d));
    EXPECT_EQ(sink.messages.size(), 1);
    EXPECT_GT(m.ergebnis().anzahl(), 0);
}

// The S versions disappear from -20 °C down, also when the field shows °F
// (-4 °F is -20 °C; -3 °F is above it).
TEST_F(SuchModellMitKatalog, SVersionRuleComparesInCelsius) {
    auto sVersionGelistet = [&](const char* t0) {
        SuchModell m(einheiten_, ergebnis_);
        m.FormShow(ini_);
        m.boxSetzen(B::RBQN, true);
        m.KMListeClick(static_cast<int>(m.KMListe.indexOf("R404A, R507")));
        m.t0 = QString::fromLatin1(t0);
        if (einheiten_.index(calc::EinheitGruppe::Temperatur) == 1) {
            m.tc = QStringLiteral("113");
            m.ts = QStringLiteral("68");
        }
        ok(m);
        bool gelistet = false;
        for (int row = 1; row < m.liste().RowCount(); ++row)
            gelistet = gelistet || m.liste().zelle(0, row).startsWith("QNX6/300-4 S");
        return gelistet;
    };
    EXPECT_TRUE(sVersionGelistet("-19"));
    EXPECT_FALSE(sVersionGelistet("-20"));
    einheiten_.klick(calc::EinheitGruppe::Temperatur, 1);
    EXPECT_TRUE(sVersionGelistet("-3"));
    EXPECT_FALSE(sVersionGelistet("-4"));
}

} // namespace
} // namespace drel::search::testing
