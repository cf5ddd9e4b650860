#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "toolkit/controls.h"
#include "toolkit/widget_access.h"
#include "toolkit_fixture.h"

// One control of each kind that the program drives, in creation order.
class ControlEventTest : public ToolkitTest {
protected:
    enum : int { LIST = 25, BUTTON = 4, PICTURE_BUTTON = 30, BAR = 45, LABEL = 55, SPIN = 2, TEXT = 9 };

    void SetUp() override
    {
        ToolkitTest::SetUp();
        ASSERT_TRUE(CreateDropDown(WINDOW, LIST, Box{0, 0, 230, 36}));
        for (const char16_t* entry : {u"First", u"Second", u"Third"})
            AddListEntry(LIST, entry);
        ASSERT_TRUE(CreateTextButton(WINDOW, BUTTON, Box{0, 40, 100, 36}, u"Press"));
        ASSERT_TRUE(CreatePictureButton(WINDOW, PICTURE_BUTTON, Box{100, 40, 100, 36}, 21));
        ASSERT_TRUE(CreateTrackBar(WINDOW, BAR, Box{0, 80, 80, 36}, 1, 1000));
        ASSERT_TRUE(CreateLabel(WINDOW, LABEL, Box{0, 120, 80, 36}, u"RATE"));
        ASSERT_TRUE(CreateSpinField(WINDOW, SPIN, Box{0, 160, 107, 36}, 0, 23));
        ASSERT_TRUE(CreateTextField(WINDOW, TEXT, Box{200, 80, 200, 200}));
        QApplication::setActiveWindow(WindowWidget(WINDOW));
        DrainEvents();
    }
};

TEST_F(ControlEventTest, ANumberNamesOneControl)
{
    EXPECT_FALSE(CreateLabel(WINDOW, BUTTON, Box{0, 0, 10, 10}, u"taken"));
    EXPECT_FALSE(CreateLabel(5, 70, Box{0, 0, 10, 10}, u"no such window"));
    EXPECT_FALSE(ControlExists(70));
}

TEST_F(ControlEventTest, ProgramChangesRaiseNoEvent)
{
    SetControlState(LIST, 2);
    SetControlText(LIST, u"First");
    AddListEntry(LIST, u"Fourth");
    SetControlState(BAR, 441);
    SetControlState(SPIN, 6);
    SetControlText(SPIN, u"12");
    SetControlText(BUTTON, u"Other");
    SetControlText(LABEL, u"12:00:00");
    SetControlText(TEXT, u"line\r\nline");
    SetControlPicture(PICTURE_BUTTON, 19);
    SetControlEnabled(BUTTON, Enabled::No);
    SetControlEnabled(BUTTON, Enabled::Yes);
    EXPECT_TRUE(ControlEventNumbers().empty());

    EXPECT_EQ(ControlText(LIST), u"First");
    EXPECT_EQ(ControlState(BAR), 441);
    EXPECT_EQ(ControlState(SPIN), 12);
    EXPECT_EQ(ControlText(BUTTON), u"Other");
    EXPECT_EQ(ControlText(LABEL), u"12:00:00");
    EXPECT_EQ(ControlText(TEXT), u"line\nline");
    EXPECT_EQ(ControlPicture(PICTURE_BUTTON), 19);
}

TEST_F(ControlEventTest, UserActionsRaiseOneEventOfTheirControl)
{
    struct Action {
        const char* what;
        int control;
        void (*act)();
    } actions[] = {
        {"click text button", BUTTON, [] { QTest::mouseClick(ControlWidget(BUTTON), Qt::LeftButton); }},
        {"space on button", BUTTON, [] { QTest::keyClick(ControlWidget(BUTTON), Qt::Key_Space); }},
        {"click picture button", PICTURE_BUTTON,
         [] { QTest::mouseClick(ControlWidget(PICTURE_BUTTON), Qt::LeftButton); }},
        {"pick list entry", LIST,
         [] { emit static_cast<QComboBox*>(ControlWidget(LIST))->activated(1); }},
        {"key on list", LIST, [] { QTest::keyClick(ControlWidget(LIST), Qt::Key_Down); }},
        {"key on track bar", BAR, [] { QTest::keyClick(ControlWidget(BAR), Qt::Key_Right); }},
        {"arrow on spin field", SPIN, [] { QTest::keyClick(ControlWidget(SPIN), Qt::Key_Up); }},
    };
    for (const Action& a : actions) {
        a.act();
        EXPECT_EQ(ControlEventNumbers(), std::vector<int>{a.control}) << a.what;
    }
}

