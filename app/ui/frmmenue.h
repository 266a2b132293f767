// The main window: menu, series tree and the areas the product browser, the search
// and the docked data sheets fill. Creating it runs the start-up steps, closing it
// writes the language back into search.ini.
#pragma once

#include "app/browsermodell.h"
#include "app/ui/frmsplash.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QActionGroup;
class QListWidget;
class QToolButton;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTableWidget;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace drel {
class Programmstart;
}
namespace drel::db {
class TDataModule1;
}
namespace drel::calc {
class TStoff;
}

namespace drel::ui {

class ModaleHilfeTaste;
class TFrmHilfe;
class TFrmHinweis;
class TFrmSuche;
class TFrmTechnik;

class TFrmMenue : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up steps of `start` (FormCreate) and shows the start window.
    explicit TFrmMenue(Programmstart& start, QWidget* parent = nullptr);
    ~TFrmMenue() override;

    // Opens a document, web address or mail address with the desktop's default
    // application; false when nothing could open it.
    static bool ExecuteFile(const QString& ziel);

    // Sets the language from a language menu item's number.
    void spracheWaehlen(int nummer);
    // Shows the note window with a note or readme text of the program directory.
    void hinweisZeigen(const QString& caption, const QString& dateiStamm);

    // The search window's FormCreate (after the data module and the property object).
    void sucheVorbereiten(db::TDataModule1& dm, calc::TStoff& stoff);
    // The tree's search node: the search area over the browser.
    void suchbereichOeffnen();
    // Back to the product browser (the search window's back button).
    void browserZeigen();
    // The units window, modal.
    void einheitenZeigen();

    // Opens the result list's article on the docked data sheet (created when no sheet
    // is docked, reused otherwise).
    void datenblattOeffnen(const DatenblattAuftrag& auftrag);
    void fensterNeuUebersetzen();
    void ergebnisDrucken(const QList<QStringList>& raster, const QString& seite);
    // The docked sheet, nullptr when none.
    TFrmTechnik* datenblatt() const;
    // The sheet leaves the main window, or comes back when no other sheet is docked.
    void abdocken(TFrmTechnik* blatt);
    void andocken(TFrmTechnik* blatt);
    // Back to the search: the sheet closes.
    void datenblattSchliessen(TFrmTechnik* blatt);
    // The sheet's print button: the print window prints this sheet.
    void datenblattDrucken(TFrmTechnik* blatt);
    // MenueEintragen: every item tagged -99 leaves the main menu; without the remove
    // flag the sheet's "Extras" menu is entered at position 4.
    void MenueEintragen(TFrmTechnik* blatt, bool entfernen);

    TFrmSuche* suche() const { return suche_; }
    TFrmSplash* splash() const { return splash_; }
    TFrmHinweis* hinweis() const { return hinweis_; }
    const QString& hilfeDatei() const { return hilfeDatei_; }
    BrowserModell* browser() const { return browser_.get(); }
    // The help window on a topic of the current help file.
    void hilfeZeigen(int thema);

signals:
    // A type or swept volume of the browser was opened: the data sheet takes these
    // articles. Without a receiver the status line tells what would open.
    void artikelAuswahlOeffnen(const drel::ArtikelAuswahl& auswahl);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void flaechenAnlegen();
    QWidget* startPanelAnlegen(QWidget* parent);
    QWidget* listenPanelAnlegen(QWidget* parent);
    QWidget* adressBandAnlegen(QWidget* parent);
    void baumFuellen();
    void menueAnlegen();
    QAction* eintrag(QMenu* menu, const char* name, const char* quelle);
    QMenu* untermenue(QMenu* menu, const char* name, const char* quelle);
    void FormCreate(Programmstart& start);
    void FormShow();
    void spracheAnzeigen();
    void TV1Click(QTreeWidgetItem* knoten);

    QLabel* Image4_ = nullptr;
    QTreeWidget* TV1_ = nullptr;
    QWidget* Panel5_ = nullptr;
    QWidget* Panel2_ = nullptr;
    QWidget* Panel1_ = nullptr;
    QWidget* Panel3_ = nullptr;    // content area of the docked data sheet
    bool neuesFenster_ = true;     // the next sheet needs a docked window of its own
    bool blattAusBrowser_ = false; // the docked sheet was opened from the type list
    QSplitter* teiler_ = nullptr;
    TFrmSuche* suche_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QTableWidget* StringGrid1_ = nullptr;
    QPlainTextEdit* Memo1_ = nullptr;
    QPlainTextEdit* Memo3_ = nullptr;
    QAction* mnWUK_ = nullptr;
    QMenu* Sprache1_ = nullptr;
    QAction* Einheiten1_ = nullptr;

    // Product browser binding (the logic is in BrowserModell).
    void browserVerbinden();
    void hilfeVerbinden();
    void startBilderFuellen();
    bool browserBereit();
    void browserAnzeigen();
    void StringGrid1Click(int zeile, int spalte);
    void RueckBtnClick();
    void TV1MouseMove(QTreeWidgetItem* knoten);
    void startBildZeigen(const StartBildWahl::Ergebnis& ergebnis);
    void texteSetzen();
    void SpracheClick(int nummer);
    void copyrightZeigen();
    void gruppenTexteZeigen();
    static BrowserKnoten knotenVon(const QTreeWidgetItem* knoten);

    std::unique_ptr<BrowserModell> browser_;
    std::unique_ptr<StartBildWahl> startBild_;
    QListWidget* ListBox1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label3_ = nullptr;
    QWidget* Panel7_ = nullptr;
    QLabel* Panel4_ = nullptr;
    QLabel* Image2_ = nullptr;
    QLabel* Image3_ = nullptr;
    QWidget* Panel6_ = nullptr;
    QToolButton* RueckBtn_ = nullptr;
    QActionGroup* sprachGruppe_ = nullptr;
    bool gruppenTexteOffen_ = false;

    QPointer<TFrmSplash> splash_;
    TFrmHinweis* hinweis_ = nullptr;
    QString hilfeDatei_;
    QPointer<TFrmHilfe> hilfe_;
    ModaleHilfeTaste* modaleHilfe_ = nullptr;
    bool gezeigt_ = false;
};

} // namespace drel::ui
