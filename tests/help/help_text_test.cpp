#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/assets.h"
#include "help/help_text.h"

static std::vector<std::u16string> Lines(const std::u16string& text)
{
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(u'\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::u16string::npos)
            return lines;
        start = end + 1;
    }
}

static bool StartsWith(const std::u16string& s, std::u16string_view prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}

TEST(HelpTextTest, CreditLineThenHelpThenTenEmptyLinesThenNotices)
{
    const std::u16string text = AssembleHelpText();
    const std::vector<std::u16string> lines = Lines(text);
    ASSERT_GT(lines.size(), 50u);

    const std::string_view credit = CreditLine();
    EXPECT_EQ(lines[0], std::u16string(credit.begin(), credit.end()));
    EXPECT_TRUE(StartsWith(lines[1], u"Select a sound"));

    EXPECT_EQ(text.find(u"[Your Software Name]"), std::u16string::npos);
    EXPECT_NE(std::find(lines.begin(), lines.end(), u"Hushmere License Agreement"), lines.end());

    const auto clause = std::find_if(lines.begin(), lines.end(),
                                     [](const std::u16string& l) { return StartsWith(l, u"Entire Agreement:"); });
    ASSERT_NE(clause, lines.end());
    const auto rule = std::find_if(clause, lines.end(), [](const std::u16string& l) { return StartsWith(l, u"----"); });
    ASSERT_NE(rule, lines.end());
    EXPECT_EQ(rule - clause - 1, 10);
    EXPECT_TRUE(std::all_of(clause + 1, rule, [](const std::u16string& l) { return l.empty(); }));

    // The Ogg notice comes first among the notices, then the others after one
    // empty line.
    const std::string_view ogg = OggNotice();
    const std::size_t oggAt = text.find(std::u16string(ogg.begin(), ogg.end()));
    ASSERT_NE(oggAt, std::u16string::npos);
    EXPECT_EQ(text.compare(oggAt + ogg.size(), 2, u"\n\n"), 0);
    EXPECT_NE(text.find(u"libvorbis", oggAt), std::u16string::npos);
    EXPECT_NE(text.find(u"OpenAL Soft", oggAt), std::u16string::npos);
    EXPECT_NE(text.find(u"\nQt\n", oggAt), std::u16string::npos);
}

TEST(HelpTextTest, ReplacesEveryPlaceholder)
{
    EXPECT_EQ(ReplaceAll(u"[X] and [X][X]", u"[X]", u"Name"), u"Name and NameName");
    // A name that contains the placeholder is not replaced again.
    EXPECT_EQ(ReplaceAll(u"[X]", u"[X]", u"[X][X]"), u"[X][X]");
    EXPECT_EQ(ReplaceAll(u"none", u"[X]", u"Name"), u"none");
}
