#include "base/ui/tdhilfe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace drel::ui {

namespace {

HilfeHook& hook() {
    static HilfeHook h;
    return h;
}

} // namespace

void setHilfeHook(HilfeHook neu) {
    hook() = std::move(neu);
}

bool hilfeAnfordern(int thema) {
    if (!hook())
        return false;
    hook()(thema);
    return true;
}

int hilfeThema(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        const QVariant thema = w->property("helpContext");
        if (thema.isValid())
            return thema.toInt();
    }
    return 0;
}

bool ModaleHilfeTaste::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress ||
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents))
        return QObject::eventFilter(watched, event);
    QWidget* modal = QApplication::activeModalWidget();
    auto* empfaenger = qobject_cast<QWidget*>(watched);
    if (!modal || !empfaenger || (empfaenger != modal && !modal->isAncestorOf(empfaenger)))
        return QObject::eventFilter(watched, event);
    const int thema = hilfeThema(empfaenger);
    return thema > 0 && hilfeAnfordern(thema);
}

} // namespace drel::ui
