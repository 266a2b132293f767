#include "buildfixture.h"
#include "dbbuild/exportleser.h"
#include "dbbuild/wertebereiche.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <utility>

using namespace drel;
using namespace drel::db;
using namespace drel::dbbuild;
using drel::testing::buildData;

namespace {

ZuordnungEintrag eintrag(int code, int size = 0) {
    return {QStringLiteral("F"), code, size, {}};
}

Value conv(int code, const char* text, int size = 0) {
    return wertUmwandeln(eintrag(code, size), QString::fromUtf8(text));
}

const BauSchritt& schritt(const char* tabelle) {
    static const std::vector<BauSchritt> schritte = dbZuordnungErstellen();
    for (const BauSchritt& s : schritte) {
        if (s.definition.name == QLatin1String(tabelle))
            return s;
    }
    throw std::runtime_error(tabelle);
}

std::vector<Row> lesen(const QString& datei, const char* tabelle) {
    std::vector<Row> rows;
    exportDateiLesen(datei, schritt(tabelle).zuordnung, [&](const Row& r) { rows.push_back(r); });
    return rows;
}

std::vector<Row> lesenAusText(const QByteArray& xml, const char* tabelle) {
    std::vector<Row> rows;
    exportLesen(xml, QStringLiteral("test.xml"), schritt(tabelle).zuordnung,
                [&](const Row& r) { rows.push_back(r); });
    return rows;
}

QString fehlerVon(const QByteArray& xml) {
    try {
        lesenAusText(xml, "Motors");
    } catch (const DbError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

class Conversions : public ::testing::Test {
protected:
    void SetUp() override { setNumberSeparators(NumberSeparators::german()); }
    void TearDown() override { setNumberSeparators(NumberSeparators::german()); }
};

} // namespace

TEST_F(Conversions, IntegerCode2) {
    EXPECT_EQ(conv(kTypInt, "42"), Value(qint32{42}));
    EXPECT_EQ(conv(kTypInt, " +7 "), Value(qint32{7}));
    EXPECT_EQ(conv(kTypInt, "-7"), Value(qint32{-7}));
    EXPECT_TRUE(isNull(conv(kTypInt, "4.2")));
    EXPECT_TRUE(isNull(conv(kTypInt, "abc")));
    EXPECT_TRUE(isNull(conv(kTypInt, "")));
    EXPECT_TRUE(isNull(conv(kTypInt, "99999999999")));
}

// Exports of machines with either decimal separator read the same on every machine.
TEST_F(Conversions, FloatCode3ReadsPointAndCommaOnEveryLocale) {
    for (const NumberSeparators& sep : {NumberSeparators::german(), NumberSeparators::english()}) {
        setNumberSeparators(sep);
        EXPECT_EQ(conv(kTypFloat, "29.77"), Value(29.77));
        EXPECT_EQ(conv(kTypFloat, "29,77"), Value(29.77));
        EXPECT_EQ(conv(kTypFloat, "-0.0001"), Value(-0.0001));
        EXPECT_EQ(conv(kTypFloat, " 1.25e3 "), Value(1250.0));
        EXPECT_EQ(conv(kTypFloat, "1,234"), Value(1.234)); // no thousands grouping
        EXPECT_EQ(conv(kTypFloat, "5."), Value(5.0));
        EXPECT_EQ(conv(kTypFloat, ",5"), Value(0.5));
    }
    for (const char* keineZahl : {"1.2.3", "1.234,5", "n/a", "NaN", "inf", "-Infinity", "0x10",
                                  "1e", "e5", ".", "1 2", "--1"})
        EXPECT_FALSE(exportGleitzahl(QString::fromUtf8(keineZahl))) << keineZahl;
    EXPECT_EQ(exportGleitzahl(u"1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(exportGleitzahl(u"1e-999"), 0.0);
}

// The range check sits exactly at the bounds of the table of field kinds.
TEST_F(Conversions, PlausibleRangesPerFieldKind) {
    auto grund = [](const char* feld, const char* text) {
        QString g;
        wertLesen({QString::fromUtf8(feld), kTypFloat, 0, {}}, QString::fromUtf8(text), g);
        return g;
    };
    EXPECT_TRUE(grund("KoordBlau3to", "-150").isEmpty());
    EXPECT_TRUE(grund("KoordRot10tc", "250").isEmpty());
    EXPECT_FALSE(grund("KoordRot10tc", "250.001").isEmpty());
    EXPECT_FALSE(grund("KoordStrich1to", "-150.5").isEmpty());
    EXPECT_TRUE(grund("Kaelteleistung7", "-1e6").isEmpty());
    EXPECT_FALSE(grund("KaelteLeistung7", "-1000000.1").isEmpty());
    EXPECT_FALSE(grund("Antriebsleistung1", "1e308").isEmpty());
    EXPECT_TRUE(grund("ElektrStrom4", "1e6").isEmpty());
    EXPECT_FALSE(grund("Hubvolumen", "-1").isEmpty());
    EXPECT_TRUE(grund("Hubvolumen", "0").isEmpty());
    EXPECT_TRUE(grund("Hubvolumen", "").isEmpty()); // empty is null, not an error
    EXPECT_TRUE(wertebereichFuer(QStringLiteral("Kaelteleistung10")).pflicht);
    EXPECT_FALSE(wertebereichFuer(QStringLiteral("Sauggaswert")).pflicht);
}

TEST_F(Conversions, TimestampCode5) {
    EXPECT_EQ(conv(kTypZeitpunkt, "2006-05-31T14:07:09"),
              Value(QDateTime(QDate(2006, 5, 31), QTime(14, 7, 9))));
    // Characters after the seconds are not read.
    EXPECT_EQ(conv(kTypZeitpunkt, "2006-05-31T14:07:09.997+02:00"),
              Value(QDateTime(QDate(2006, 5, 31), QTime(14, 7, 9))));
    EXPECT_TRUE(isNull(conv(kTypZeitpunkt, "2006-05-31")));
    EXPECT_TRUE(isNull(conv(kTypZeitpunkt, "2006-13-31T14:07:09")));
    EXPECT_TRUE(isNull(conv(kTypZeitpunkt, "2006-05-31T25:07:09")));
    EXPECT_TRUE(isNull(conv(kTypZeitpunkt, "2006-0x-31T14:07:09")));
}

TEST_F(Conversions, BoolCode6OnlyTrueInAnyCase) {
    EXPECT_EQ(conv(kTypBool, "true"), Value(true));
    EXPECT_EQ(conv(kTypBool, "TrUe"), Value(true));
    EXPECT_EQ(conv(kTypBool, "true "), Value(false));
    EXPECT_EQ(conv(kTypBool, "1"), Value(false));
    EXPECT_EQ(conv(kTypBool, ""), Value(false));
}

TEST_F(Conversions, TextCodes1And4AreCutToTheirSize) {
    EXPECT_EQ(conv(kTypText, "  Text ", 10), Value(QStringLiteral("  Text ")));
    EXPECT_EQ(conv(kTypText, "A10011", 5), Value(QStringLiteral("A1001")));
    // A surrogate pair at the limit is not split.
    EXPECT_EQ(conv(kTypText, "ab\xF0\x9F\x98\x80", 3), Value(QStringLiteral("ab")));
    const QByteArray lang(2500, 'x');
    EXPECT_EQ(std::get<QString>(conv(kTypLangText, lang.constData(), 10)).size(), 2000);
}

TEST_F(Conversions, FirstRunOfDigits) {
    EXPECT_EQ(ersteZiffernfolge(QStringLiteral("W16-100")), "16");
    EXPECT_EQ(ersteZiffernfolge(QStringLiteral("2 NH3")), "2");
    EXPECT_EQ(ersteZiffernfolge(QStringLiteral("ohne")), "");
}

TEST_F(Conversions, ArticleRewrites) {
    const auto rows = lesen(buildData("einzeln/articles_rewrites.xml"), "Articles");
    ASSERT_EQ(rows.size(), 5u); // the schema child and the comment are no records
    auto feld = [&](size_t row, int pos) { return rows[row][static_cast<size_t>(pos)]; };
    // Group 51: " NH3" appended, and BaugroesseN sees the changed text.
    EXPECT_EQ(feld(0, 0), Value(qint32{1})); // <id> matched without regard to case
    EXPECT_EQ(feld(0, 2), Value(qint32{51}));
    EXPECT_EQ(feld(0, 17), Value(QStringLiteral("2 NH3")));
    EXPECT_EQ(feld(0, 24), Value(qint32{2}));
    EXPECT_TRUE(isNull(feld(0, 8))); // no Description1 element
    // Group 63 with a namespace prefix on the element.
    EXPECT_EQ(feld(1, 17), Value(QStringLiteral("S66 b12 NH3")));
    EXPECT_EQ(feld(1, 24), Value(qint32{66}));
    // Group 23: cut before the last blank only when the group came first.
    EXPECT_EQ(feld(2, 8), Value(QStringLiteral("W16/100")));
    EXPECT_EQ(feld(3, 8), Value(QStringLiteral("W16/100 ABC")));
    // Group 26 without a blank stays whole; a size without digits leaves BaugroesseN empty.
    EXPECT_EQ(feld(4, 8), Value(QStringLiteral("Ohneblank")));
    EXPECT_EQ(feld(4, 17), Value(QStringLiteral("ohne Ziffern")));
    EXPECT_TRUE(isNull(feld(4, 24)));
}

// Integer fields refuse what they cannot hold, also after a rewrite.
TEST_F(Conversions, ArticleIntegersThatAreNoNumbersStopTheRead) {
    auto fehler = [](const QByteArray& felder) {
        try {
            lesenAusText("<R><S/><T><ID>6</ID>" + felder + "</T></R>", "Articles");
        } catch (const DbError& e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_TRUE(fehler("<ProductGroupID>keine</ProductGroupID>").contains("Feld Produktgruppe"));
    EXPECT_TRUE(fehler("<Size>99999999999 x</Size>").contains("Feld BaugroesseN"));
    EXPECT_TRUE(fehler("<ProductGroupID></ProductGroupID><Size>x</Size>").isEmpty());
}

TEST_F(Conversions, LongDesignationIsCutBeforeTheLastBlankOfTheWholeText) {
    // 212 characters: the last blank lies far past what a 50-character field keeps, so
    // it must be found in the whole text, not in a text shortened for the field first.
    const auto rows = lesen(buildData("einzeln/articles_long_designation.xml"), "Articles");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][8], Value(QStringLiteral("WT16/120 ") + QString(41, QLatin1Char('x'))));
}

TEST_F(Conversions, VoltageUpperCaseSBecomesY) {
    const auto rows = lesen(buildData("einzeln/motors_voltage.xml"), "Motors");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][2], Value(QStringLiteral("380-420V Y")));
    EXPECT_EQ(rows[1][2], Value(QStringLiteral("Ys")));
    EXPECT_TRUE(isNull(rows[1][0])); // missing element leaves the field empty
    EXPECT_EQ(rows[1][1], Value(QStringLiteral("ohne ID")));
}

TEST(ExportLesen, RootWithOnlyTheSchemaGivesNoRows) {
    EXPECT_TRUE(lesen(buildData("einzeln/only_schema.xml"), "Motors").empty());
}

TEST(ExportLesen, BrokenInputGivesAClearMessage) {
    try {
        lesen(buildData("einzeln/broken.xml"), "Motors");
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().startsWith("broken.xml: ")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("Zeile 4")) << e.message().toStdString();
    }
    EXPECT_TRUE(lesen(buildData("einzeln/empty_root.xml"), "Motors").empty());
    EXPECT_TRUE(lesenAusText("<NewDataSet/>", "Motors").empty());
    EXPECT_TRUE(fehlerVon("").contains("test.xml"));
    EXPECT_TRUE(
        fehlerVon("<?xml version=\"1.0\"?><!-- nur ein Kommentar -->").contains("test.xml"));
    EXPECT_TRUE(fehlerVon("\xff\xfe\x00<").contains("test.xml"));
    EXPECT_THROW(lesen(buildData("einzeln/fehlt.xml"), "Motors"), DbError);
}

TEST(ExportLesen, DeepNestingAndHugeValuesDoNotCrash) {
    QByteArray tief = "<R><S/><T><Name>";
    for (int i = 0; i < 200000; ++i)
        tief += "<a>";
    for (int i = 0; i < 200000; ++i)
        tief += "</a>";
    tief += "</Name></T></R>";
    const auto rows = lesenAusText(tief, "Motors");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][1], Value(QString())); // the name element has no text of its own

    const QByteArray gross =
        "<R><S/><T><Name>" + QByteArray(20 * 1024 * 1024, 'N') + "</Name><ID>7</ID></T></R>";
    const auto grossRows = lesenAusText(gross, "Motors");
    ASSERT_EQ(grossRows.size(), 1u);
    EXPECT_EQ(grossRows[0][1], Value(QString(20, QLatin1Char('N'))));
    // A number is read whole, so its length is capped, with the field named.
    const QString zuLang =
        fehlerVon("<R><S/><T><ID>" + QByteArray((64 << 10) + 1, '7') + "</ID></T></R>");
    EXPECT_TRUE(zuLang.contains("Feld ID")) << zuLang.toStdString();
    EXPECT_TRUE(zuLang.contains("länger als 65536 Bytes")) << zuLang.toStdString();
    const QString amRand =
        fehlerVon("<R><S/><T><ID>" + QByteArray(64 << 10, '7') + "</ID></T></R>");
    EXPECT_TRUE(amRand.contains("Feld ID") && !amRand.contains("länger als"))
        << amRand.toStdString();
}

