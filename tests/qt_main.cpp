// Runs the toolkit-level tests inside one QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The tests read English texts, whatever language the tester's desktop speaks; the
    // programs they start inherit this.
    unsetenv("LANGUAGE");
    unsetenv("LC_ALL");
    setenv("LC_MESSAGES", "C.UTF-8", 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
