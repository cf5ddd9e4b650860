// Entry point of the window tests: one toolkit session on Qt's offscreen
// platform, so that no test ever reaches a real display.
#include <gtest/gtest.h>

#include <cstdlib>

#include "toolkit/session.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    if (!InitToolkit())
        return 1;
    const int result = RUN_ALL_TESTS();
    ReleaseToolkit();
    return result;
}
