#include "state/suchrec.h"
#include "tests/support/testumgebung.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <utility>

namespace drel {
namespace {

using test::fixture;

// A record in which every field differs from its default.
SuchRec alleFelderGesetzt() {
    SuchRec rec;
    rec.modus = 1;
    rec.kaeltemittel = {false, true, false, false, true, false, false, false, false, true};
    rec.tc = QStringLiteral("35");
    rec.t0 = QStringLiteral("-25,5");
    rec.chkq0 = false;
    rec.q0 = QStringLiteral("12,5");
    rec.vTyp = QStringLiteral("QL4 Ä€");
    rec.boxen = {true,  false, true,  true,  false, false, true,  true,
                 false, true,  false, false, true,  true,  false, true};
    rec.ts = QStringLiteral("15");
    rec.dtu = QStringLiteral("2");
    rec.rb60Hz = true;
    rec.spinN = 1740;
    rec.kurzCode = QStringLiteral("En");
    rec.sprachNummer = 2;
    rec.code = QStringLiteral("En");
    return rec;
}

QByteArray kurzString(const QByteArray& record, int offset) {
    return record.mid(offset + 1, static_cast<unsigned char>(record[offset]));
}

TEST(SuchRec, ReadsEveryFieldOfARecordWrittenElsewhere) {
    const QByteArray daten = fixture("search_en.ini");
    ASSERT_EQ(daten.size(), SuchRec::Groesse);
    EXPECT_EQ(SuchRec::lesen(daten), alleFelderGesetzt());
}

TEST(SuchRec, WriteThenReadKeepsEveryField) {
    const SuchRec rec = alleFelderGesetzt();
    const QByteArray daten = rec.schreiben();
    ASSERT_EQ(daten.size(), SuchRec::Groesse);
    EXPECT_EQ(SuchRec::lesen(daten), rec);
    // The external record and ours agree byte for byte on every used byte of each field.
    const QByteArray fremd = fixture("search_en.ini");
    EXPECT_EQ(daten.left(44), fremd.left(44));
    EXPECT_EQ(kurzString(daten, 139), kurzString(fremd, 139));
    EXPECT_EQ(daten.mid(170, 16), fremd.mid(170, 16));
    EXPECT_EQ(daten.mid(248, 1), fremd.mid(248, 1));
    EXPECT_EQ(daten.mid(252, 4), fremd.mid(252, 4));
    EXPECT_EQ(daten.mid(288, 4), fremd.mid(288, 4));
    EXPECT_EQ(daten[138], '\0');
}

TEST(SuchRec, DefaultRecordLayout) {
    const QByteArray d = SuchRec::defaults().schreiben();
    EXPECT_EQ(qFromLittleEndian<qint32>(d.constData() + 0), 0);
    EXPECT_EQ(qFromLittleEndian<qint32>(d.constData() + 4), 1); // first refrigerant
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(qFromLittleEndian<qint32>(d.constData() + 4 + 4 * i), 0) << i;
    EXPECT_EQ(kurzString(d, 44), "45");
    EXPECT_EQ(kurzString(d, 75), "-10");
    EXPECT_EQ(d[106], 1);
    EXPECT_EQ(kurzString(d, 107), "10");
    EXPECT_EQ(kurzString(d, 139), "");
    // Only WT among the compressors, CQL and CQN with receiver among the units.
    const QByteArray boxen = d.mid(170, 16);
    EXPECT_EQ(boxen, QByteArray::fromHex("00000000000100000000000101000000"));
    EXPECT_EQ(kurzString(d, 186), "20");
    EXPECT_EQ(kurzString(d, 217), "0");
    EXPECT_EQ(d[248], 0);
    EXPECT_EQ(qFromLittleEndian<qint32>(d.constData() + 252), 1450);
    EXPECT_EQ(kurzString(d, 256), "De");
    EXPECT_EQ(qFromLittleEndian<qint32>(d.constData() + 288), 1);
    EXPECT_EQ(kurzString(d, 292), "De");
}

TEST(SuchRec, TextIsCutToTheFieldAndUnknownCharactersBecomeQuestionMarks) {
    SuchRec rec;
    rec.vTyp = QString(40, QLatin1Char('x'));
    rec.ts = QStringLiteral("Ω5");
    const QByteArray daten = rec.schreiben();
    EXPECT_EQ(static_cast<unsigned char>(daten[139]), 30);
    EXPECT_EQ(daten[170], '\0') << "the text ran into the next field";
    const SuchRec gelesen = SuchRec::lesen(daten);
    EXPECT_EQ(gelesen.vTyp, QString(30, QLatin1Char('x')));
    EXPECT_EQ(gelesen.ts, QStringLiteral("?5"));
}

TEST(SuchRec, UnsafeRecordsAreReadWithinTheirBounds) {
    QByteArray daten = fixture("search_en.ini");
    // A length byte above 30 reads no further than the field.
    daten[139] = static_cast<char>(200);
    EXPECT_EQ(SuchRec::lesen(daten).vTyp.size(), 30);
    // A length byte at the end of short data reads no further than the data.
    EXPECT_EQ(SuchRec::kurzStringLesen(QByteArrayView("\x1e"
                                                      "abcd",
                                                      5),
                                       0),
              QStringLiteral("abcd"));
    EXPECT_EQ(SuchRec::kurzStringLesen(QByteArrayView("ab", 2), 5), QString());

    // Numbers out of their range keep the default; only a flag of 1 selects.
    qToLittleEndian<qint32>(7, daten.data() + 0);
    qToLittleEndian<qint32>(2, daten.data() + 4);
    const SuchRec rec = SuchRec::lesen(daten);
    EXPECT_EQ(rec.modus, 0);
    EXPECT_FALSE(rec.kaeltemittel[0]);

    QByteArray kurz(100, 'x');
    SuchRec::spracheEinsetzen(kurz, QStringLiteral("Ru"), 7, QStringLiteral("Ru"));
    EXPECT_EQ(kurz, QByteArray(100, 'x')) << "a record too short for the fields is left alone";
}

TEST(SuchRec, ShortRecordKeepsDefaultsForMissingFields) {
    const QByteArray daten = fixture("search_en.ini");
    // Ends inside the t0 field: mode, refrigerants and tc are read, the rest stays.
    const SuchRec rec = SuchRec::lesen(daten.left(80));
    EXPECT_EQ(rec.modus, 1);
    EXPECT_TRUE(rec.kaeltemittel[1]);
    EXPECT_EQ(rec.tc, QStringLiteral("35"));
    EXPECT_EQ(rec.t0, QStringLiteral("-10"));
    EXPECT_EQ(rec.spinN, 1450);
    EXPECT_EQ(rec.code, QStringLiteral("De"));
    EXPECT_EQ(SuchRec::lesen(QByteArrayView()), SuchRec::defaults());
}

} // namespace
// The margin column lives in two alignment bytes after rb60Hz: a mark and the switch.
TEST(SuchRec, MarginColumnIsKeptInTheAlignmentBytes) {
    SuchRec rec = alleFelderGesetzt();
    EXPECT_FALSE(rec.randSpalte);
    // Off, the bytes stay 0 as older versions write them.
    QByteArray aus = rec.schreiben();
    EXPECT_EQ(aus.mid(249, 2), QByteArray(2, '\0'));
    rec.randSpalte = true;
    const QByteArray an = rec.schreiben();
    EXPECT_EQ(an.size(), SuchRec::Groesse);
    EXPECT_TRUE(SuchRec::lesen(an).randSpalte);
    EXPECT_EQ(SuchRec::lesen(an), rec);
    // Nothing else moved.
    aus[249] = an[249];
    aus[250] = an[250];
    EXPECT_EQ(aus, an);
    // A file written elsewhere has stray bytes there: the column stays off, as it does
    // without the mark, with another value than 1, or when the record ends before.
    EXPECT_FALSE(SuchRec::lesen(fixture("search_en.ini")).randSpalte);
    for (const auto& [marke, wert] : {std::pair{'\0', '\1'}, {'M', '\2'}, {'N', '\1'}}) {
        QByteArray d = an;
        d[249] = marke;
        d[250] = wert;
        EXPECT_FALSE(SuchRec::lesen(d).randSpalte) << int(marke) << " " << int(wert);
    }
    EXPECT_FALSE(SuchRec::lesen(an.left(250)).randSpalte);
    EXPECT_TRUE(SuchRec::lesen(an.left(251)).randSpalte);
}

} // namespace drel
