#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "channels/sound_slots.h"

namespace {

// A sound card that ALSA can open directly would rightly be taken.
bool SoundCardPresent()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/snd", error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("pcmC") && name.ends_with("p")) {
            return true;
        }
    }
    return std::filesystem::exists("/dev/dsp");
}

struct NoOutputCase {
    const char* name;
    const char* variable;
    const char* value;
};

// Each case runs in a fresh process, because OpenAL Soft picks its backend
// once per process, at its first use.
TEST(SoundOutputOpen, WithoutAUsableOutputInitFails)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const NoOutputCase cases[] = {
        {"no sound server", "PULSE_SERVER", "unix:/nonexistent/hushmere-test/native"},
        // OpenAL's null backend accepts everything and plays nothing; it must
        // not pass for a sound output.
        {"only the null backend", "ALSOFT_DRIVERS", "null"},
    };
    for (const NoOutputCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.variable) == "PULSE_SERVER" && SoundCardPresent()) {
            std::cout << "skipping \"" << c.name << "\": this machine has a sound card\n";
            continue;
        }
        EXPECT_EXIT(
            {
                setenv(c.variable, c.value, 1);
                const bool opened = InitSoundOutput();
                ShutdownSoundOutput();
                std::exit(opened ? 1 : 0);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

} // namespace
