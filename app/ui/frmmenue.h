// The main window: menu, and one content area that shows the product browser (start
// page, size or type list), the search, or a docked data sheet. Creating it runs the
// start-up steps, closing it writes the language back into search.ini.
#pragma once

#include "app/browsermodell.h"
#include "app/hauptzustand.h"
#include "app/ui/frmsplash.h"
#include "base/ui/tdform.h"

#include <QMainWindow>
#include <QPointer>

class QWidget;

namespace drel {
class Programmstart;
}
namespace drel::db {
class TDataModule1;
}
namespace drel::fluid {
class TStoff;
}

namespace drel::ui {

class BlattDock;
class BrowserSicht;
class Hauptmenue;
class HilfeWeiche;
class TFrmHinweis;
class TFrmSuche;
class TFrmTechnik;

class TFrmMenue : public TDFormArt<QMainWindow> {
    Q_OBJECT
public:
    // Runs the start-up steps of `start` (FormCreate) and shows the start window.
    explicit TFrmMenue(Programmstart& start, QWidget* parent = nullptr);
    ~TFrmMenue() override;

    // Opens a document, web address or mail address with the desktop's default
    // application; false when nothing could open it.
    static bool ExecuteFile(const QString& ziel);

    // What the content area shows, and the one place that switches it.
    Inhalt inhalt() const { return inhalt_; }
    void inhaltZeigen(Inhalt inhalt);

    // Sets the language from a language menu item's number.
    void spracheWaehlen(int nummer);
    // Shows the note window with a note or readme text of the program directory.
    void hinweisZeigen(const QString& caption, const QString& dateiStamm);

    // The search window's FormCreate (after the data module and the property object).
    void sucheVorbereiten(db::TDataModule1& dm, fluid::TStoff& stoff);
    // The tree's search node: the search area, freshly prepared.
    void suchbereichOeffnen();
    // Back to the product browser (the search window's back button).
    void browserZeigen();
    // The units window, modal.
    void einheitenZeigen();

    // Opens an article on the docked data sheet (created when no sheet is docked).
    void datenblattOeffnen(const DatenblattAuftrag& auftrag);
    // The docked sheet, nullptr when none.
    TFrmTechnik* datenblatt() const;

    TFrmSuche* suche() const { return suche_; }
    TFrmSplash* splash() const { return splash_; }
    TFrmHinweis* hinweis() const { return hinweis_; }
    BrowserModell* browser() const;
    // The help file of the current language.
    QString hilfeDatei() const;
    // The help window on a topic of the current help file.
    void hilfeZeigen(int thema);

signals:
    // A type or swept volume of the browser was opened on a data sheet.
    void artikelAuswahlOeffnen(const drel::ArtikelAuswahl& auswahl);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The words that are not fixed texts: version, checked language, list headings.
    void spracheGewechselt() override;

private:
    void flaechenAnlegen();
    QWidget* sucheAnlegen(QWidget* parent);
    QWidget* adressBandAnlegen(QWidget* parent);
    void menueVerbinden();
    void FormCreate(Programmstart& start);
    void FormShow();
    void artikelOeffnen(const ArtikelAuswahl& auswahl);
    void blattFrei(bool ausBrowser);
    void copyrightZeigen();

    Inhalt inhalt_ = Inhalt::Start;
    BrowserSicht* browserSicht_ = nullptr;
    QWidget* Panel1_ = nullptr; // the search area
    QWidget* Panel3_ = nullptr; // content area of the docked data sheet
    QWidget* adressBand_ = nullptr;
    TFrmSuche* suche_ = nullptr;
    Hauptmenue* menue_ = nullptr;
    BlattDock* dock_ = nullptr;
    HilfeWeiche* hilfe_ = nullptr;
    QPointer<TFrmSplash> splash_;
    TFrmHinweis* hinweis_ = nullptr;
    bool gezeigt_ = false;
};

} // namespace drel::ui
