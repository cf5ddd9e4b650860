#include "channels/channel_rows.h"
#include "channels/sound_slots.h"
#include "toolkit/controls.h"

// The position is read now rather than taken from the event, so moves that
// arrive together still end at the track bar's final position. An idle row's
// slot is empty and nothing happens.
void RateMoved(int r)
{
    SetSlotFrequency(RowSlot(r), ROW_HZ_PER_RATE_STEP * ControlState(RowRate(r)));
}
