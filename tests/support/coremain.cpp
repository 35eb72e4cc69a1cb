// GoogleTest main of the model tests: models link Qt Core only, so their
// tests run in a QCoreApplication (which gives the program's folder and
// name), with no GUI and no display platform.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
