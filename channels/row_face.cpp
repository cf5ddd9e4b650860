#include "channels/row_face.h"

#include "app/numbering.h"
#include "toolkit/controls.h"

void ShowRowFace(int r, RowFace face)
{
    const bool playing = face == RowFace::Playing;
    SetControlPicture(RowPlayButton(r), playing ? PICTURE_PLAYING : PICTURE_PLAY);
    SetAccessibleDescription(RowPlayButton(r), playing ? u"Playing" : u"");
}
