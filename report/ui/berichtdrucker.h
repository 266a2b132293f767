// Printing a report on the installed printers and showing its preview.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

namespace drel::bericht {

class Bericht;

class BerichtDrucker {
    Q_DECLARE_TR_FUNCTIONS(BerichtDrucker)

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
    // Prepares the report and shows it in the modal preview window, whose tool bar
    // prints and saves the report as PDF.
    void preview();

    // The file the preview's "save as PDF" writes: asks for it with the file dialog
    // unless set (tests); an empty name cancels.
    using DateiWahl = std::function<QString(QWidget* eltern, const QString& vorschlag)>;
    void setDateiWahl(DateiWahl wahl) { dateiWahl_ = std::move(wahl); }
    // Writes the report as PDF to `datei` and says where it went or why it could not.
    bool alsPdfSpeichern(const QString& datei, QWidget* eltern);
    // What the last save said.
    const QString& meldung() const { return meldung_; }

    const QString& error() const { return error_; }

private:
    Bericht& bericht_;
    QWidget* parent_;
    QString error_;
    QString meldung_;
    DateiWahl dateiWahl_;
};

} // namespace drel::bericht
