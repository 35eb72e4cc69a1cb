// Runs every GoogleTest case inside one QApplication on the offscreen
// platform, so that window tests need no display.
#include "platform/carriedfonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program's fonts where it carries them (the Windows build).
    LoadProgramFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
