#include "report/ui/berichtdrucker.h"

#include "report/bericht.h"
#include "report/seitenausgabe.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

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
    dialog.exec();
}

} // namespace drel::bericht
