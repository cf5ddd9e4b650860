#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include "toolkit/controls.h"
#include "toolkit/widget_access.h"
#include "toolkit_fixture.h"

class SpinFieldTest : public ToolkitTest {
protected:
    enum : int { HOUR = 2, MINUTE = 3 };

    void SetUp() override
    {
        ToolkitTest::SetUp();
        ASSERT_TRUE(CreateSpinField(WINDOW, HOUR, Box{0, 0, 107, 36}, 0, 23));
        ASSERT_TRUE(CreateSpinField(WINDOW, MINUTE, Box{107, 0, 107, 36}, 0, 59));
        SetControlState(HOUR, 6);
        SetControlState(MINUTE, 30);
        QApplication::setActiveWindow(WindowWidget(WINDOW));
        FocusControl(HOUR);
        DrainEvents();
    }

    static QLineEdit* Editor(int control) { return ControlWidget(control)->findChild<QLineEdit*>(); }

    static void Retype(int control, const char* keys)
    {
        Editor(control)->selectAll();
        QTest::keyClick(Editor(control), Qt::Key_Backspace);
        QTest::keyClicks(Editor(control), keys);
    }
};

TEST_F(SpinFieldTest, FirstStateIsShownAsPlainDecimalAndRightAligned)
{
    EXPECT_EQ(ControlText(HOUR), u"6");
    EXPECT_EQ(ControlText(MINUTE), u"30");
    EXPECT_TRUE(Editor(HOUR)->alignment().testFlag(Qt::AlignRight));
}

TEST_F(SpinFieldTest, TypingKeepsOnlyWholeNumbersInRange)
{
    struct Case {
        const char* keys;
        const char16_t* shown;
    } cases[] = {
        {"7", u"7"},     {"23", u"23"},  {"24", u"2"},   {"99", u"9"},   {"0", u"0"},   {"a", u""},
        {"-5", u"5"},    {"+5", u"5"},   {"1.5", u"15"}, {" 6", u"6"},   {"6:", u"6"},  {"123", u"12"},
        {"1e3", u"13"},  {"0x1", u"01"},
    };
    for (const Case& c : cases) {
        Retype(HOUR, c.keys);
        EXPECT_EQ(ControlText(HOUR), c.shown) << "typed " << c.keys;
    }
}

TEST_F(SpinFieldTest, AnEmptiedFieldTakesBackItsLastValueWhenEditingEnds)
{
    Retype(HOUR, "");
    EXPECT_EQ(ControlText(HOUR), u"");  // the text shown, as the user left it
    FocusControl(MINUTE);               // the focus moves on
    EXPECT_EQ(ControlText(HOUR), u"6");
    EXPECT_EQ(ControlState(HOUR), 6);
}

TEST_F(SpinFieldTest, ArrowsStepByOneAndStopAtTheEnds)
{
    struct Case {
        int start;
        Qt::Key key;
        int presses;
        const char16_t* shown;
    } cases[] = {
        {6, Qt::Key_Up, 1, u"7"},     {6, Qt::Key_Down, 1, u"5"},  {22, Qt::Key_Up, 3, u"23"},
        {1, Qt::Key_Down, 3, u"0"},   {9, Qt::Key_Up, 1, u"10"},
    };
    for (const Case& c : cases) {
        SetControlState(HOUR, c.start);
        for (int i = 0; i < c.presses; ++i)
            QTest::keyClick(Editor(HOUR), c.key);
        EXPECT_EQ(ControlText(HOUR), c.shown) << c.start << " with " << c.presses << " presses";
    }
}

TEST_F(SpinFieldTest, ArrowsAreHalfTheHeightWideButAtLeast18)
{
    ASSERT_TRUE(CreateSpinField(WINDOW, 70, Box{0, 40, 107, 60}, 0, 9));
    struct Case {
        int control, width, height, arrows;
    } cases[] = {{HOUR, 107, 36, 18}, {70, 107, 60, 30}};
    for (const Case& c : cases) {
        auto* field = static_cast<QAbstractSpinBox*>(ControlWidget(c.control));
        QStyleOptionSpinBox option;
        option.initFrom(field);
        option.rect = QRect(0, 0, c.width, c.height);
        const QRect up = field->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, field);
        const QRect down = field->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, field);
        const QRect text = field->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, field);
        EXPECT_EQ(up.width(), c.arrows);
        EXPECT_EQ(down.width(), c.arrows);
        EXPECT_EQ(up.right(), c.width - 1);
        EXPECT_LE(text.right(), c.width - c.arrows - 1);
        // The arrows really do step: a click on the lower one goes down.
        field->resize(c.width, c.height);
    }
    QTest::mouseClick(ControlWidget(HOUR), Qt::LeftButton, {}, QPoint(107 - 9, 36 - 9));
    EXPECT_EQ(ControlText(HOUR), u"5");
    QTest::mouseClick(ControlWidget(HOUR), Qt::LeftButton, {}, QPoint(107 - 9, 9));
    EXPECT_EQ(ControlText(HOUR), u"6");
}

TEST_F(SpinFieldTest, ProgramSetsAreClampedToTheRange)
{
    SetControlState(MINUTE, 75);
    EXPECT_EQ(ControlText(MINUTE), u"59");
    SetControlState(MINUTE, -3);
    EXPECT_EQ(ControlText(MINUTE), u"0");
    EXPECT_TRUE(ControlEventNumbers().empty());
}

TEST_F(SpinFieldTest, DisabledFieldsRefuseInput)
{
    SetControlEnabled(HOUR, Enabled::No);
    QTest::keyClick(Editor(HOUR), Qt::Key_Up);
    QTest::keyClicks(Editor(HOUR), "1");
    EXPECT_EQ(ControlText(HOUR), u"6");
}
