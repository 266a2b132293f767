// The hint hide pause: every hint of the program stays as long as the main window sets,
// instead of Qt's length-dependent time, unless its widget sets a duration of its own.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>

class QWidget;

namespace drel::ui {

class HinweisPause : public QObject {
    Q_OBJECT
public:
    // How a hint is shown: at the screen point, the text, over the widget, for ms.
    using Anzeige = std::function<void(QPoint, const QString&, QWidget*, int)>;

    explicit HinweisPause(int ms, QObject* parent = nullptr, Anzeige anzeige = {});
    int ms() const { return ms_; }

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    int ms_;
    Anzeige anzeige_;
};

} // namespace drel::ui
