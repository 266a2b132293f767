#include "base/ui/hinweispause.h"

#include <QHelpEvent>
#include <QRect>
#include <QToolTip>
#include <QWidget>

namespace drel::ui {

HinweisPause::HinweisPause(int ms, QObject* parent, Anzeige anzeige)
    : QObject(parent), ms_(ms), anzeige_(std::move(anzeige)) {
    if (!anzeige_)
        anzeige_ = [](QPoint ort, const QString& text, QWidget* w, int dauer) {
            QToolTip::showText(ort, text, w, QRect(), dauer);
        };
}

bool HinweisPause::eventFilter(QObject* objekt, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !objekt->isWidgetType())
        return QObject::eventFilter(objekt, event);
    auto* w = static_cast<QWidget*>(objekt);
    // Item views and widgets with their own duration keep Qt's handling.
    if (w->toolTip().isEmpty() || w->toolTipDuration() >= 0)
        return QObject::eventFilter(objekt, event);
    anzeige_(static_cast<QHelpEvent*>(event)->globalPos(), w->toolTip(), w, ms_);
    return true;
}

} // namespace drel::ui
