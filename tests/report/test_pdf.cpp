// PDF output without a printer: page count, page texts (via pdftotext when
// installed), title, and failures reported as false plus a message.
#include "base/dateischreiben.h"
#include "report/pdfausgabe.h"
#include "suchdruck.h"
#include "tabellendaten.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace drel::bericht::test {
namespace {

int pdfSeiten(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression seite(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(datei.readAll()).count(seite));
}

// The text of each page, or nullopt without pdftotext.
std::optional<QStringList> pdfTexte(const QString& pfad) {
    const QString programm = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programm.isEmpty())
        return std::nullopt;
    QProcess prozess;
    prozess.start(programm, {QStringLiteral("-layout"), pfad, QStringLiteral("-")});
    if (!prozess.waitForFinished(30000))
        return std::nullopt;
    QStringList seiten = QString::fromUtf8(prozess.readAllStandardOutput()).split(QChar('\f'));
    if (!seiten.isEmpty() && seiten.back().trimmed().isEmpty())
        seiten.removeLast();
    return seiten;
}

class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ordner.isValid()); }
    QString pfad(const char* name) const { return ordner.filePath(QString::fromLatin1(name)); }
    QTemporaryDir ordner;
};

TEST_F(ReportPdf, WritesEveryPrintedPageWithItsTexts) {
    Suchdruck druck;
    auto daten = Tabellendaten::nummeriert(100);
    druck.daten->setDataSet(&daten);
    druck.bericht.setTitle(QStringLiteral("Suchergebnis"));
    QString fehler;
    ASSERT_TRUE(pdfSchreiben(druck.bericht, pfad("liste.pdf"), fehler)) << fehler.toStdString();
    EXPECT_TRUE(fehler.isEmpty());
    EXPECT_EQ(pdfSeiten(pfad("liste.pdf")), 5);

    const auto texte = pdfTexte(pfad("liste.pdf"));
    if (!texte)
        GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_EQ(texte->size(), 5);
    EXPECT_TRUE(texte->at(0).contains(QStringLiteral("Seite 1/5")));
    EXPECT_TRUE(texte->at(0).contains(QStringLiteral("Zeile 24")));
    EXPECT_FALSE(texte->at(0).contains(QStringLiteral("Zeile 25")));
    EXPECT_TRUE(texte->at(4).contains(QStringLiteral("Zeile 100")));
    EXPECT_TRUE(texte->at(4).contains(QStringLiteral("Seite 5/5")));
    for (const QString& seite : *texte)
        EXPECT_TRUE(seite.contains(QStringLiteral("Typ"))); // the header on every page
}

TEST_F(ReportPdf, InvisiblePageIsNotWritten) {
    Suchdruck druck;
    druck.daten->setRowCount(1);
    druck.bericht.addPage(QStringLiteral("Page2")).setVisible(false);
    druck.bericht.addPage(QStringLiteral("Page3"));
    QString fehler;
    ASSERT_TRUE(pdfSchreiben(druck.bericht, pfad("zwei.pdf"), fehler));
    EXPECT_EQ(pdfSeiten(pfad("zwei.pdf")), 2);
}

TEST_F(ReportPdf, UnwritablePathFailsWithMessage) {
    Suchdruck druck;
    const QString ziel = pfad("fehlt/liste.pdf");
    QString fehler;
    EXPECT_FALSE(pdfSchreiben(druck.bericht, ziel, fehler));
    EXPECT_TRUE(fehler.contains(ziel)) << fehler.toStdString();
    EXPECT_FALSE(QFile::exists(ziel));
}

// A full disk while the new document goes out: the earlier PDF of that name survives
// whole, the failure names the file and the reason, and no temporary file is left.
TEST_F(ReportPdf, FullDiskKeepsEarlierFileAndSaysWhy) {
    Suchdruck druck;
    auto daten = Tabellendaten::nummeriert(30);
    druck.daten->setDataSet(&daten);
    QString fehler;
    ASSERT_TRUE(pdfSchreiben(druck.bericht, pfad("liste.pdf"), fehler));
    QFile alt(pfad("liste.pdf"));
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    const QByteArray vorher = alt.readAll();
    alt.close();

    auto neu = Tabellendaten::nummeriert(100);
    druck.daten->setDataSet(&neu);
    setSchreibStoerung([](const QString&, qint64 geschrieben) { return geschrieben ? ENOSPC : 0; });
    const bool ok = pdfSchreiben(druck.bericht, pfad("liste.pdf"), fehler);
    setSchreibStoerung({});
    EXPECT_FALSE(ok);
    EXPECT_TRUE(fehler.contains(pfad("liste.pdf"))) << fehler.toStdString();
    EXPECT_TRUE(fehler.contains(QStringLiteral("kein Platz"))) << fehler.toStdString();
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), vorher);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("liste.pdf")});
}

TEST_F(ReportPdf, ReportWithoutVisiblePageWritesNothing) {
    Suchdruck druck;
    druck.seite->setVisible(false);
    QString fehler;
    EXPECT_FALSE(pdfSchreiben(druck.bericht, pfad("leer.pdf"), fehler));
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_FALSE(QFile::exists(pfad("leer.pdf")));
}

} // namespace
} // namespace drel::bericht::test
