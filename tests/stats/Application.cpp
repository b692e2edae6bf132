#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The controls are widgets and draw text, so every test needs one application object.
class Application : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char nom_[12] = "tests_stats";
    char* argv_[2] = {nom_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const environnement =
    ::testing::AddGlobalTestEnvironment(new Application);

} // namespace
