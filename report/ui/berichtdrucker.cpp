#include "report/ui/berichtdrucker.h"

#include "base/ui/symbole.h"
#include "report/bericht.h"
#include "report/pdfausgabe.h"
#include "report/seitenausgabe.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>

namespace drel::bericht {

QStringList BerichtDrucker::printerNames() {
    return QPrinterInfo::availablePrinterNames();
}

QString BerichtDrucker::findPrinter(const QString& name) {
    for (const QString& drucker : printerNames())
        if (drucker.compare(name, Qt::CaseInsensitive) == 0)
            return drucker;
    return {};
}

bool BerichtDrucker::print(const QString& printerName, bool withDialog) {
    error_.clear();
    QPrinter printer(QPrinter::HighResolution);
    if (!printerName.isEmpty()) {
        const QString gefunden = findPrinter(printerName);
        if (gefunden.isEmpty()) {
            error_ = bericht_.texts().druckerFehlt.arg(printerName);
            return false;
        }
        printer.setPrinterName(gefunden);
    }
    if (withDialog) {
        QPrintDialog dialog(&printer, parent_);
        dialog.setWindowTitle(bericht_.texts().drucken);
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    return print(printer);
}

bool BerichtDrucker::print(QPrinter& printer) {
    error_.clear();
    if (!bericht_.prepare()) {
        error_ = bericht_.error();
        return false;
    }
    printer.setFullPage(true);
    printer.setDocName(bericht_.title());
    return seitenAusgeben(bericht_, printer, error_);
}

void BerichtDrucker::preview() {
    error_.clear();
    if (!bericht_.prepare()) {
        error_ = bericht_.error();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(bericht_.title());
    QPrintPreviewDialog dialog(&printer, parent_);
    dialog.setWindowTitle(bericht_.texts().vorschau);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter* ziel) { seitenAusgeben(bericht_, *ziel, error_); });
    // A customer wants the document as a file, too: save sits beside print.
    if (auto* leiste = dialog.findChild<QToolBar*>()) {
        QAction* speichern =
            leiste->addAction(ui::symbol(ui::Symbol::Pdf), tr("Als PDF speichern"));
        speichern->setObjectName(QStringLiteral("AlsPdfSpeichern"));
        speichern->setToolTip(tr("Als PDF speichern"));
        QObject::connect(speichern, &QAction::triggered, &dialog, [this, &dialog] {
            const QString ordner =
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            QString name = bericht_.title().trimmed();
            name.replace(QLatin1Char('/'), QLatin1Char('-'));
            const QString vorschlag = QDir(ordner).filePath(
                (name.isEmpty() ? QStringLiteral("Drel") : name) + QStringLiteral(".pdf"));
            const QString datei =
                dateiWahl_ ? dateiWahl_(&dialog, vorschlag)
                           : QFileDialog::getSaveFileName(&dialog, tr("Als PDF speichern"),
                                                          vorschlag, tr("PDF-Dateien (*.pdf)"));
            if (!datei.isEmpty())
                alsPdfSpeichern(datei, &dialog);
        });
    }
    dialog.exec();
}

bool BerichtDrucker::alsPdfSpeichern(const QString& datei, QWidget* eltern) {
    QString fehler;
    const bool ok = pdfSchreiben(bericht_, datei, fehler);
    meldung_ = ok ? tr("Gespeichert: %1").arg(QDir::toNativeSeparators(datei)) : fehler;
    // A test chooses its file itself and reads the message instead of a box.
    if (!dateiWahl_) {
        if (ok)
            QMessageBox::information(eltern, tr("Als PDF speichern"), meldung_);
        else
            QMessageBox::warning(eltern, tr("Als PDF speichern"), meldung_);
    }
    return ok;
}

} // namespace drel::bericht
