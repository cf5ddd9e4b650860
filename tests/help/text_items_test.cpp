#include <string>

#include <gtest/gtest.h>

#include "help/text_items.h"

struct ItemCase {
    const char* name;
    std::u16string before;
    bool append;       // otherwise insert at `line`
    std::size_t line;
    std::u16string item;
    std::u16string after;
};

class TextItemTest : public testing::TestWithParam<ItemCase> {};

TEST_P(TextItemTest, AddsTheItem)
{
    const ItemCase& c = GetParam();
    std::u16string text = c.before;
    if (c.append)
        AppendItem(text, c.item);
    else
        InsertItemAtLine(text, c.line, c.item);
    EXPECT_EQ(text, c.after);
}

INSTANTIATE_TEST_SUITE_P(Items, TextItemTest, testing::Values(
    ItemCase{"AppendToEmpty", u"", true, 0, u"one", u"one"},
    ItemCase{"AppendAddsOneBreak", u"one", true, 0, u"two", u"one\ntwo"},
    ItemCase{"AppendAfterTrailingBreak", u"one\n", true, 0, u"two", u"one\n\ntwo"},
    ItemCase{"InsertAtTop", u"one\ntwo", false, 0, u"zero", u"zero\none\ntwo"},
    ItemCase{"InsertInTheMiddle", u"one\ntwo", false, 1, u"half", u"one\nhalf\ntwo"},
    ItemCase{"InsertAtAnEmptyLastLine", u"one\n", false, 1, u"two", u"one\ntwo\n"},
    ItemCase{"InsertPastTheLastLineAppends", u"one", false, 3, u"two", u"one\ntwo"},
    ItemCase{"InsertIntoEmptyAppends", u"", false, 0, u"one", u"one"},
    ItemCase{"BreaksOnlyItem", u"one", false, 0, u"\n\n", u"\n\n\none"},
    ItemCase{"CarriageReturnLineFeedIsOneBreak", u"x", false, 0, u"a\r\nb\r\n", u"a\nb\n\nx"}),
    [](const testing::TestParamInfo<ItemCase>& info) { return info.param.name; });

TEST(FieldTextTest, WidensAsciiAndJoinsBreaks)
{
    EXPECT_EQ(FieldText("a\r\nb\nc"), u"a\nb\nc");
    EXPECT_EQ(FieldText(""), u"");
}
