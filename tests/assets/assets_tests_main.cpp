#include <QGuiApplication>
#include <cstdlib>

#include <gtest/gtest.h>

#include "channels/sound_slots.h"

// Image plugins (ICO) are found through the application object; no screen
// is needed. The sound layer is opened on its loopback device by the tests
// that load through it.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    ShutdownSoundOutput();
    return result;
}
