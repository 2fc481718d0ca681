#include <QCoreApplication>
#include <gtest/gtest.h>

// Core tests need an application object for the executable's directory and the text codecs.
int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
