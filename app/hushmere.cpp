#include "app/hushmere.h"

#include <string>

#include "app/event_loop.h"
#include "app/main_window.h"
#include "app/numbering.h"
#include "app/shut_down.h"
#include "app/start_up.h"
#include "assets/assets.h"
#include "channels/sound_slots.h"
#include "toolkit/message_box.h"
#include "toolkit/session.h"

int RunHushmere()
{
    // No display: nothing to show and nothing to release.
    if (!InitToolkit())
        return 0;
    NameDesktopEntry(std::string(ApplicationId()));
    ResetProgramState();
    LoadEmbeddedPictures();
    CreateProgramFonts();
    if (!BuildMainWindow()) {
        ShutDown();
        return 0;
    }
    // The complete window stays on screen under the box until the end.
    if (!InitSoundOutput()) {
        ShowMessageBox(MAIN_WINDOW, u"Error", u"No sound available", MessageIcon::Error);
        ShutDown();
        return 0;
    }
    RunEventLoop(ProgramHandlers());
    ShutDown();
    return 0;
}
