// Window tests that open a modal window: the event loop runs until it is open, and the
// test handles it there.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace drel::test {

// Hands each modal window that comes up within `fristMs` to `behandeln` until it answers
// true (it has closed the window); false when none was handled.
inline bool modalBehandeln(const std::function<bool(QWidget*)>& behandeln, int fristMs = 2000) {
    bool gesehen = false;
    QEventLoop schleife;
    QTimer frist;
    frist.setSingleShot(true);
    QObject::connect(&frist, &QTimer::timeout, &schleife, &QEventLoop::quit);
    QTimer suchen;
    QObject::connect(&suchen, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || gesehen || !behandeln(modal))
            return;
        gesehen = true;
        suchen.stop();
        schleife.quit();
    });
    suchen.start(5);
    frist.start(fristMs);
    schleife.exec();
    QCoreApplication::processEvents();
    return gesehen;
}

// The first modal dialog to `pruefen`, then rejected.
inline bool modalPruefen(const std::function<void(QDialog*)>& pruefen, int fristMs = 2000) {
    return modalBehandeln(
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (!dialog)
                return false;
            pruefen(dialog);
            dialog->reject();
            return true;
        },
        fristMs);
}

} // namespace drel::test
