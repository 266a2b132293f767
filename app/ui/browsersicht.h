// The product browser's part of the main window: the series tree beside the start page
// or the size and type list. It binds these widgets to the browser model and tells the
// main window what was chosen.
#pragma once

#include "app/browsermodell.h"
#include "app/hauptzustand.h"

#include <QSplitter>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QTableView;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace drel::ui {

class BrowserListenModell;
class Quelltexte;

class BrowserSicht : public QSplitter {
    Q_OBJECT
public:
    // The fixed texts of the tree and the list are kept in `texte`, the main window's.
    BrowserSicht(Quelltexte& texte, QWidget* parent = nullptr);
    ~BrowserSicht() override;

    QTreeWidget* baum() const { return TV1_; }
    QTableView* liste() const { return StringGrid1_; }
    // The browser model, nullptr until the product data are loaded.
    BrowserModell* modell() const { return browser_.get(); }
    // What the area shows now: start page, size list or type list.
    Inhalt inhalt() const;

    // Start page or list as the model says.
    void anzeigen();
    // After a language change: the list's headings and the description's font.
    void spracheGewechselt();
    // The current node again (after a language change).
    void knotenNeuZeigen();
    // Esc in the list: one level back, as the back button. False when there is none.
    bool zurueck();
    void listeFokussieren();
    // The family pictures of the start page (once the program directory is known).
    void startBilderFuellen();

signals:
    void sucheGewaehlt();
    void artikelGewaehlt(const drel::ArtikelAuswahl& auswahl);
    // The area now shows another view of the browser.
    void ansichtGeaendert();

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    QWidget* startPanelAnlegen(QWidget* parent);
    QWidget* listenPanelAnlegen(QWidget* parent);
    void baumFuellen();
    // Widens the tree pane (up to half the view) so that no shown entry is cut off.
    void baumBreiteAnpassen();
    bool bereit();
    void listeZeigen(const BrowserModell& m);
    void TV1Click(QTreeWidgetItem* knoten);
    void StringGrid1Click(int zeile, int spalte);
    void RueckBtnClick();
    void TV1MouseMove(QTreeWidgetItem* knoten);
    void startBildZeigen(const StartBildWahl::Ergebnis& ergebnis);
    void gruppenTexteZeigen();
    QStringList ueberschriften() const;
    static BrowserKnoten knotenVon(const QTreeWidgetItem* knoten);

    Quelltexte& texte_;
    std::unique_ptr<BrowserModell> browser_;
    std::unique_ptr<StartBildWahl> startBild_;
    BrowserListenModell* listenModell_ = nullptr;
    QTreeWidget* TV1_ = nullptr;
    QWidget* Panel5_ = nullptr;
    QWidget* Panel2_ = nullptr;
    QWidget* Panel6_ = nullptr;
    QWidget* Panel7_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* Image2_ = nullptr;
    QLabel* Image3_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* Panel4_ = nullptr;
    QPlainTextEdit* Memo1_ = nullptr;
    QPlainTextEdit* Memo3_ = nullptr;
    QTableView* StringGrid1_ = nullptr;
    QToolButton* RueckBtn_ = nullptr;
    bool gruppenTexteOffen_ = false;

public:
    // The version label of the start page (the main window writes it).
    QLabel* versionLabel() const { return lblVersion_; }
};

} // namespace drel::ui
