#include "base/dateischreiben.h"
#include "chart/grenztest.h"
#include "seitenfixture.h"
#include "sheet/pages/ausschreibung.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/pages/tabellenexport.h"
#include "tests/support/xlsxzellen.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <cerrno>
#include <cmath>
#include <optional>

namespace drel::sheet::testing {
namespace {

class ExportTest : public SeitenTest {
protected:
    void SetUp() override {
        SeitenTest::SetUp();
        b_.SpinEdit1.wert = -29;
        b_.SpinEdit2.wert = -9;
        b_.SpinEdit3.wert = 10;
        b_.SpinEdit4.wert = 35;
        b_.SpinEdit5.wert = 45;
        b_.SpinEdit6.wert = 10;
        berechnen();
    }

    // Splits one line of a separated text, honouring quoted fields.
    static QStringList felder(const QString& zeile, QChar trenner) {
        QStringList f{QString()};
        bool zitat = false;
        for (qsizetype k = 0; k < zeile.size(); ++k) {
            const QChar c = zeile[k];
            if (c == QLatin1Char('"')) {
                if (zitat && k + 1 < zeile.size() && zeile[k + 1] == QLatin1Char('"'))
                    f.last() += c, ++k;
                else
                    zitat = !zitat;
            } else if (c == trenner && !zitat) {
                f.append(QString());
            } else {
                f.last() += c;
            }
        }
        return f;
    }

    // The grid cell's number as it is shown (locale digits, grouping and decimal).
    static double gezeigt(const QString& text) {
        QString t = text.trimmed();
        t.remove(numberSeparators().thousands);
        return floatOrZero(t);
    }

    void gleichDemGitter(const QString& text, QChar trenner, std::optional<QChar> dezimal) {
        const QStringList zeilen = text.split(QStringLiteral("\r\n"));
        const auto kopf = tabelle_.kopf();
        ASSERT_EQ(kopf.size(), 4);
        ASSERT_GE(zeilen.size(), kopf.size() + 1 + tabelle_.zeilen());
        EXPECT_EQ(felder(zeilen[0], trenner), (QStringList{"Typ", "QN4/200-4"}));
        EXPECT_EQ(felder(zeilen[1], trenner), (QStringList{"Kaltemittel", "R404A"}));
        EXPECT_TRUE(zeilen[2].contains(QStringLiteral("Qo [W]")));
        EXPECT_TRUE(zeilen[3].contains(QStringLiteral("Sauggastemperatur 20")));
        EXPECT_TRUE(zeilen[4].isEmpty());
        for (int r = 0; r < tabelle_.zeilen(); ++r) {
            const QStringList f = felder(zeilen[5 + r], trenner);
            ASSERT_EQ(f.size(), tabelle_.spalten()) << r;
            for (int c = 0; c < tabelle_.spalten(); ++c) {
                const TabellenZelle& z = tabelle_.zelle(c, r);
                if (!dezimal || !std::isfinite(z.zahl) || z.text.trimmed().isEmpty()) {
                    EXPECT_EQ(f[c], z.text.trimmed()) << c << "," << r;
                    continue;
                }
                // A number field holds digits and one decimal mark, and reads back as
                // the number the grid shows.
                double v = 0.0;
                const NumberSeparators form{*dezimal, QChar()};
                ASSERT_TRUE(parseFloat(f[c], form, v)) << qPrintable(f[c]);
                EXPECT_DOUBLE_EQ(v, gezeigt(z.text)) << c << "," << r;
            }
        }
    }

    void berechnen() {
        calc::ArtikelEingabe e;
        e.AktArtikelID = kQn;
        e.typ = QStringLiteral("QN4/200-4");
        e.punkt.kaeltemittel = QStringLiteral("R404A");
        chart::GrenzChart chart;
        tabelle_.Button1Click(*dm_, stoff_, einheiten_, chart, b_, e, true, false);
    }

