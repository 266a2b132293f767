// The set-up the catalogue tests share: a small catalogue written into a temporary
// program directory, German number separators, messages recorded instead of shown,
// the data module on the catalogue, the bundled fluid files and SI units.
#pragma once

#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "tests/support/einheitenwahl.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace drel::testing {

class KatalogTest : public ::testing::Test {
protected:
    // Writes the catalogue with `schreiben` and opens it; run it under
    // ASSERT_NO_FATAL_FAILURE so that a failed set-up stops the test.
    void katalogOeffnen(void (*schreiben)(const QString&), bool mitStoff = true) {
        setNumberSeparators(NumberSeparators::german());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Daten")));
        schreiben(dir_.path());
        dm_ = std::make_unique<db::TDataModule1>(dir_.path());
        if (mitStoff)
            stoff_.Create(QStringLiteral(DREL_SOURCE_DIR "/data/reflibs"));
        einheiten_ = siEinheiten();
    }

    QTemporaryDir dir_;
    RecordingSink sink_;
    ScopedMessageSink guard_{&sink_};
    std::unique_ptr<db::TDataModule1> dm_;
    fluid::TStoff stoff_;
    calc::Einheiten einheiten_;
};

} // namespace drel::testing
