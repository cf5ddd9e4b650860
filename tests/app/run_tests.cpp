#include <gtest/gtest.h>

#include <QWidget>
#include <cstdlib>

#include "app/hushmere.h"
#include "app/main_window.h"
#include "app/shut_down.h"
#include "app/start_up.h"
#include "app/numbering.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/pictures.h"
#include "toolkit/message_box.h"
#include "toolkit/session.h"
#include "toolkit/widget_access.h"
#include "toolkit/windows.h"

namespace {
std::vector<MessageBoxRequest> boxes;
bool windowCompleteUnderBox = false;

void SeeBox(const MessageBoxRequest& request)
{
    boxes.push_back(request);
    windowCompleteUnderBox = WindowIsOpen(MAIN_WINDOW) && WindowWidget(MAIN_WINDOW)->isVisible() &&
                             ControlExists(RowSelector(1)) && ControlExists(RowVolume(ROW_COUNT)) &&
                             ControlExists(NOTICE_LABEL) && ControlText(ALARM_BUTTON) == u"Enable Alarm";
}
}  // namespace

// With no sound output to open, the user sees the complete window and the
// box, and after OK the program ends with code 0 and leaves nothing open.
TEST(RunTest, WithoutSoundTheErrorBoxShowsOverTheWindowAndTheProgramEnds)
{
    // OpenAL may only try a sound server, and the server named is not there.
    setenv("ALSOFT_DRIVERS", "pulse", 1);
    setenv("PULSE_SERVER", "unix:/nonexistent/hushmere-test/native", 1);
    SetMessageBoxHook(SeeBox);
    const int code = RunHushmere();
    SetMessageBoxHook(nullptr);

    EXPECT_EQ(code, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, u"Error");
    EXPECT_EQ(boxes[0].text, u"No sound available");
    EXPECT_EQ(boxes[0].ownerWindow, MAIN_WINDOW);
    EXPECT_TRUE(windowCompleteUnderBox);
    EXPECT_FALSE(WindowIsOpen(MAIN_WINDOW));
    EXPECT_FALSE(ControlExists(RowSelector(1)));
}

// Shutdown leaves nothing behind, the help window included; the program's
// own pictures and fonts were there to release.
TEST(ShutDownTest, ClosesBothWindowsAndReleasesPicturesAndFonts)
{
    ASSERT_TRUE(InitToolkit());
    LoadEmbeddedPictures();
    CreateProgramFonts();
    ASSERT_TRUE(BuildMainWindow());
    ASSERT_TRUE(OpenWindow(HELP_WINDOW, u"Help", 800, 400, WindowFrame::Dialog));
    for (const int picture : {PICTURE_LOGO, PICTURE_PLAYING, PICTURE_STOP, PICTURE_PLAY})
        EXPECT_TRUE(PictureExists(picture)) << picture;
    EXPECT_TRUE(FontExists(NOTICE_FONT) && FontExists(CLOCK_FONT));

    ShutDown();
    EXPECT_FALSE(WindowIsOpen(MAIN_WINDOW));
    EXPECT_FALSE(WindowIsOpen(HELP_WINDOW));
    for (const int picture : {PICTURE_LOGO, PICTURE_PLAYING, PICTURE_STOP, PICTURE_PLAY})
        EXPECT_FALSE(PictureExists(picture)) << picture;
    EXPECT_FALSE(FontExists(NOTICE_FONT) || FontExists(CLOCK_FONT));
}
