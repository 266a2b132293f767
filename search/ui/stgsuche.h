// The result grid: one heading row and the rows of the result list, drawn in
// alternating colours; a left press arms a one-shot flag so that the next cell
// selection opens the data sheet, as a double click or Return do at once.
#pragma once

#include <QColor>
#include <QTableView>

class QPalette;

namespace drel::search {
class ErgebnisListe;
}

namespace drel::ui {

class ErgebnisModell;

// Background of a data cell (grid row counted from 1) and its text colour.
QColor stgZellFarbe(int gridZeile, bool markiert, const QPalette& palette);
QColor stgTextFarbe(bool markiert, const QPalette& palette);
// Column 0 left-aligned, the number columns right-aligned.
Qt::Alignment stgAusrichtung(int spalte);

class TStgSuche : public QTableView {
    Q_OBJECT
public:
    static constexpr int kTextOben = 2;   // pixels between cell top and text
    static constexpr int kRandRechts = 3; // pixels between number and right edge

    explicit TStgSuche(QWidget* parent = nullptr);

    // Headings, rows, selected and top row from the result list.
    // With `kopfRand` not empty the margin column is shown.
    void fuellen(const search::ErgebnisListe& liste, const QString& kopfTyp, const QString& kopfQo,
                 const QString& kopfRand = {});
    // The selected grid rows (1 = first), top to bottom; several with Ctrl or Shift.
    QList<int> markierteZeilen() const;
    // The selected grid row (1 = first data row), 0 when none.
    int Row() const { return currentRow() + 1; }
    int currentRow() const { return currentIndex().row(); }
    void setCurrentCell(int zeile, int spalte);
    int rowCount() const;
    // The text of a cell (0-based) and of a heading.
    QString text(int zeile, int spalte) const;
    QString kopf(int spalte) const;
    const ErgebnisModell& modell() const { return *modell_; }
    ErgebnisModell& modell() { return *modell_; }
    int TopRow() const;
    bool scharf() const { return scharf_; }
    void entschaerfen() { scharf_ = false; }

signals:
    void oeffnen(); // open the data sheet of the selected row
    void zeileGewaehlt(int gridZeile);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The hint follows the language.
    void changeEvent(QEvent* event) override;

private:
    void zelleGewechselt(int zeile);
    void obereZeileSetzen();

    ErgebnisModell* modell_ = nullptr;
    bool scharf_ = false;
    bool fuellt_ = false;
    int obereZeile_ = 1;
};

} // namespace drel::ui
