// The hourglass while the program works; restored on every way out, exceptions included.
#pragma once

#include <QGuiApplication>

namespace drel::ui {

class WarteCursor {
public:
    WarteCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WarteCursor() { QGuiApplication::restoreOverrideCursor(); }
    WarteCursor(const WarteCursor&) = delete;
    WarteCursor& operator=(const WarteCursor&) = delete;
};

} // namespace drel::ui
