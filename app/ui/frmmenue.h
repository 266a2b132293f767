// The main window: menu, series tree and the areas the product browser, the search
// and the docked data sheets fill. Creating it runs the start-up steps, closing it
// writes the language back into search.ini.
#pragma once

#include "app/ui/frmsplash.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTableWidget;
class QTreeWidget;
class QWidget;

namespace drel {
class Programmstart;
}

namespace drel::ui {

class TFrmHinweis;

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

    TFrmSplash* splash() const { return splash_; }
    TFrmHinweis* hinweis() const { return hinweis_; }
    const QString& hilfeDatei() const { return hilfeDatei_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void flaechenAnlegen();
    QWidget* startPanelAnlegen(QWidget* parent);
    QWidget* listenPanelAnlegen(QWidget* parent);
    QWidget* adressBandAnlegen(QWidget* parent);
    void baumFuellen();
    void menueAnlegen();
    QAction* eintrag(QMenu* menu, const char* name, const QString& caption);
    void FormCreate(Programmstart& start);
    void FormShow();
    void spracheAnzeigen();

    QLabel* Image4_ = nullptr;
    QTreeWidget* TV1_ = nullptr;
    QWidget* Panel5_ = nullptr;
    QWidget* Panel2_ = nullptr;
    QWidget* Panel1_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QTableWidget* StringGrid1_ = nullptr;
    QPlainTextEdit* Memo1_ = nullptr;
    QPlainTextEdit* Memo3_ = nullptr;
    QAction* mnWUK_ = nullptr;
    QMenu* Sprache1_ = nullptr;

    QPointer<TFrmSplash> splash_;
    TFrmHinweis* hinweis_ = nullptr;
    QString hilfeDatei_;
    bool gezeigt_ = false;
};

} // namespace drel::ui
