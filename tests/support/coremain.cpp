// GoogleTest main of the model tests: models link Qt Core only, so their
// tests run without any QApplication (and without a display platform).
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
