// GoogleTest main for suites that build widgets: a QApplication must exist
// before the first widget. Listing the tests (as ctest's discovery does) needs
// no window system, so no application is made for it.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--gtest_list_tests", 18) == 0)
            listing = true;
    if (::testing::GTEST_FLAG(list_tests))
        listing = true;
    std::unique_ptr<QApplication> app;
    if (!listing) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // With a display in the environment the offscreen platform talks to
        // that X server (for GLX) and its behaviour follows the server's;
        // the offscreen suites must not depend on which server is there.
        if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
            qunsetenv("DISPLAY");
        app = std::make_unique<QApplication>(argc, argv);
    }
    return RUN_ALL_TESTS();
}
