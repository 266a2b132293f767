// The base window of every window of the program: its font, and the common colours
// of the window, its shapes, panels and plain labels by their tag.
#pragma once

#include "base/ui/quelltexte.h"

#include <QColor>
#include <QDialog>
#include <memory>

namespace drel::ui {

inline const QColor kTdHellblau(214, 227, 247);
inline const QColor kTdBlau(0, 189, 242);

// The tag of a widget (dynamic property "tag"; 0 when it has none).
int tdTag(const QObject* o);
// Applies the colours by tag to `fenster` and its children. Shapes and panels are
// widgets whose property "tdArt" is "Shape" or "Panel".
void tdFarbenSetzen(QWidget* fenster);
// The window font ("Arial Unicode MS" and its free stand-ins).
QFont tdSchrift(const QFont& basis);

class TDForm : public MitQuelltexten<QDialog> {
    Q_OBJECT
public:
    explicit TDForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // Esc and the close box end up here: they do what the window's Cancel does. A form
    // embedded in another window never hides itself, or its host would be left empty.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // The window's Cancel; by default a top-level form closes, an embedded one stays.
    virtual void abbrechen();

private:
    bool imAbbrechen_ = false;
};

} // namespace drel::ui
