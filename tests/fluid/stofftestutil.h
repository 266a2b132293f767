// Shared set-up of the property tests: the bundled fluid files and a recording sink.
#pragma once

#include "base/messagesink.h"
#include "fluid/stoff.h"

#include <QString>

namespace drel::fluid::test {

inline QString bundledReflibs() {
    return QStringLiteral(DREL_SOURCE_DIR "/data/reflibs");
}

inline QString fixtureReflibs() {
    return QStringLiteral(DREL_TEST_DATA "/fluid/reflibs");
}

// A property object on the bundled files with a recording sink installed.
struct StoffFixture {
    RecordingSink sink;
    ScopedMessageSink guard{&sink};
    TStoff stoff;
    StoffFixture() { stoff.Create(bundledReflibs()); }
    TStoff& with(const char* refrigerant) {
        stoff.KaeltemittelSetzen(QString::fromLatin1(refrigerant));
        return stoff;
    }
};

} // namespace drel::fluid::test