TEST(ExportLesen, Utf16ExportIsRead) {
    const QString text = QStringLiteral("<R><S/><T><Name>Wärme</Name></T></R>");
    QByteArray utf16("\xff\xfe", 2);
    utf16 += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const auto rows = lesenAusText(utf16, "Motors");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][1], Value(QStringLiteral("Wärme")));
}

namespace {

// A capacity export of two records, the second with the planted coefficient text.
QByteArray kapazitaet(const char* kaelte7) {
    QByteArray xml = "<?xml version=\"1.0\"?>\n<NewDataSet>\n<xs:schema/>\n";
    for (int id : {11, 12}) {
        xml += "<Table>\n<ID>" + QByteArray::number(id) + "</ID>\n";
        for (int k = 1; k <= 10; ++k) {
            const QByteArray kk = QByteArray::number(k).rightJustified(2, '0');
            const QByteArray wert = id == 12 && k == 7 ? QByteArray(kaelte7) : QByteArray("1.5");
            xml += "<RefrigeratingCapacity_" + kk + ">" + wert + "</RefrigeratingCapacity_" + kk +
                   ">\n<DrivePower_" + kk + ">0.5</DrivePower_" + kk + ">\n";
        }
        xml += "</Table>\n";
    }
    return xml + "</NewDataSet>\n";
}

QString kapazitaetsFehler(const QByteArray& xml) {
    try {
        lesenAusText(xml, "CapacityData");
    } catch (const DbError& e) {
        return e.message();
    }
    return {};
}

} // namespace

