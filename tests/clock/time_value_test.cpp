#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "clock/time_value.h"

struct NumberCase {
    std::u16string text;
    std::int64_t timeValue;   // colons removed first
    std::int64_t readNumber;  // colons kept
};

class TimeValueTest : public testing::TestWithParam<NumberCase> {};

TEST_P(TimeValueTest, ReadsByTheRule)
{
    const NumberCase& c = GetParam();
    EXPECT_EQ(TimeValue(c.text), c.timeValue);
    EXPECT_EQ(ReadNumber(c.text), c.readNumber);
}

INSTANTIATE_TEST_SUITE_P(Texts, TimeValueTest, testing::Values(
    NumberCase{u"070509", 70509, 70509},
    NumberCase{u"07:05:09", 70509, 7},
    NumberCase{u"00:00:00", 0, 0},
    NumberCase{u"23:59:59", 235959, 23},
    NumberCase{u"", 0, 0},
    NumberCase{u"7a", 7, 7},
    NumberCase{u"-12", -12, -12},
    NumberCase{u"+12", 12, 12},
    NumberCase{u"$1F", 31, 31},
    NumberCase{u"$ff", 255, 255},
    NumberCase{u"%101", 5, 5},
    NumberCase{u"%102", 2, 2},
    NumberCase{u"-$10", -16, -16},
    NumberCase{u" \t 42", 42, 42},
    NumberCase{u"\n42", 0, 0},
    NumberCase{u"$", 0, 0},
    NumberCase{u"-", 0, 0},
    NumberCase{u"abc", 0, 0},
    NumberCase{u"6:3000", 63000, 6},
    // 2^64 + 1 wraps to 1; twenty nines wrap to 99999999999999999999 - 5 x 2^64.
    NumberCase{u"18446744073709551617", 1, 1},
    NumberCase{u"99999999999999999999", 7766279631452241919, 7766279631452241919},
    // 2^63 wraps to the most negative value.
    NumberCase{u"9223372036854775808", INT64_MIN, INT64_MIN}));
