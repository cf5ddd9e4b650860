#include "clock/time_text.h"

#include <ctime>

static LocalTime ReadSystemClock()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_hour, local.tm_min, local.tm_sec};
}

static WallClock wallClock = ReadSystemClock;

void SetWallClock(WallClock clock) { wallClock = clock ? clock : ReadSystemClock; }

// One field in decimal without leading zeros, a "0" put in front of a single
// digit.
static void AppendField(std::u16string& text, int value)
{
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    if (digits.size() == 1)
        digits.insert(digits.begin(), u'0');
    text += digits;
}

std::u16string CurrentTimeText()
{
    const LocalTime now = wallClock();
    std::u16string text;
    AppendField(text, now.hour);
    text += u':';
    AppendField(text, now.minute);
    text += u':';
    AppendField(text, now.second);
    return text;
}
