#include "channels/channel_rows.h"
#include "toolkit/controls.h"
#include "toolkit/message_box.h"

static constexpr std::u16string_view WHITE_NOISE = u"Generate Absolute Random White Noise";
static constexpr std::u16string_view WHITE_NOISE_WARNING =
    u"Pure random white noise is about the\r\n"
    u"most strain you can put on speakers\r\n"
    u"and is about the quickest wear you can\r\n"
    u"possibly apply. Proceed with caution.";

void SelectorChanged(int r)
{
    // Only the track bar moves: the sound playing now keeps its speed until
    // the next play, or until the user moves the rate.
    SetControlState(RowRate(r), RATE_DEFAULT);

    if (ControlText(RowSelector(r)) == WHITE_NOISE)
        ShowMessageBox(MAIN_WINDOW, u"warning", std::u16string(WHITE_NOISE_WARNING), MessageIcon::None);
}
