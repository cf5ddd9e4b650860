#include <QAbstractScrollArea>
#include <QApplication>
#include <QPalette>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/event_loop.h"
#include "../app/app_fixture.h"
#include "app/numbering.h"
#include "assets/assets.h"
#include "help/help_text.h"
#include "help/help_window.h"
#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/launcher.h"
#include "toolkit/widget_access.h"
#include "toolkit/windows.h"

namespace {

std::vector<std::string> openedAddresses;

void RecordAddress(const std::string& address) { openedAddresses.push_back(address); }

// The help window over the main window as start-up builds it; addresses are
// recorded instead of opened.
class HelpWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        openedAddresses.clear();
        SetAddressOpener(RecordAddress);
    }

    void TearDown() override
    {
        SetAddressOpener(nullptr);
        MainWindowTest::TearDown();
    }

    // Routes every event that is waiting, as the loop would.
    static void RouteWaitingEvents()
    {
        Event event{};
        while (PollEvent(event))
            RouteEvent(event, ProgramHandlers());
    }

    static QScrollBar* TextScrollBar()
    {
        auto* area = qobject_cast<QAbstractScrollArea*>(ControlWidget(HELP_TEXT));
        return area ? area->verticalScrollBar() : nullptr;
    }
};

TEST_F(HelpWindowTest, OpensClosesAndOpensAfreshAtTheTop)
{
    ToggleHelpWindow();
    ASSERT_TRUE(WindowIsOpen(HELP_WINDOW));
    EXPECT_EQ(ControlText(HELP_TEXT), AssembleHelpText());
    QWidget* window = WindowWidget(HELP_WINDOW);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Help");
    EXPECT_EQ(window->size(), QSize(800, 400));
    EXPECT_EQ(window->palette().color(window->backgroundRole()), QColor(0xFE, 0xFE, 0xFE));
    EXPECT_EQ(ControlWidget(LOGO_CONTROL)->geometry(), QRect(591, 1, 210, 226));
    EXPECT_EQ(ControlWidget(HELP_TEXT)->geometry(), QRect(0, 0, 590, 400));
    // The offscreen platform activates no window, so ask the window which of
    // its widgets holds the focus.
    EXPECT_EQ(window->focusWidget(), ControlWidget(HELP_TEXT));

    QScrollBar* bar = TextScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value(), 0);
    ASSERT_GT(bar->maximum(), 0) << "the text should need scrolling";
    bar->setValue(bar->maximum());

    ToggleHelpWindow();
    EXPECT_FALSE(WindowIsOpen(HELP_WINDOW));
    EXPECT_FALSE(ControlExists(HELP_TEXT));
    EXPECT_FALSE(ControlExists(LOGO_CONTROL));
    EXPECT_TRUE(WindowIsOpen(MAIN_WINDOW));

    ToggleHelpWindow();
    ASSERT_TRUE(WindowIsOpen(HELP_WINDOW));
    EXPECT_EQ(TextScrollBar()->value(), 0);
}

TEST_F(HelpWindowTest, CloseRequestClosesOnlyTheHelpWindow)
{
    ToggleHelpWindow();
    EXPECT_EQ(RouteEvent({EventKind::CloseRequest, HELP_WINDOW}, ProgramHandlers()), LoopStep::Continue);
    EXPECT_FALSE(WindowIsOpen(HELP_WINDOW));
    EXPECT_TRUE(WindowIsOpen(MAIN_WINDOW));

    // The clock goes on meanwhile.
    SetControlText(CLOCK_LABEL, u"--:--:--");
    RouteEvent({EventKind::TimerTick, CLOCK_TIMER}, ProgramHandlers());
    EXPECT_NE(ControlText(CLOCK_LABEL), u"--:--:--");
}

TEST_F(HelpWindowTest, TypingDoesNotChangeTheText)
{
    ToggleHelpWindow();
    const std::u16string before = ControlText(HELP_TEXT);
    QWidget* field = ControlWidget(HELP_TEXT);
    QTest::keyClicks(field, "typed");
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(ControlText(HELP_TEXT), before);
}

TEST_F(HelpWindowTest, LogoClickOpensTheHomePageOnce)
{
    for (int i = 0; i < 3; ++i) {
        ToggleHelpWindow();
        ToggleHelpWindow();
    }
    ToggleHelpWindow();
    QTest::mouseClick(ControlWidget(LOGO_CONTROL), Qt::LeftButton, {}, QPoint(100, 100));
    ASSERT_EQ(openedAddresses.size(), 1u);
    EXPECT_EQ(openedAddresses[0], std::string(HomePageAddress()));

    // The click reaches the loop too, where it changes nothing.
    RouteWaitingEvents();
    EXPECT_EQ(openedAddresses.size(), 1u);
    EXPECT_TRUE(WindowIsOpen(HELP_WINDOW));

    QTest::mouseClick(ControlWidget(LOGO_CONTROL), Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_EQ(openedAddresses.size(), 1u);
}

TEST_F(HelpWindowTest, KeyboardOpensAndEscapeCloses)
{
    FocusControl(HELP_BUTTON);
    QTest::keyClick(ControlWidget(HELP_BUTTON), Qt::Key_Space);
    RouteWaitingEvents();
    ASSERT_TRUE(WindowIsOpen(HELP_WINDOW));

    QTest::keyClick(ControlWidget(HELP_TEXT), Qt::Key_Escape);
    RouteWaitingEvents();
    EXPECT_FALSE(WindowIsOpen(HELP_WINDOW));

    FocusControl(HELP_BUTTON);
    QTest::keyClick(ControlWidget(HELP_BUTTON), Qt::Key_Return);
    RouteWaitingEvents();
    EXPECT_TRUE(WindowIsOpen(HELP_WINDOW));
}

}  // namespace
