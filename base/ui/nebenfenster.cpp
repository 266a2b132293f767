#include "base/ui/nebenfenster.h"

#include <QEvent>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace drel::ui {

namespace {

// Brings the window onto its screen each time it is shown.
class BildschirmHalter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override {
        auto* fenster = qobject_cast<QWidget*>(objekt);
        if (event->type() == QEvent::Show && fenster && fenster->screen()) {
            const QRect frei = fenster->screen()->availableGeometry();
            const QRect rahmen = fenster->frameGeometry();
            const QRect ziel = aufDenBildschirm(rahmen, frei);
            if (ziel != rahmen) {
                const QSize rand = rahmen.size() - fenster->size();
                fenster->resize(ziel.size() - rand);
                fenster->move(ziel.topLeft());
            }
        }
        return QObject::eventFilter(objekt, event);
    }
};

} // namespace

QRect aufDenBildschirm(const QRect& rahmen, const QRect& frei) {
    QRect r(rahmen.topLeft(), rahmen.size().boundedTo(frei.size()));
    r.moveLeft(std::clamp(r.left(), frei.left(), frei.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), frei.top(), frei.bottom() - r.height() + 1));
    return r;
}

void alsNebenfenster(QWidget* fenster) {
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), fenster);
    esc->setContext(Qt::WindowShortcut);
    QObject::connect(esc, &QShortcut::activated, fenster, &QWidget::close);
    fenster->installEventFilter(new BildschirmHalter(fenster));
}

} // namespace drel::ui
