// Window tests that open a modal window: the event loop runs until it is open, the test
// looks at it, then it is closed with reject.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace drel::test {

// Hands the first modal dialog that comes up within `fristMs` to `pruefen`, then
// rejects it; false when none came up.
inline bool modalPruefen(const std::function<void(QDialog*)>& pruefen, int fristMs = 2000) {
    bool gesehen = false;
    QEventLoop schleife;
    QTimer frist;
    frist.setSingleShot(true);
    QObject::connect(&frist, &QTimer::timeout, &schleife, &QEventLoop::quit);
    QTimer suchen;
    QObject::connect(&suchen, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || gesehen)
            return;
        gesehen = true;
        suchen.stop();
        pruefen(modal);
        modal->reject();
        schleife.quit();
    });
    suchen.start(5);
    frist.start(fristMs);
    schleife.exec();
    QCoreApplication::processEvents();
    return gesehen;
}

} // namespace drel::test
