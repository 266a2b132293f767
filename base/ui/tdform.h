// The base window of every window of the program: its font, and the common colours
// of the window, its shapes, panels and plain labels by their tag.
#pragma once

#include "base/ui/quelltexte.h"

#include <QColor>
#include <QDialog>
#include <QShowEvent>
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

// Marks a window that has the behaviour of TDForm, whichever Qt window class it is.
class TDFormKennung {
public:
    virtual ~TDFormKennung() = default;
};

inline bool istTDForm(const QWidget* fenster) {
    return dynamic_cast<const TDFormKennung*>(fenster) != nullptr;
}

// What TDForm gives a window: its font on creation and the colours by tag when it is
// shown. A template, so that the main window (a QMainWindow, not a dialog) gets the
// same behaviour as the dialogs.
template <class Basis> class TDFormArt : public MitQuelltexten<Basis>, public TDFormKennung {
public:
    explicit TDFormArt(QWidget* parent = nullptr, Qt::WindowFlags flags = {})
        : MitQuelltexten<Basis>(parent, flags) {
        this->setFont(tdSchrift(this->font()));
    }

protected:
    void showEvent(QShowEvent* event) override {
        tdFarbenSetzen(this);
        Basis::showEvent(event);
    }
};

class TDForm : public TDFormArt<QDialog> {
    Q_OBJECT
public:
    explicit TDForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // Esc and the close box end up here: they do what the window's Cancel does. A form
    // embedded in another window never hides itself, or its host would be left empty.
    void reject() override;

protected:
    // The window's Cancel; by default a top-level form closes, an embedded one stays.
    virtual void abbrechen();

private:
    bool imAbbrechen_ = false;
};

} // namespace drel::ui
