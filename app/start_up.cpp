#include "app/start_up.h"

#include "app/numbering.h"
#include "assets/assets.h"
#include "channels/channel_rows.h"
#include "clock/alarm.h"
#include "toolkit/fonts.h"
#include "toolkit/pictures.h"
#include "toolkit/windows.h"

void ResetProgramState()
{
    alarmState = AlarmState{};
    RowPlaying.fill(0);
}

void LoadEmbeddedPictures()
{
    LoadPicture(PICTURE_LOGO, EmbeddedPicture(Picture::Logo));
    LoadPicture(PICTURE_PLAYING, EmbeddedPicture(Picture::Playing));
    LoadPicture(PICTURE_STOP, EmbeddedPicture(Picture::Stop));
    LoadPicture(PICTURE_PLAY, EmbeddedPicture(Picture::Play));
    SetProgramIcon(EmbeddedPicture(Picture::ProgramIcon));
}

void CreateProgramFonts()
{
    CreateFont(NOTICE_FONT, u"Lucida Console", 9, FontWeight::Regular);
    CreateFont(CLOCK_FONT, u"Courier New", 24, FontWeight::Bold);
}
