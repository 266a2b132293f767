// Printing through the printer wrapper: the same pages as the PDF output, and
// a printer that is not installed reported with its name.
#include "report/ui/berichtdrucker.h"
#include "suchdruck.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
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

// The preview's tool bar saves the report as PDF where the user chooses, and says where.
TEST(ReportPrinter, PreviewSavesThePdfAndSaysWhere) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    Suchdruck druck;
    druck.bericht.setTitle(QStringLiteral("Suchergebnis"));
    BerichtDrucker ausgabe(druck.bericht);
    const QString ziel = ordner.filePath(QStringLiteral("liste.pdf"));
    QString vorgeschlagen;
    ausgabe.setDateiWahl([&](QWidget*, const QString& vorschlag) {
        vorgeschlagen = vorschlag;
        return ziel;
    });
    bool gefunden = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (auto* speichern = dialog->findChild<QAction*>(QStringLiteral("AlsPdfSpeichern"))) {
            gefunden = true;
            speichern->trigger();
        }
        dialog->reject();
    });
    ausgabe.preview();
    ASSERT_TRUE(gefunden);
    EXPECT_TRUE(vorgeschlagen.endsWith(QStringLiteral("Suchergebnis.pdf")));
    QFile datei(ziel);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_TRUE(datei.read(5).startsWith("%PDF-"));
    EXPECT_TRUE(ausgabe.meldung().contains(QStringLiteral("liste.pdf")));
    // A folder that does not exist: no file, and the message names it.
    EXPECT_FALSE(ausgabe.alsPdfSpeichern(ordner.filePath(QStringLiteral("fehlt/x.pdf")), nullptr));
    EXPECT_TRUE(ausgabe.meldung().contains(QStringLiteral("x.pdf")));
}

} // namespace
} // namespace drel::bericht::test
