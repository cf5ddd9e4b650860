#include "channels/catalogue.h"
#include "channels/channel_rows.h"
#include "channels/row_face.h"
#include "channels/sound_slots.h"
#include "toolkit/controls.h"

void PlayPressed(int r)
{
    const SlotNumber slot = RowSlot(r);
    if (RowPlaying[r])
        ReleaseSlot(slot);

    // The slot is empty here: released just now, or never filled while idle.
    LoadCatalogueSound(slot, ControlText(RowSelector(r)));

    // A sound that failed to load must not leave the row claiming to play.
    if (!SlotIsLoaded(slot)) {
        RowPlaying[r] = 0;
        ShowRowFace(r, RowFace::Idle);
        return;
    }

    PlaySlotLooped(slot, ControlState(RowVolume(r)));
    SetSlotFrequency(slot, ROW_HZ_PER_RATE_STEP * ControlState(RowRate(r)));
    RowPlaying[r] = 1;
    ShowRowFace(r, RowFace::Playing);
}