// A coefficient that cannot be read as a number would be used as 0 by every rating:
// each one stops the build with file, line, record and field.
TEST(ExportLesen, UnreadableCoefficientIsAnErrorWithItsPlace) {
    // Line 41 holds the seventh coefficient of the second record.
    const QString ort =
        QStringLiteral("test.xml, Zeile 41, Datensatz 2 (ID 12), Feld Kaelteleistung7: ");
    for (const char* text : {"NaN", "inf", "abc", "1e308", "-2e6", "1e999", "1.234,5"}) {
        const QString fehler = kapazitaetsFehler(kapazitaet(text));
        EXPECT_TRUE(fehler.startsWith(ort)) << text << ": " << fehler.toStdString();
    }
    EXPECT_TRUE(kapazitaetsFehler(kapazitaet(""))
                    .startsWith(QStringLiteral(
                        "test.xml, Zeile 27, Datensatz 2 (ID 12), Feld Kaelteleistung7: Element "
                        "RefrigeratingCapacity_07 fehlt oder ist leer")));
    EXPECT_TRUE(kapazitaetsFehler(kapazitaet("29,77")).isEmpty());
    const auto rows = lesenAusText(kapazitaet(" 29,77 "), "CapacityData");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(
        rows[1][static_cast<size_t>(
            schritt("CapacityData").definition.fieldIndex(QStringLiteral("Kaelteleistung7")))],
        Value(29.77));
}

