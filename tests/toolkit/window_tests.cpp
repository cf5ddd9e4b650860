#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "toolkit/centring.h"
#include "toolkit/controls.h"
#include "toolkit/widget_access.h"
#include "toolkit_fixture.h"

using WindowTest = ToolkitTest;

TEST_F(WindowTest, ClientAreaIsExactlyTheSizeAskedAndCannotChange)
{
    QWidget* window = WindowWidget(WINDOW);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->size(), QSize(400, 300));
    EXPECT_EQ(window->minimumSize(), QSize(400, 300));
    EXPECT_EQ(window->maximumSize(), QSize(400, 300));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Test"));
}

TEST_F(WindowTest, FramesOfferOnlyTheirOwnBoxes)
{
    ASSERT_TRUE(OpenWindow(1, u"Dialog", 200, 100, WindowFrame::Dialog));
    const Qt::WindowFlags main = WindowWidget(WINDOW)->windowFlags();
    const Qt::WindowFlags dialog = WindowWidget(1)->windowFlags();
    EXPECT_TRUE(main.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(main.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(main.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(dialog.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(dialog.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dialog.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(WindowTest, ANumberOpensOneWindowOnly)
{
    EXPECT_FALSE(OpenWindow(WINDOW, u"Again", 100, 100, WindowFrame::Main));
    EXPECT_FALSE(OpenWindow(2, u"Empty", 0, 100, WindowFrame::Main));
}

TEST(CentringTest, HalvesRoundDownAndLargeWindowsStartAtTheEdge)
{
    struct Case {
        int screen, outer, origin;
    } cases[] = {
        {1920, 590, 665}, {1921, 590, 665}, {800, 799, 0}, {800, 800, 0}, {800, 1200, 0}, {600, 314, 143},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredOrigin(c.screen, c.outer), c.origin) << c.screen << " " << c.outer;
}

TEST_F(WindowTest, OpensCentredOnThePrimaryScreen)
{
    const QRect screen = WindowWidget(WINDOW)->screen()->geometry();
    const QRect frame = WindowWidget(WINDOW)->frameGeometry();
    EXPECT_EQ(frame.left(), screen.left() + CentredOrigin(screen.width(), frame.width()));
    EXPECT_EQ(frame.top(), screen.top() + CentredOrigin(screen.height(), frame.height()));
}

TEST_F(WindowTest, CloseBoxOnlyAsksAndTheProgramCloses)
{
    ASSERT_TRUE(CreateLabel(WINDOW, 7, Box{0, 0, 50, 20}, u"x"));
    WindowWidget(WINDOW)->close();  // what the close box and the system menu do
    const std::vector<Event> events = DrainEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::CloseRequest);
    EXPECT_EQ(events[0].number, WINDOW);
    EXPECT_TRUE(WindowIsOpen(WINDOW));
    EXPECT_TRUE(WindowWidget(WINDOW)->isVisible());

    CloseWindow(WINDOW);
    EXPECT_FALSE(WindowIsOpen(WINDOW));
    EXPECT_FALSE(ControlExists(7));
    EXPECT_TRUE(DrainEvents().empty());
    // The number is free again.
    EXPECT_TRUE(OpenWindow(WINDOW, u"Again", 100, 100, WindowFrame::Main));
}

TEST_F(WindowTest, EscapeAsksToCloseADialogButNotTheMainWindow)
{
    ASSERT_TRUE(OpenWindow(1, u"Dialog", 200, 100, WindowFrame::Dialog));
    ASSERT_TRUE(CreateTextField(1, 9, Box{0, 0, 200, 100}));
    QApplication::setActiveWindow(WindowWidget(1));
    FocusControl(9);
    QTest::keyClick(ControlWidget(9), Qt::Key_Escape);
    std::vector<Event> events = DrainEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::CloseRequest);
    EXPECT_EQ(events[0].number, 1);
    EXPECT_TRUE(WindowIsOpen(1));

    QApplication::setActiveWindow(WindowWidget(WINDOW));
    QTest::keyClick(WindowWidget(WINDOW), Qt::Key_Escape);
    EXPECT_TRUE(DrainEvents().empty());
}

TEST_F(WindowTest, BackgroundColourFillsTheClientArea)
{
    SetWindowBackground(WINDOW, 0xFEFEFE);
    const QImage shot = WindowWidget(WINDOW)->grab().toImage();
    EXPECT_EQ(shot.pixelColor(200, 150), QColor(0xFE, 0xFE, 0xFE));
}
