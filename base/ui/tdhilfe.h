// Help for every window: the application shell sets the hook that shows a topic of the
// help file, and the windows of the lower layers ask through it. F1 in a modal window
// opens that window's topic (the shell's own F1 shortcut does not reach past it).
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace drel::ui {

using HilfeHook = std::function<void(int thema)>;

// Sets the hook that shows help topic `thema`; an empty hook clears it.
void setHilfeHook(HilfeHook hook);
// Asks for topic `thema`; false when no hook is set.
bool hilfeAnfordern(int thema);
// The topic of `w`: the "helpContext" of w or of its nearest parent that has one; 0 none.
int hilfeThema(const QWidget* w);

// Application event filter: F1 while a modal window is open asks for the topic of the
// widget with the focus in it (or of the modal window itself).
class ModaleHilfeTaste : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace drel::ui