TEST_F(ControlEventTest, LabelsAndTextFieldsRaiseNothing)
{
    QTest::mouseClick(ControlWidget(LABEL), Qt::LeftButton);
    QTest::mouseClick(ControlWidget(TEXT)->findChild<QWidget*>("qt_scrollarea_viewport"), Qt::LeftButton);
    QTest::keyClicks(ControlWidget(TEXT), "typed");
    EXPECT_TRUE(ControlEventNumbers().empty());
    EXPECT_EQ(ControlText(TEXT), u"");  // read-only: typing changes nothing
}

TEST_F(ControlEventTest, TrackBarEventComesAfterTheNewPositionIsReadable)
{
    SetControlState(BAR, 441);
    auto* bar = static_cast<QSlider*>(ControlWidget(BAR));
    int seen = -1;
    QObject::connect(bar, &QSlider::valueChanged, bar, [&] { seen = ControlState(BAR); });
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(seen, 442);
    EXPECT_EQ(ControlState(BAR), 442);
    EXPECT_EQ(ControlEventNumbers(), std::vector<int>{BAR});
}

TEST_F(ControlEventTest, ADragReportsEachMoveAndItsEnd)
{
    auto* bar = static_cast<QSlider*>(ControlWidget(BAR));
    bar->setSliderDown(true);
    bar->setSliderPosition(300);
    bar->setSliderPosition(600);
    bar->setSliderDown(false);
    EXPECT_EQ(ControlEventNumbers(), (std::vector<int>{BAR, BAR, BAR}));
    EXPECT_EQ(ControlState(BAR), 600);
}

static int clicksSeen = 0;
static bool eventWasQueuedBeforeHandler = false;

TEST_F(ControlEventTest, BoundHandlerRunsAtTheClickBeforeItsEvent)
{
    clicksSeen = 0;
    BindClickHandler(PICTURE_BUTTON, [] {
        ++clicksSeen;
        Event pending{};
        eventWasQueuedBeforeHandler = PollEvent(pending);
    });
    QTest::mouseClick(ControlWidget(PICTURE_BUTTON), Qt::LeftButton);
    EXPECT_EQ(clicksSeen, 1);
    EXPECT_FALSE(eventWasQueuedBeforeHandler);
    EXPECT_EQ(ControlEventNumbers(), std::vector<int>{PICTURE_BUTTON});

    QTest::mouseClick(ControlWidget(PICTURE_BUTTON), Qt::RightButton);
    EXPECT_EQ(clicksSeen, 1);
}

TEST_F(ControlEventTest, TabFollowsCreationOrderAndSkipsLabels)
{
    const int expected[] = {LIST, BUTTON, PICTURE_BUTTON, BAR, SPIN, TEXT, LIST};
    FocusControl(LIST);
    for (const int control : expected) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        // A spin field's focus sits in its own text part.
        const bool inControl = focused == ControlWidget(control) || focused->parentWidget() == ControlWidget(control);
        EXPECT_TRUE(inControl) << "expected focus on control " << control;
        QTest::keyClick(focused, Qt::Key_Tab);
    }
}

TEST_F(ControlEventTest, DisabledControlsTakeNoInput)
{
    SetControlEnabled(BUTTON, Enabled::No);
    EXPECT_FALSE(ControlIsEnabled(BUTTON));
    QTest::mouseClick(ControlWidget(BUTTON), Qt::LeftButton);
    EXPECT_TRUE(ControlEventNumbers().empty());
}

TEST_F(ControlEventTest, TextButtonShowsAnAmpersandAsItself)
{
    SetControlText(BUTTON, u"Help & About");
    EXPECT_EQ(ControlText(BUTTON), u"Help & About");
    EXPECT_EQ(static_cast<QPushButton*>(ControlWidget(BUTTON))->shortcut(), QKeySequence());
}
