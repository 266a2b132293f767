// Widgets need a QApplication (offscreen).
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class UiUmgebung : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override { delete app_; }

private:
    int argc_ = 1;
    char name_[16] = "drel_test_ui";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

const auto* const umgebung = ::testing::AddGlobalTestEnvironment(new UiUmgebung);

} // namespace
