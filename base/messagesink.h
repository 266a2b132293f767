// Core code never opens a message box: it reports through the installed sink.
#pragma once

#include <QSet>
#include <QString>

namespace drel {

enum class MessageKind { Information, Warning, Error };

struct Message {
    QString text;
    QString caption;
    MessageKind kind = MessageKind::Information;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const Message& message) = 0;
};

// The process-wide sink. Without an installed sink messages go to stderr.
MessageSink* messageSink();
// Installs a sink (not owned) and returns the previous one; nullptr restores stderr.
MessageSink* setMessageSink(MessageSink* sink);

// Reports a message; inside a MessageScope a repeated message is shown once.
void report(const QString& text, const QString& caption = QString(),
            MessageKind kind = MessageKind::Error);

// Marks one operation (a search, a recalculation): while the outermost scope
// lives, the same text and caption reach the sink only once.
class MessageScope {
public:
    MessageScope();
    ~MessageScope();
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;
};

// Sink that prints "caption: text" to stderr (drel-cli and the default).
class StderrSink : public MessageSink {
public:
    void show(const Message& message) override;
};

// Sink that keeps every message (tests).
class RecordingSink : public MessageSink {
public:
    void show(const Message& message) override { messages.push_back(message); }
    QList<Message> messages;
};

// Installs a sink for the lifetime of the guard.
class ScopedMessageSink {
public:
    explicit ScopedMessageSink(MessageSink* sink) : previous_(setMessageSink(sink)) {}
    ~ScopedMessageSink() { setMessageSink(previous_); }
    ScopedMessageSink(const ScopedMessageSink&) = delete;
    ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

private:
    MessageSink* previous_;
};

} // namespace drel
