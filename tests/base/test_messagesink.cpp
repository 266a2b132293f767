#include "base/messagesink.h"

#include <gtest/gtest.h>

using namespace drel;

TEST(MessageSink, RecordsMessagesWithCaptionAndKind) {
    RecordingSink sink;
    ScopedMessageSink guard(&sink);
    report("Datei fehlt", "Fehler", MessageKind::Error);
    report("Hinweis", "", MessageKind::Information);
    ASSERT_EQ(sink.messages.size(), 2);
    EXPECT_EQ(sink.messages[0].text, "Datei fehlt");
    EXPECT_EQ(sink.messages[0].caption, "Fehler");
    EXPECT_EQ(sink.messages[1].kind, MessageKind::Information);
}

TEST(MessageSink, RepeatedMessageShownOncePerOperation) {
    RecordingSink sink;
    ScopedMessageSink guard(&sink);
    {
        MessageScope search;
        for (int i = 0; i < 5; ++i)
            report("R134a: Stoffdatei fehlt", "Fehler");
        {
            MessageScope inner; // nested scopes belong to the same operation
            report("R134a: Stoffdatei fehlt", "Fehler");
            report("anderer Text", "Fehler");
        }
    }
    EXPECT_EQ(sink.messages.size(), 2);
    {
        MessageScope nextSearch;
        report("R134a: Stoffdatei fehlt", "Fehler");
    }
    EXPECT_EQ(sink.messages.size(), 3);
    // Outside any operation every message is shown.
    report("x");
    report("x");
    EXPECT_EQ(sink.messages.size(), 5);
}

TEST(MessageSink, GuardRestoresPreviousSink) {
    RecordingSink outer;
    ScopedMessageSink a(&outer);
    {
        RecordingSink inner;
        ScopedMessageSink b(&inner);
        report("inner");
        EXPECT_EQ(inner.messages.size(), 1);
    }
    report("outer");
    ASSERT_EQ(outer.messages.size(), 1);
    EXPECT_EQ(outer.messages[0].text, "outer");
}
