#include "help/help_window.h"

#include "app/numbering.h"
#include "help/help_text.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/windows.h"

static constexpr int HELP_WIDTH = 800;
static constexpr int HELP_HEIGHT = 400;
static constexpr Box HELP_TEXT_BOX = {0, 0, 590, 400};
// The logo takes its picture's natural size from the top-left of this box.
static constexpr Box LOGO_BOX = {591, 1, 210, 400};
// Near-white, matching the logo's own background.
static constexpr std::uint32_t HELP_BACKGROUND = 0xFEFEFE;

void ToggleHelpWindow()
{
    if (WindowIsOpen(HELP_WINDOW)) {
        CloseWindow(HELP_WINDOW);
        return;
    }

    // Built afresh on every open: nothing of an earlier opening survives.
    OpenWindow(HELP_WINDOW, u"Help", HELP_WIDTH, HELP_HEIGHT, WindowFrame::Dialog);
    CreateTextField(HELP_WINDOW, HELP_TEXT, HELP_TEXT_BOX);
    FocusControl(HELP_TEXT);
    if (FontExists(NOTICE_FONT))
        SetControlFont(HELP_TEXT, NOTICE_FONT);
    SetControlText(HELP_TEXT, AssembleHelpText());
    CreatePictureControl(HELP_WINDOW, LOGO_CONTROL, LOGO_BOX, PICTURE_LOGO);
    SetWindowBackground(HELP_WINDOW, HELP_BACKGROUND);
    BindClickHandler(LOGO_CONTROL, OpenHomePage);
}