// Read from a file, the export is parsed in its only copy; the place of a refused value
// is counted on the file read again, in the file's own encoding too.
TEST(ExportLesen, RefusedValueOfAFileNamesItsLine) {
    QTemporaryDir dir;
    const QString utf8 = dir.filePath(QStringLiteral("WukCapacityData.xml"));
    const QString utf16 = dir.filePath(QStringLiteral("utf16.xml"));
    const QByteArray xml = kapazitaet("abc");
    QString text = QString::fromUtf8(xml);
    text.replace(QStringLiteral("<?xml version=\"1.0\"?>"),
                 QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>"));
    QByteArray zweiByte("\xFF\xFE");
    zweiByte.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    for (const auto& [pfad, inhalt] : {std::pair{utf8, xml}, std::pair{utf16, zweiByte}}) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();
        try {
            lesen(pfad, "CapacityData");
            ADD_FAILURE() << "no error for " << pfad.toStdString();
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral(", Zeile 41, Datensatz 2 (ID 12), "
                                                            "Feld Kaelteleistung7: ")))
                << e.message().toStdString();
        }
    }
}

TEST(ExportLesen, DeclaredSingleByteEncodingsAreHonoured) {
    const QByteArray koerper = "<R><S/><T><Name>Verfl\xFCssiger \x80</Name></T></R>";
    const auto cp1252 =
        lesenAusText("<?xml version=\"1.0\" encoding=\"windows-1252\"?>" + koerper, "Motors");
    ASSERT_EQ(cp1252.size(), 1u);
    EXPECT_EQ(cp1252[0][1], Value(QStringLiteral("Verflüssiger €")));
    const auto latin1 =
        lesenAusText("<?xml version='1.0' encoding='ISO-8859-1'?>" + koerper, "Motors");
    ASSERT_EQ(latin1.size(), 1u);
    EXPECT_EQ(latin1[0][1], Value(QStringLiteral("Verflüssiger ") + QChar(0x80)));
    EXPECT_TRUE(
        fehlerVon("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><R/>").contains("Shift_JIS"));
}

