#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Widget tests need one application object for the whole program. Linked as an object
// library, so that its registration is never dropped by the linker.
class ApplicationTest : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Whatever escapes the stand-ins lands in Qt's test folders, not the user's own.
        QStandardPaths::setTestModeEnabled(true);
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char nom_[9] = "quillora";
    char* argv_[2] = {nom_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const environnement =
    ::testing::AddGlobalTestEnvironment(new ApplicationTest);

} // namespace
