#include "app/shut_down.h"

#include "channels/sound_slots.h"
#include "toolkit/session.h"

void ShutDown()
{
    // Each does nothing for what was never opened or made.
    ShutdownSoundOutput();
    ReleaseToolkit();
}
