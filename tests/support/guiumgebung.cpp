// Tests that measure or draw texts need a GUI application object (offscreen).
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

class GuiUmgebung : public ::testing::Environment {
public:
    void SetUp() override {
        if (QCoreApplication::instance() != nullptr)
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = new QGuiApplication(argc_, argv_);
    }
    void TearDown() override { delete app_; }

private:
    int argc_ = 1;
    char name_[16] = "drel_test";
    char* argv_[2] = {name_, nullptr};
    QGuiApplication* app_ = nullptr;
};

const auto* const umgebung = ::testing::AddGlobalTestEnvironment(new GuiUmgebung);

} // namespace
