// The product-information pages of the data sheet as widgets: each owns its page
// model, fills it for one article and shows what the model holds.
#pragma once

#include "chart/grenztest.h"
#include "sheet/pages/ausschreibung.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/pages/masseseite.h"
#include "sheet/pages/technDaten.h"
#include "sheet/pages/textseite.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QVBoxLayout;

namespace drel::db {
class TDataModule1;
}
namespace drel::calc {
class Einheiten;
class TStoff;
} // namespace drel::calc
namespace drel::sheet {
class TechnikModell;
}

namespace drel::ui {

// "Techn. Daten": the values grid and the numbered footnotes under "Bemerkungen:".
class TechnDatenTab : public QWidget {
    Q_OBJECT
public:
    explicit TechnDatenTab(QWidget* parent = nullptr);
    void fuellen(db::TDataModule1& dm, qint32 artikelId);
    QTableWidget* StringGrid() const { return StringGrid_; }

private:
    sheet::TechnDatenSeite seite_;
    QTableWidget* StringGrid_ = nullptr;
    QLabel* Panel4_ = nullptr;
    QVBoxLayout* memos_ = nullptr;
};

// "Lieferumfang" and "Zubehor": one read-only text block per entry.
class TextTab : public QWidget {
    Q_OBJECT
public:
    TextTab(sheet::TextSeitenArt art, QWidget* parent = nullptr);
    void fuellen(db::TDataModule1& dm, qint32 artikelId);

private:
    sheet::TextSeite seite_;
    QVBoxLayout* memos_ = nullptr;
};

// "Produktfoto": the photo in its shown size and the caption.
class FotoTab : public QWidget {
    Q_OBJECT
public:
    explicit FotoTab(QWidget* parent = nullptr);
    void fuellen(db::TDataModule1& dm, qint32 artikelId);

private:
    sheet::FotoSeite seite_;
    QLabel* Image2_ = nullptr;
    QLabel* unterschrift_ = nullptr;
};

// "Masse und Anschlusse": the dimension drawing and the connections grid.
class MasseTab : public QWidget {
    Q_OBJECT
public:
    explicit MasseTab(QWidget* parent = nullptr);
    void fuellen(db::TDataModule1& dm, qint32 artikelId);

private:
    sheet::MasseSeite seite_;
    QLabel* Image1_ = nullptr;
    QTableWidget* StringGrid_ = nullptr;
};

// "Tabelle Leistungsdaten": the range fields, "Berechnen" and the table grid; cells
// outside the application envelope are greyed.
class TabelleTab : public QWidget {
    Q_OBJECT
public:
    TabelleTab(db::TDataModule1& dm, calc::TStoff& stoff, const calc::Einheiten& einheiten,
               const sheet::TechnikModell& modell, QWidget* parent = nullptr);
    // The t0 and tc ranges as the sheet's last recalculation set them.
    void fuellen();
    void Button1Click();
    QPushButton* Button1() const { return Button1_; }
    QTableWidget* Grid() const { return Grid_; }
    QSpinBox* spin(int nummer) const { return spins_[nummer - 1]; } // SpinEdit1 … 9

private:
    void gitterFuellen();
    void inFelder();

    db::TDataModule1& dm_;
    calc::TStoff& stoff_;
    const calc::Einheiten& einheiten_;
    const sheet::TechnikModell& modell_;
    sheet::TabBereiche bereiche_;
    sheet::LeistungsTabelle tabelle_;
    chart::GrenzChart chart_;
    QSpinBox* spins_[9] = {};
    QWidget* Panel6_ = nullptr;
    QWidget* Panel7_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QTableWidget* Grid_ = nullptr;
};

// "Ausschreibungstexte": the tender text of the ticked parts; ticking rebuilds it.
class AusschreibungTab : public QWidget {
    Q_OBJECT
public:
    AusschreibungTab(db::TDataModule1& dm, const sheet::TechnikModell& modell,
                     QWidget* parent = nullptr);
    void BitBtn5Click();
    QTextEdit* DRichEdit1() const { return DRichEdit1_; }
    QCheckBox* CheckBox(int nummer) const { return boxen_[nummer - 1]; } // 1 … 4

private:
    db::TDataModule1& dm_;
    const sheet::TechnikModell& modell_;
    sheet::Ausschreibung text_;
    QTextEdit* DRichEdit1_ = nullptr;
    QCheckBox* boxen_[4] = {};
};

} // namespace drel::ui
