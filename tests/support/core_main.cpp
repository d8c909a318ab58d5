// Entry point of the tests of GUI-free code: a core application only (no
// widgets, no platform plug-in), so these tests prove the code under test
// needs no window.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
