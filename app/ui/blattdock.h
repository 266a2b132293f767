// The docked data sheet: the content area that holds it, docking out and back, closing,
// and its menu in the main menu bar.
#pragma once

#include "state/datenblattauftrag.h"

#include <QObject>

class QWidget;

namespace drel::ui {

class Hauptmenue;
class TFrmTechnik;

class BlattDock : public QObject {
    Q_OBJECT
public:
    // `flaeche` is the content area a sheet docks into; `menue` carries its menu.
    BlattDock(QWidget* flaeche, Hauptmenue& menue);

    // The docked sheet, nullptr when none.
    TFrmTechnik* blatt() const;
    // Opens the order on the docked sheet (a new one when none is docked).
    void oeffnen(const DatenblattAuftrag& auftrag, bool ausBrowser);
    // True when the docked sheet was opened from the browser's type list.
    bool ausBrowser() const { return ausBrowser_; }

    // The sheet leaves the main window, or comes back when no other sheet is docked.
    void abdocken(TFrmTechnik* blatt);
    void andocken(TFrmTechnik* blatt);
    // The sheet's back button: the sheet closes.
    void schliessen(TFrmTechnik* blatt);

signals:
    // A sheet is shown in the content area.
    void gezeigt();
    // The content area holds no sheet any more; the main window shows where it came from.
    void frei(bool ausBrowser);

private:
    void anbinden(TFrmTechnik* blatt);
    void zeigen(TFrmTechnik* blatt);

    QWidget* flaeche_;
    Hauptmenue& menue_;
    bool neuesFenster_ = true; // the next sheet needs a docked window of its own
    bool ausBrowser_ = false;
};

} // namespace drel::ui
