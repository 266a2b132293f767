// The search window: the criteria, the series boxes, the refrigerant list and the
// result grid, bound to SuchModell. Every handler forwards to the model and then shows
// the model's state again (ausModell); the window itself holds no search logic.
#pragma once

#include "base/ui/tdform.h"
#include "chart/grenztest.h"
#include "search/suchmodell.h"
#include "search/suchstart.h"

#include <QMap>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace drel::ui {

class TDEdit;
class TDSpinEdit;
class TStgSuche;

class TFrmSuche : public TDForm {
    Q_OBJECT
public:
    TFrmSuche(calc::Einheiten& einheiten, QWidget* parent = nullptr);
    ~TFrmSuche() override;

    // FormCreate: the database check and the lists of the condensing-unit search; the
    // window can search only after it.
    void FormCreate(db::TDataModule1& dm, fluid::TStoff& stoff,
                    const dbbuild::PruefBeobachter& beobachter = {});
    bool suchbereit() const { return dienste_.has_value(); }
    // search.ini (read on every show, written on every search).
    void setSuchIni(const QString& pfad) { suchIni_ = pfad; }

    // The main window opens the search area: settings read, result area hidden.
    void suchbereichOeffnen();
    // Back from a data sheet: the result list as it was, the keyboard in it.
    void ergebnisFokussieren();

    search::SuchModell& model() { return modell_; }
    TStgSuche* stgSuche() const { return stgSuche_; }
    TDEdit* feld(search::Feld f) const;
    QCheckBox* box(search::Box b) const;

    void OKBtnClick();
    // The grid's menu: the margin column on or off (kept in search.ini), the comparison.
    void randSpalteClick(bool an);
    void vergleichenClick();
    QAction* randAktion() const { return randAktion_; }
    QAction* vergleichAktion() const { return vergleichAktion_; }
    void CancelBtnClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    // Shows the model's state in the widgets.
    void ausModell();

signals:
    void zurueck();                          // CancelBtn: back to the product browser
    void statusMeldung(const QString& text); // a line for the main window's status bar
    void hilfeAngefordert(int thema);        // the help button: the window's help topic
    // BitBtn2, a double click or Return in the result grid: open the data sheet.
    void datenblattOeffnen(const DatenblattAuftrag& auftrag);
    // The grid's menu, "Vergleichen": the selected rows (two to four) side by side.
    void vergleichOeffnen(const QList<DatenblattAuftrag>& auftraege);
    // BitBtn3: print the grid as it stands (row 0 the heading) with the page label and
    // the search it answers: series, refrigerant, operating point (see druckKopf).
    void ergebnisDrucken(const QList<QStringList>& raster, const QString& seite,
                         const QStringList& kopf);

protected:
    void abbrechen() override { CancelBtnClick(); }
    // The result headings and the reason of an empty list are the window's own words.
    void spracheGewechselt() override;

private:
    void anlegen();
    void bindungenAnlegen();
    void kaeltemittelZeigen(const search::SuchModell& m);
    QWidget* kopfAnlegen();
    QWidget* serienAnlegen();
    QWidget* verdichterBoxenAnlegen();
    QWidget* aggregatBoxenAnlegen();
    QWidget* felderAnlegen();
    QWidget* ergebnisAnlegen();
    QWidget* verborgeneAnlegen();
    QCheckBox* boxAnlegen(search::Box b, const char* name, const char* serie, const char* text,
                          QWidget* parent, QGridLayout* raster, int zeile);
    TDEdit* feldAnlegen(search::Feld f, const char* name, const char* spinName, QGridLayout* raster,
                        int zeile, QLabel* label, QLabel* einheit);
    void feldGeaendert(search::Feld f);
    void gridFuellen();
    // The search as it ran, for the printout's head: the ticked series, the
    // refrigerant and the operating point with its units.
    QStringList druckKopf() const;

    calc::Einheiten& einheiten_;
    search::Suchergebnis ergebnis_; // the result table of this window's searches
    search::SuchModell modell_;
    QString suchIni_;
    QStringList gesucht_; // druckKopf() of the search the list shows
    struct Dienste {
        db::TDataModule1* dm;
        fluid::TStoff* stoff;
        search::SuchListen listen;
    };
    std::optional<Dienste> dienste_;
    chart::GrenzChart chart_;

    // Control and model flag: checked, visible, enabled.
    template <class W> using Bindung = std::vector<std::pair<W*, bool search::SuchModell::*>>;
    Bindung<QAbstractButton> gesetzt_;
    Bindung<QWidget> sichtbar_;
    Bindung<QWidget> aktiv_;
    QRadioButton* rbVerdichter_ = nullptr;
    QRadioButton* rbSatz_ = nullptr;
    QListWidget* KMListe_ = nullptr;
    QMap<search::Feld, TDEdit*> felder_;
    QMap<search::Box, QCheckBox*> boxen_;
    QLabel* Label7_ = nullptr;
    QLabel* Label8_ = nullptr;
    QLabel* Label5_ = nullptr;
    QLabel* Label14_ = nullptr;
    QWidget* SpinQ0_ = nullptr;
    QWidget* Panel3_ = nullptr;
    QLabel* Label22_ = nullptr; // the speed row (shown as the model's Panel4)
    QLabel* Label57_ = nullptr;
    QWidget* Panel6_ = nullptr;
    QWidget* Panel7_ = nullptr;
    QWidget* Panel8_ = nullptr;
    QLabel* lblLeer_ = nullptr; // why the list is empty
    QWidget* Panel10_ = nullptr;
    QWidget* Panel1_ = nullptr;
    QRadioButton* rb50Hz_ = nullptr;
    QRadioButton* rb60Hz_ = nullptr;
    TDSpinEdit* SpinN_ = nullptr;
    QCheckBox* chkq0_ = nullptr;
    QCheckBox* chktyp_ = nullptr;
    QLineEdit* vTyp_ = nullptr;
    TStgSuche* stgSuche_ = nullptr;
    QPushButton* BitBtn2_ = nullptr;
    QAction* randAktion_ = nullptr;
    QAction* vergleichAktion_ = nullptr;
    bool zeigt_ = false; // ausModell is writing the widgets
};

} // namespace drel::ui
