#include "app/ui/guimessagesink.h"

#include <QApplication>
#include <QMessageBox>

namespace drel::ui {

namespace {

QMessageBox::Icon symbol(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void GuiMessageSink::show(const Message& message) {
    const QString caption =
        message.caption.isEmpty() ? QApplication::applicationName() : message.caption;
    QMessageBox box(symbol(message.kind), caption, message.text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace drel::ui
