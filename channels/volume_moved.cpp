#include "channels/channel_rows.h"
#include "channels/sound_slots.h"
#include "toolkit/controls.h"

// Read when it runs, as the rate is; an idle row's slot is empty and nothing
// happens.
void VolumeMoved(int r)
{
    SetSlotVolume(RowSlot(r), ControlState(RowVolume(r)));
}
