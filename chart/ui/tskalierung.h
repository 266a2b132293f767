// The settings dialog "Einstellungen": axes, number formats, graph colours and
// lines, texts, print margins, picture quality and chart type.
#pragma once

#include "base/ui/quelltexte.h"
#include "chart/skalierungmodell.h"

#include <QDialog>
#include <QPointer>
#include <array>
#include <initializer_list>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace drel::chart {

// The help topic of the chart's settings dialog and value table.
inline constexpr int kHilfeThemaDiagramm = 12;

class TSkalierung : public ui::MitQuelltexten<QDialog> {
    Q_OBJECT
public:
    explicit TSkalierung(QWidget* parent = nullptr);

    SkalierungModell& modell() { return modell_; }

    // Fills the model from the chart and shows it in the controls.
    void fuellen(const ChartDaten& daten);
    // Shows the model in the controls / takes the controls into the model.
    void ausModell();
    void inModell();

    // "&OK" and a press on swatch i (1..10).
    void okGedrueckt();
    void farbeGedrueckt(int i);

protected:
    void showEvent(QShowEvent* event) override;

private:
    template <class W> W* beschriften(W* widget, const char* quelle);
    QLabel* label(const char* quelle, QWidget* parent);
    QGroupBox* radioGruppe(const char* titel, const QString& name,
                           std::initializer_list<const char*> texte, QButtonGroup*& gruppe,
                           QWidget* parent);
    QWidget* achsenTeil();
    QWidget* textTeil();
    QWidget* graphenTeil();
    QWidget* druckTeil();
    void swatchZeigen(int i);

    SkalierungModell modell_;
    std::array<QLineEdit*, 31> edit_{};
    std::array<QSpinBox*, 12> spin_{};
    std::array<QCheckBox*, 21> check_{};
    std::array<QToolButton*, 11> shape_{};
    QButtonGroup* position_ = nullptr;
    QButtonGroup* art_ = nullptr;
};

} // namespace drel::chart
