// The main window's menu bar: its entries with the source texts they are translated
// from, the state each content area allows, and the docked sheet's menu copied in.
#pragma once

#include "app/hauptzustand.h"

#include <QObject>
#include <QString>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

namespace drel::ui {

class Quelltexte;
class TFrmTechnik;

class Hauptmenue : public QObject {
    Q_OBJECT
public:
    // The entries' texts are kept in `texte`, the main window's.
    Hauptmenue(QMainWindow& fenster, Quelltexte& texte);

    // The current language checked in the language menu.
    void spracheMarkieren();
    void zustandSetzen(const MenueZustand& zustand);
    // The sheet's "Extras" menu enters the bar at position 4 (replacing an earlier copy).
    void blattMenueEintragen(TFrmTechnik* blatt);
    void blattMenueEntfernen();

signals:
    void beenden();
    void einheiten();
    void reihenberechnung(); // the batch window
    void vergleich();        // the comparison window, empty
    void spracheGewaehlt(int nummer);
    void suchen();
    void hilfe();
    // A note text of the program directory under the entry's caption.
    void hinweis(const QString& caption, const QString& dateiStamm);
    void internet();
    void kontakt();
    void copyright();

private:
    QAction* eintrag(QMenu* menu, const char* name, const char* quelle);
    QMenu* untermenue(QMenu* menu, const char* name, const char* quelle);
    void optionenAnlegen();
    void hilfeAnlegen();

    QMainWindow& fenster_;
    Quelltexte& texte_;
    QMenu* Sprache1_ = nullptr;
    QAction* Einheiten1_ = nullptr;
    QActionGroup* sprachGruppe_ = nullptr;
};

} // namespace drel::ui
