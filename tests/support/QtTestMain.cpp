// GoogleTest main for test programs that need a QApplication (widgets, windows, printers, fonts).
#include <QApplication>

#include <gtest/gtest.h>

// Under LeakSanitizer: the CUPS library keeps some of its PPD cache for good.
extern "C" const char* __lsan_default_options() {
    return "suppressions=" VELMORA_LSAN_SUPPRESSIONS;
}

int main(int argc, char** argv) {
    // Off screen unless the environment names a platform, also while ctest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
