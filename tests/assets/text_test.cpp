#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "assets/assets.h"

namespace {

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find('\n', start)) != std::string_view::npos; start = at + 1)
        lines.push_back(text.substr(start, at - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::size_t Count(std::string_view text, std::string_view part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

bool PlainAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u == '\n' || (u >= 0x20 && u < 0x7F);
    });
}

constexpr std::string_view PLACEHOLDER = "[Your Software Name]";

struct FixedLine {
    int index;  // 0-based
    std::string_view text;
};

// The lines whose wording is the program's own and fixed.
const FixedLine FIXED_HELP_LINES[] = {
    {0, "Select a sound from the drop down boxes on the left and click \"play\" on the right to hear it. You can "
        "play multiple sounds together to suit your preferences."},
    {1, ""},
    {2, "Optionally, you may set an alarm. Alarm time must be entered in 24 hour format (00:00 - 23:59). AM times "
        "are the same as usual, with the exception of 12AM being 00:00. PM times are the same plus 12 (so 1PM = "
        "13:00, 2PM = 14:00, etc). Once the alarm sounds, the \"Enable Alarm\" button will read \"ALARM\". Click "
        "\"ALARM\" to silence a sounding alarm. Be careful using a PC as a primary alarm clock if your operating "
        "system does automatic updates and reboots. The alarm sound in the compact version is quite primitive but "
        "still effective."},
    {3, ""},
    {4, ""},
    {5, "Explanation of \"NEAT Reminders\":"},
    {6, "NEAT stands for \"non-exercise activity thermogenesis\". The beeping noise serves as a reminder to keep a "
        "leg bouncing, your fingers tapping, playing with a fidget spinner, or anything of that nature, to keep your "
        "calories burning slowly."},
    {7, ""},
    {8, ""},
    {9, ""},
    {10, "Intent for future releases:"},
    {22, ""},
    {23, ""},
    {24, ""},
    {25, "[Your Software Name] License Agreement"},
};

TEST(HelpTextTest, HasItsThirtyEightLinesInPlaceEndingWithABreak)
{
    const std::string_view text = HelpText();
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(PlainAscii(text));
    EXPECT_EQ(text.back(), '\n');
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 38u);
    for (const FixedLine& fixed : FIXED_HELP_LINES)
        EXPECT_EQ(lines[fixed.index], fixed.text) << "line " << fixed.index + 1;
}

TEST(HelpTextTest, ListsElevenFuturePlansTwoOfThemSubPointsOfTheSecond)
{
    const auto lines = Lines(HelpText());
    ASSERT_EQ(lines.size(), 38u);
    int subPoints = 0;
    for (int i = 11; i <= 21; ++i) {
        const bool point = lines[i].starts_with("- ") && lines[i].size() > 2;
        const bool subPoint = lines[i].starts_with("  - ") && lines[i].size() > 4;
        EXPECT_TRUE(point || subPoint) << "line " << i + 1 << ": " << lines[i];
        subPoints += subPoint;
        if (subPoint) {
            EXPECT_TRUE(i == 13 || i == 14) << "a sub-point not under the second plan, line " << i + 1;
        }
    }
    EXPECT_EQ(subPoints, 2);
}

TEST(HelpTextTest, LicenceClausesInOrderWithThePlaceholderEightTimes)
{
    const std::string_view text = HelpText();
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 38u);
    const struct {
        std::string_view title;
        std::size_t placeholders;
    } clauses[] = {{"License Grant:", 1}, {"No Warranty:", 1},  {"No Support:", 1},
                   {"Limitation of Liability:", 1}, {"Termination:", 1}, {"Entire Agreement:", 2}};
    int line = 26;
    for (const auto& clause : clauses) {
        EXPECT_EQ(lines[line], "") << "no empty line before " << clause.title;
        EXPECT_TRUE(lines[line + 1].starts_with(clause.title)) << lines[line + 1];
        EXPECT_EQ(Count(lines[line + 1], PLACEHOLDER), clause.placeholders) << clause.title;
        line += 2;
    }
    EXPECT_EQ(Count(text, PLACEHOLDER), 8u);
}

TEST(OggNoticeTest, HeaderBlankLineRightsAndTheLicenceWithoutFinalBreak)
{
    const std::string_view text = OggNotice();
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(PlainAscii(text));
    EXPECT_NE(text.back(), '\n');
    const auto lines = Lines(text);
    ASSERT_GE(lines.size(), 6u);
    const auto isRule = [](std::string_view l) {
        return l.size() >= 10 && l.find_first_not_of('-') == std::string_view::npos;
    };
    EXPECT_TRUE(isRule(lines[0]));
    EXPECT_NE(lines[1].find("libogg"), std::string_view::npos);
    EXPECT_TRUE(isRule(lines[2]));
    EXPECT_EQ(lines[3], "    ");
    EXPECT_TRUE(lines[4].starts_with("Copyright")) << lines[4];
    EXPECT_NE(lines[4].find("Xiph.Org Foundation"), std::string_view::npos);
    for (const std::string_view clause :
         {"Redistribution and use in source and binary forms, with or without",
          "- Redistributions of source code must retain the above copyright",
          "- Redistributions in binary form must reproduce the above copyright",
          "- Neither the name of the Xiph.Org Foundation nor the names of its",
          "OF THIS SOFTWARE, EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGE."})
        EXPECT_EQ(std::count(lines.begin(), lines.end(), clause), 1) << clause;
    EXPECT_EQ(lines.back(), "OF THIS SOFTWARE, EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGE.");
}

TEST(CreditLineTest, NamesTheProgramItsVersionAndItsRights)
{
    const std::string_view credit = CreditLine();
    EXPECT_TRUE(credit.starts_with("Hushmere "));
    EXPECT_FALSE(ProgramVersion().empty());
    EXPECT_NE(credit.find(ProgramVersion()), std::string_view::npos);
    EXPECT_NE(credit.find("Copyright"), std::string_view::npos);
    EXPECT_EQ(credit.find('\n'), std::string_view::npos);
}

}  // namespace
