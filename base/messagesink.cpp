#include "base/messagesink.h"

#include <cstdio>

namespace drel {

namespace {
StderrSink defaultSink;
MessageSink* currentSink = nullptr;
int scopeDepth = 0;
QSet<QString> shownInScope;
} // namespace

MessageSink* messageSink() {
    return currentSink ? currentSink : &defaultSink;
}

MessageSink* setMessageSink(MessageSink* sink) {
    MessageSink* previous = currentSink;
    currentSink = sink;
    return previous;
}

void report(const QString& text, const QString& caption, MessageKind kind) {
    if (scopeDepth > 0) {
        const QString key = caption + QChar(0x1f) + text;
        if (shownInScope.contains(key))
            return;
        shownInScope.insert(key);
    }
    messageSink()->show({text, caption, kind});
}

MessageScope::MessageScope() {
    ++scopeDepth;
}

MessageScope::~MessageScope() {
    if (--scopeDepth == 0)
        shownInScope.clear();
}

void StderrSink::show(const Message& message) {
    const QByteArray line =
        (message.caption.isEmpty() ? message.text : message.caption + ": " + message.text)
            .toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
}

} // namespace drel
