// The printer choice "Druckerauswahl": a list of the installed printers with the
// one the program prints on selected.
#pragma once

#include "base/ui/quelltexte.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace drel::print {

// The printer the program prints on; empty means the system's default printer.
QString gewaehlterDrucker();
void setGewaehlterDrucker(const QString& name);

class Druckerauswahl : public ui::MitQuelltexten<QDialog> {
    Q_OBJECT
public:
    // `drucker` are the installed printers, `standard` the system's default.
    Druckerauswahl(const QStringList& drucker, const QString& standard, QWidget* parent = nullptr);

    // The selected printer; empty when the list is empty.
    QString auswahl() const;

private:
    QListWidget* liste_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Shows the choice modally over the installed printers; true when the user
// confirmed a printer, which then becomes the printer of the program.
bool druckerAuswaehlen(QWidget* parent = nullptr);

} // namespace drel::print
