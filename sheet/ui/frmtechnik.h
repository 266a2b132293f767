// The technical data sheet: the type, refrigerant and operating-point inputs with
// their step buttons, the output panels for one or two compressors, the tab pages
// and the application-limit diagram, bound to TechnikModell. Docking into the main
// window is the main window's job; the sheet asks for it through its signals.
#pragma once

#include "base/ui/tdform.h"
#include "base/ui/wartecursor.h"
#include "db/errorboundary.h"
#include "sheet/datenblatt.h"

#include <QMap>
#include <functional>

class QAction;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace drel::chart {
class TDChart;
}

namespace drel::ui {

// The data sheet's topic in the help file (F1 and "Extras > Hilfe").
inline constexpr int kHilfeThemaDatenblatt = 3;

class TDDBCombo;
class TDEdit;
class TFrmHinweise;
class TabelleTab;
class MasseTab;
class FotoTab;
class AusschreibungTab;

class TFrmTechnik : public TDForm {
    Q_OBJECT
public:
    TFrmTechnik(db::TDataModule1& dm, fluid::TStoff& stoff, const calc::Einheiten& einheiten,
                QWidget* parent = nullptr);
    ~TFrmTechnik() override;

    sheet::TechnikModell& model() { return modell_; }
    // The document the window shows (the print window and the printout read it).
    sheet::Datenblatt& blatt() { return blatt_; }
    const sheet::Datenblatt& blatt() const { return blatt_; }
    // Opening from the result list or the browser: the document takes the order, the
    // window shows it (FormShow runs the article selection).
    void oeffnen(const DatenblattAuftrag& auftrag);
    // The user switched °C and °F: the document rewrites its fields, the window shows them.
    void einheitGewechselt(bool warFahrenheit);

    // Shows the model's state in the widgets.
    void ausModell();
    void typZeigen(const sheet::TechnikModell& m);
    void eingabenZeigen(const sheet::TechnikModell& m);
    void teileZeigen(const sheet::TechnikModell& m);
    void ausgabenZeigen(const sheet::TechnikModell& m);

    TDEdit* eingabe(sheet::Eingabe e) const { return eingaben_.value(e); }
    QLineEdit* ausgabe(const QString& name) const { return ausgaben_.value(name); }
    // The up (+1) or down (-1) half of a step button.
    QToolButton* stufe(sheet::Eingabe e, int richtung) const;
    QMenu* TechMenu() const { return TechMenu_; } // "Extras"
    QTabWidget* PageControl1() const { return PageControl1_; }
    chart::TDChart* DChart1() const { return DChart1_; }
    TFrmHinweise* hinweise() const { return hinweise_; }
    TabelleTab* tabelle() const { return tabelle_; } // "Tabelle Leistungsdaten"
    MasseTab* masse() const { return masse_; }       // "Masse und Anschlusse"
    FotoTab* foto() const { return foto_; }          // "Produktfoto"
    AusschreibungTab* ausschreibung() const { return ausschreibung_; }
    // Whether the tab page at `index` of PageControl1 is shown ("Techn. Daten" 0,
    // "Einsatzgrenzen" 1, "Lieferumfang" 2, "Zubehor" 3, "Masse und Anschlusse" 4,
    // "Produktfoto" 5, "Tabelle Leistungsdaten" 6, "Ausschreibungstexte" 7): pages of
    // pictures the article does not have are hidden.
    bool reiterSichtbar(int index) const;
    // The file choice of every save command of the pages (tests hand in their own).
    void setDateiWahl(
        const std::function<QString(const QString&, const QString&, const QString&)>& wahl);
    QPushButton* btnUnlock() const { return btnUnlock_; }
    QPushButton* btnLock() const { return btnLock_; }

    // Docked state, set by the main window.
    void setAngedockt(bool angedockt);
    bool angedockt() const { return angedockt_; }

