#include "channels/channel_rows.h"
#include "channels/row_face.h"
#include "channels/sound_slots.h"

void StopPressed(int r)
{
    if (RowPlaying[r]) {
        ReleaseSlot(RowSlot(r));
        RowPlaying[r] = 0;
    }
    ShowRowFace(r, RowFace::Idle);
}
