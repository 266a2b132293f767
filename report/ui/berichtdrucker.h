// Printing a report on the installed printers and showing its preview.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace drel::bericht {

class Bericht;

class BerichtDrucker {
public:
    explicit BerichtDrucker(Bericht& bericht, QWidget* parent = nullptr)
        : bericht_(bericht), parent_(parent) {}

    // Names of the installed printers.
    static QStringList printerNames();
    // The installed printer whose name equals `name` without regard to letter
    // case; empty when there is none.
    static QString findPrinter(const QString& name);

    // Prepares the report and prints it on the named printer (empty: the
    // default printer), with or without the print dialog. False with error()
    // when the printer is missing, the user cancels or printing fails.
    bool print(const QString& printerName, bool withDialog);
    // Prepares the report and prints it on a set-up printer (full page).
    bool print(QPrinter& printer);
    // Prepares the report and shows it in the modal preview window.
    void preview();

    const QString& error() const { return error_; }

private:
    Bericht& bericht_;
    QWidget* parent_;
    QString error_;
};

} // namespace drel::bericht
