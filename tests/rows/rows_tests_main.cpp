#include <cstdlib>

#include <gtest/gtest.h>

#include "channels/loopback_output.h"
#include "toolkit/session.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    if (!InitToolkit() || !InitLoopbackSoundOutput(48000, 2))
        return 1;
    const int result = RUN_ALL_TESTS();
    ShutdownSoundOutput();
    ReleaseToolkit();
    return result;
}
