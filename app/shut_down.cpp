#include "app/shut_down.h"

#include "app/numbering.h"
#include "channels/sound_slots.h"
#include "toolkit/fonts.h"
#include "toolkit/pictures.h"
#include "toolkit/session.h"
#include "toolkit/windows.h"

void ShutDown(SoundOutput output)
{
    if (output == SoundOutput::Opened)
        ShutdownSoundOutput();
    CloseWindow(HELP_WINDOW);
    CloseWindow(MAIN_WINDOW);
    ReleasePictures();
    ReleaseFonts();
    ReleaseToolkit();
}