    void btnUnlockClick();
    // The print button: asks for the print window (the print layer lies above this one).
    void BitBtn3Click() { emit drucken(); }
    void btnLockClick();
    void CancelBtnClick();
    // "Speichern als JSON": the whole sheet as open data into a file the user picks.
    void JsonSpeichernClick();
    QPushButton* JsonBtn() const { return JsonBtn_; }
    QLabel* lblHerkunft() const { return lblHerkunft_; } // provenance of the numbers
    QLabel* lblSepr() const { return lblSepr_; }         // SEPR of condensing units
    QLabel* lblRand() const { return lblRand_; }         // envelope margin beside the diagram

signals:
    void abdocken();      // "Alternativ-Verdichter": leave the main window
    void andocken();      // "Alternativ-Verdichter schließen": back into it
    void zurueck();       // "Zuruck zur Suche"
    void drucken();       // print button or "Drucken": the caller opens the print window
    void neuGezeichnet(); // the widgets show a new recalculation

protected:
    void abbrechen() override { CancelBtnClick(); }
    // Captions the model fills (motor, pole button, the rating's notes) follow the new
    // language too: the point is rated again.
    void spracheGewechselt() override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    // A step of the recalculation: its faults reported, the hourglass shown meanwhile.
    template <class Schritt> void rechnen(Schritt schritt) {
        WarteCursor warten;
        db::runReported(schritt);
    }
    QWidget* kopfAnlegen();
    QWidget* eingabenAnlegen();
    QWidget* ausgabenAnlegen();
    QWidget* seitenAnlegen();
    QWidget* grenzSeiteAnlegen();
    void menueAnlegen();
    TDEdit* eingabeAnlegen(sheet::Eingabe e, const char* name, const char* spinName, int nachKomma,
                           QGridLayout* raster, int zeile, int spalte, QLabel* label,
                           QLabel* einheit);
    QLineEdit* ausgabeAnlegen(const char* name, QGridLayout* raster, int zeile, int spalte);
    void feldVerlassen(sheet::Eingabe e);
    void schritt(sheet::Eingabe e, int richtung);
    void diagrammZeigen();
    // Fills the active product page unless it shows the current article and refrigerant.
    void seiteFuellen();
    // MasseHolen and BildHolen: the picture pages follow every new article.
    void bildSeitenFuellen();
    // Provenance, SEPR and the flags of clamped inputs and points outside the envelope.
    void herkunftZeigen();
    QWidget* zertPanelAnlegen(QWidget* kopf);
    // ZertLogosAnzeigen: the article's certificate logos in the header.
    void zertLogosZeigen();
    // ZertClick: the note of logo `tag` (1..3) in a modal window.
    void zertKlick(int tag);
    // The help icons: 3 the intermediate cooler's text, 4 and 5 the output values' file.
    void hilfeTextKlick(int bild);
    QToolButton* hilfeKnopf(const char* name, int bild, QWidget* parent);

    sheet::Datenblatt blatt_;
    sheet::TechnikModell& modell_;
    const calc::Einheiten& einheiten_;
    TFrmHinweise* hinweise_ = nullptr;
    bool zeigt_ = false;
    bool angedockt_ = true;
    bool erstesZeigen_ = true;
    int gezeigtesBild_ = -1;

    QMap<sheet::Eingabe, TDEdit*> eingaben_;
    QMap<sheet::Eingabe, QWidget*> stufen_;
    QMap<QString, QLineEdit*> ausgaben_;
    QMap<QString, QWidget*> teile_; // labels and panels shown or hidden by the model
    TDDBCombo* ComboBox1_ = nullptr;
    QComboBox* KMListbox_ = nullptr;
    QComboBox* cmbHZ_ = nullptr;
    QLabel* MotorCombo_ = nullptr;
    QPushButton* pol_ = nullptr;
    QPushButton* btnUnlock_ = nullptr;
    QPushButton* btnLock_ = nullptr;
    QPushButton* CancelBtn_ = nullptr;
    QPushButton* BitBtn3_ = nullptr;
    QPushButton* JsonBtn_ = nullptr;
    QLabel* lblHerkunft_ = nullptr;
    QLabel* lblSepr_ = nullptr;
    QWidget* ZertPanel_ = nullptr;
    QToolButton* ZertLogo_[3] = {};
    QLabel* lblRand_ = nullptr;
    int herkunftBild_ = -1;
    std::function<QString(const QString&, const QString&, const QString&)> dateiWahl_;
    QTabWidget* PageControl1_ = nullptr;
    TabelleTab* tabelle_ = nullptr;
    MasseTab* masse_ = nullptr;
    FotoTab* foto_ = nullptr;
    AusschreibungTab* ausschreibung_ = nullptr;
    qint32 bilderFuer_ = 0; // the article the picture pages show
    QWidget* TabSheet8_ = nullptr;
    chart::TDChart* DChart1_ = nullptr;
    QWidget* LegPnl_[3] = {};
    QLabel* lblLeg_[3] = {};
    QMenu* TechMenu_ = nullptr;
    QMap<QWidget*, std::function<void()>> fueller_;
    QMap<QWidget*, QString> gefuelltFuer_; // article id and refrigerant each page shows
    QAction* Alternativ_ = nullptr;
    QAction* AlternativSchliessen_ = nullptr;
};

// The docked sheet the browser and the search create; no change of its own.
class TFrmTechnik1 : public TFrmTechnik {
    Q_OBJECT
public:
    using TFrmTechnik::TFrmTechnik;
};

} // namespace drel::ui
