// Printing through the printer wrapper: the same pages as the PDF output, and
// a printer that is not installed reported with its name.
#include "report/ui/berichtdrucker.h"
#include "suchdruck.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace drel::bericht::test {
namespace {

TEST(ReportPrinter, PrintsEveryPageOnASetUpPrinter) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    Suchdruck druck;
    druck.daten->setRowCount(30); // two pages
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(ordner.filePath(QStringLiteral("druck.pdf")));
    BerichtDrucker ausgabe(druck.bericht);
    ASSERT_TRUE(ausgabe.print(drucker)) << ausgabe.error().toStdString();

    QFile datei(drucker.outputFileName());
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    static const QRegularExpression seite(QStringLiteral("/Type\\s*/Page(?!s)"));
    EXPECT_EQ(QString::fromLatin1(datei.readAll()).count(seite), 2);
    EXPECT_TRUE(drucker.fullPage());
}

TEST(ReportPrinter, MissingPrinterFailsWithItsName) {
    Suchdruck druck;
    druck.bericht.setLanguage(QStringLiteral("DE"));
    const QString name = QStringLiteral("Kein Drucker 4711");
    ASSERT_TRUE(BerichtDrucker::findPrinter(name).isEmpty());
    BerichtDrucker ausgabe(druck.bericht);
    EXPECT_FALSE(ausgabe.print(name, false));
    EXPECT_EQ(ausgabe.error(),
              QStringLiteral("Der Drucker Kein Drucker 4711 ist nicht installiert."));
}

} // namespace
} // namespace drel::bericht::test