TEST(ExportLesen, InvalidUtf8IsAnErrorWithItsPlace) {
    EXPECT_EQ(
        fehlerVon("<?xml version=\"1.0\"?>\n<R><S/>\n<T><Name>Verfl\xFCssiger</Name></T></R>"),
        QStringLiteral("test.xml: ungültige UTF-8-Bytefolge (Zeile 3, Spalte 15)"));
    EXPECT_TRUE(fehlerVon("<R><S/><T><Name>\xED\xA0\x80</Name></T></R>").contains("Spalte 17"));
    EXPECT_TRUE(fehlerVon("<R><S/><T><Name>\xC0\xAF</Name></T></R>").contains("UTF-8"));
    EXPECT_EQ(fehlerVon("<R><S/><T><Name>\xC3\xA4</Name></T></R>"), QStringLiteral("<no error>"));
    // ASCII is passed eight bytes at a time: a bad byte in every place of such a block
    // is still found, with its column.
    for (int vorne = 0; vorne < 9; ++vorne) {
        const QByteArray name = QByteArray(vorne, 'a') + "\xFF" + QByteArray(9, 'b');
        EXPECT_TRUE(fehlerVon("<R><S/><T><Name>" + name + "</Name></T></R>")
                        .contains(QStringLiteral("Spalte %1").arg(17 + vorne)))
            << vorne;
    }
}

// An export of several MiB is read whole (its buffer is asked for large pages): every
// record arrives, the last one too.
TEST(ExportLesen, LargeFileIsReadToItsEnd) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("motors.xml"));
    QByteArray xml = "<?xml version=\"1.0\"?>\n<Root><Schema/>";
    constexpr int kAnzahl = 90000;
    for (int k = 1; k <= kAnzahl; ++k)
        xml += "<R><ID>" + QByteArray::number(k) + "</ID><Voltage>380-420V</Voltage></R>\n";
    xml += "</Root>\n";
    ASSERT_GT(xml.size(), 4 << 20);
    {
        QFile datei(pfad);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        ASSERT_EQ(datei.write(xml), xml.size());
    }
    const auto rows = lesen(pfad, "Motors");
    ASSERT_EQ(rows.size(), static_cast<size_t>(kAnzahl));
    EXPECT_EQ(rows.front()[0], Value(qint32{1}));
    EXPECT_EQ(rows.back()[0], Value(qint32{kAnzahl}));
    EXPECT_EQ(rows.back()[2], Value(QStringLiteral("380-420V")));
}