    TabBereiche b_;
    LeistungsTabelle tabelle_;
};

// The program's translation file of a language, installed for the scope of a test.
class ProgrammSprache {
public:
    explicit ProgrammSprache(const char* code) {
        geladen = datei_.load(QStringLiteral(DREL_QM_DIR "/drel_%1.qm").arg(QLatin1String(code)));
        QCoreApplication::installTranslator(&datei_);
    }
    ~ProgrammSprache() { QCoreApplication::removeTranslator(&datei_); }
    ProgrammSprache(const ProgrammSprache&) = delete;
    ProgrammSprache& operator=(const ProgrammSprache&) = delete;
    bool geladen = false;

private:
    QTranslator datei_;
};

TEST_F(ExportTest, CsvAndTabTextReadBackEqualToTheGrid) {
    ASSERT_EQ(tabelle_.spalten(), 6);
    ASSERT_FALSE(tabelle_.text(4, 2).trimmed().isEmpty()); // −19 °C lies inside
    ASSERT_TRUE(tabelle_.zelle(5, 2).ausserhalb);          // −29 °C outside
    const CsvForm de = CsvForm::fuerSprache(QStringLiteral("De"));
    const CsvForm en = CsvForm::fuerSprache(QStringLiteral("En"));
    EXPECT_EQ(de.trenner, QLatin1Char(';'));
    EXPECT_EQ(en.trenner, QLatin1Char(','));
    gleichDemGitter(alsCsv(tabelle_, de), QLatin1Char(';'), QLatin1Char(','));
    gleichDemGitter(alsCsv(tabelle_, en), QLatin1Char(','), QLatin1Char('.'));
    gleichDemGitter(alsTabText(tabelle_), QLatin1Char('\t'), std::nullopt);
    // No grouping: the W value 26.475 of the grid is 26475 in both forms.
    ASSERT_TRUE(tabelle_.text(4, 2).contains(QLatin1Char('.')));
    const QString w = tabelle_.text(4, 2).trimmed().remove(QLatin1Char('.'));
    EXPECT_TRUE(alsCsv(tabelle_, de).contains(QLatin1Char(';') + w + QLatin1Char(';')));
    EXPECT_TRUE(alsCsv(tabelle_, en).contains(QLatin1Char(',') + w + QLatin1Char(',')));
    EXPECT_TRUE(alsCsv(tabelle_, en).contains(QStringLiteral(",-19.0,")));
    EXPECT_TRUE(csvDatei(QStringLiteral("x")).toUtf8().startsWith("\xEF\xBB\xBF"));
}

using drel::testing::xlsxZellen;
using drel::testing::zellName;

TEST_F(ExportTest, XlsxReadsBackEqualToTheGrid) {
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        GTEST_SKIP() << "unzip is not installed";
    const QString datei = dir_.filePath(QStringLiteral("tabelle.xlsx"));
    ASSERT_TRUE(alsXlsx(tabelle_, datei));
    const QMap<QString, QString> z = xlsxZellen(datei);
    EXPECT_EQ(z.value(QStringLiteral("A1")), QStringLiteral("Typ"));
    EXPECT_EQ(z.value(QStringLiteral("B1")), QStringLiteral("QN4/200-4"));
    EXPECT_EQ(z.value(QStringLiteral("B2")), QStringLiteral("R404A"));
    int verglichen = 0;
    for (int r = 0; r < tabelle_.zeilen(); ++r) {
        for (int c = 0; c < tabelle_.spalten(); ++c) {
            const TabellenZelle& zelle = tabelle_.zelle(c, r);
            const QString name = zellName(c, r + 5);
            if (zelle.text.trimmed().isEmpty()) {
                EXPECT_FALSE(z.contains(name)) << name.toStdString();
            } else if (std::isfinite(zelle.zahl)) {
                EXPECT_DOUBLE_EQ(z.value(name).toDouble(), zelle.zahl) << name.toStdString();
                ++verglichen;
            } else {
                EXPECT_EQ(z.value(name), zelle.text.trimmed()) << name.toStdString();
            }
        }
    }
    EXPECT_GE(verglichen, 8);
    EXPECT_FALSE(alsXlsx(tabelle_, dir_.filePath(QStringLiteral("fehlt/x.xlsx"))));
}

// A customer's file is in the user's language: the header block of CSV, clipboard and
// XLSX and the tender text with its RTF carry the translated names, umlauts included.
TEST_F(ExportTest, HeadingsAndTenderTextInTheProgramsLanguage) {
    const bool mitXlsx = !QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty();
    struct Fall {
        const char* code;
        const char* kaeltemittel;
        const char* unterkuehlung;
        const char* qo;
        const char* zubehoer;
        QByteArray rtf;
    };
    const Fall faelle[] = {
        {"de", "Kältemittel", "Unterkühlung ",
         "Verdichterkälteleistung:", "Zubehör:", "K\\u228?ltemittel:"},
        {"en", "Refrigerant", "subcooling ",
         "Compressor cooling capacity:", "Accessories:", "Refrigerant:"},
    };
    for (const Fall& f : faelle) {
        const ProgrammSprache sprache(f.code);
        ASSERT_TRUE(sprache.geladen) << f.code;
        berechnen();
        const QString km = QString::fromUtf8(f.kaeltemittel);
        for (const QString& text : {alsCsv(tabelle_, CsvForm{}), alsTabText(tabelle_)}) {
            const QStringList zeilen = text.split(QStringLiteral("\r\n"));
            ASSERT_GE(zeilen.size(), 4);
            EXPECT_TRUE(zeilen[1].startsWith(km)) << qPrintable(zeilen[1]);
            EXPECT_TRUE(zeilen[3].contains(QString::fromUtf8(f.unterkuehlung)))
                << qPrintable(zeilen[3]);
        }
        if (mitXlsx) {
            const QString datei = dir_.filePath(QStringLiteral("k.xlsx"));
            ASSERT_TRUE(alsXlsx(tabelle_, datei));
            EXPECT_EQ(xlsxZellen(datei).value(QStringLiteral("A2")), km) << f.code;
        }
        Ausschreibung a;
        AusschreibungsWerte w;
        w.typ = QStringLiteral("QN4/200-4");
        a.erstellen(*dm_, kQn, QStringLiteral("De"), {}, w);
        const QString text = a.alsText();
        EXPECT_TRUE(text.contains(QString::fromUtf8(f.qo))) << f.code;
        EXPECT_TRUE(text.contains(km + QLatin1Char(':'))) << f.code;
        EXPECT_TRUE(text.contains(QString::fromUtf8(f.zubehoer))) << f.code;
        EXPECT_TRUE(a.alsRtf().contains(f.rtf)) << f.code;
    }
}

TEST(BildSpeichern, ProposedNameFromTypeAndPage) {
    EXPECT_EQ(bildDateiVorschlag(QStringLiteral("QN4/200-4"), true),
              QStringLiteral("QN4-200-4-Photo.jpg"));
    EXPECT_EQ(bildDateiVorschlag(QStringLiteral("QN4/200-4"), false),
              QStringLiteral("QN4-200-4-Mass.jpg"));
}

// A full disk while exporting keeps the earlier file of that name and says why.
TEST_F(ExportTest, FailedWriteKeepsTheEarlierFileAndGivesTheReason) {
    QTemporaryDir dir;
    for (const char* name : {"alt.csv", "alt.xlsx"}) {
        const QString datei = dir.filePath(QString::fromLatin1(name));
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("vorher");
        f.close();
        setSchreibStoerung([](const QString&, qint64) { return ENOSPC; });
        QString grund;
        const bool ok = QByteArray(name).endsWith("csv")
                            ? textSchreiben(datei, alsCsv(tabelle_, CsvForm{}), &grund)
                            : alsXlsx(tabelle_, datei, &grund);
        setSchreibStoerung({});
        EXPECT_FALSE(ok) << name;
        EXPECT_FALSE(grund.isEmpty()) << name;
        QFile r(datei);
        ASSERT_TRUE(r.open(QIODevice::ReadOnly));
        EXPECT_EQ(r.readAll(), QByteArray("vorher")) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    // The reason is given in the program's language.
    ProgrammSprache englisch("en");
    ASSERT_TRUE(englisch.geladen);
    setSchreibStoerung([](const QString&, qint64) { return ENOSPC; });
    QString grund;
    EXPECT_FALSE(alsXlsx(tabelle_, dir.filePath(QStringLiteral("alt.xlsx")), &grund));
    setSchreibStoerung({});
    EXPECT_EQ(grund, QStringLiteral("no space left on the disk"));
    EXPECT_EQ(schreibFehlerText(QStringLiteral("a.xlsx"), grund),
              QStringLiteral("The file a.xlsx cannot be written: no space left on the disk."));
}

TEST_F(SeitenTest, ZuWordWritesTheTenderTextIntoTheSettingsDirectory) {
    const Verzeichnisse vorher = verzeichnisse();
    verzeichnisse().einstellungen = dir_.filePath(QStringLiteral("docs/DrelWUK"));
    Ausschreibung a;
    AusschreibungsWerte w;
    w.typ = QStringLiteral("QN4/200-4");
    a.erstellen(*dm_, kQn, QStringLiteral("De"), {}, w);
    const QString datei = zuWordDateiSchreiben(a);
    EXPECT_EQ(datei, verzeichnisse().einstellungen + QStringLiteral("/DrelTmp.Doc"));
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("{\\rtf1"));
    f.close();
    // A second write overwrites the first.
    AusschreibungsAuswahl nurZubehoer{false, false, false, true};
    a.erstellen(*dm_, kQn, QStringLiteral("De"), nurZubehoer, w);
    EXPECT_EQ(zuWordDateiSchreiben(a), datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray zweit = f.readAll();
    EXPECT_FALSE(zweit.contains("Lieferumfang"));
    EXPECT_TRUE(zweit.contains("Zubehor:"));
    verzeichnisse() = vorher;
}

} // namespace
} // namespace drel::sheet::testing
