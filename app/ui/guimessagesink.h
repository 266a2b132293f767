// Shows the messages of the core as message boxes.
#pragma once

#include "base/messagesink.h"

namespace drel::ui {

class GuiMessageSink : public MessageSink {
public:
    void show(const Message& message) override;
};

} // namespace drel::ui
