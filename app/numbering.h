#pragma once

// The numbering table: every window, control, picture, font, the timer and
// every sound slot is one small fixed integer, used for one object only.
// Control numbers are unique across both windows, so a control number alone
// names a control. Everything that belongs to a channel row is derived from
// ROW_COUNT, so changing the number of rows moves every number consistently.

inline constexpr int ROW_COUNT = 5;
inline constexpr int TIMER_PERIOD_MS = 200;

// Windows.
inline constexpr int MAIN_WINDOW = 0;
inline constexpr int HELP_WINDOW = 1;

// Controls of the main window outside the rows.
inline constexpr int ALARM_HOUR_FIELD = 2;
inline constexpr int ALARM_MINUTE_FIELD = 3;
inline constexpr int HELP_BUTTON = 4;
inline constexpr int ALARM_BUTTON = 5;
inline constexpr int HOUR_LABEL = 6;
inline constexpr int MINUTE_LABEL = 7;
inline constexpr int CLOCK_LABEL = 13;
inline constexpr int NOTICE_LABEL = 15;

// Controls of the help window.
inline constexpr int HELP_TEXT = 9;
inline constexpr int LOGO_CONTROL = 23;

// The alarm's sound slot; the rows' slots follow the row rule below.
inline constexpr unsigned ALARM_SLOT = 8;

// Fonts.
inline constexpr int NOTICE_FONT = 10;  // "Lucida Console", 9 points, regular
inline constexpr int CLOCK_FONT = 11;   // "Courier New", 24 points, bold

// The one timer, owned by the main window.
inline constexpr int CLOCK_TIMER = 12;

// Pictures.
inline constexpr int PICTURE_PLAYING = 19;
inline constexpr int PICTURE_STOP = 20;
inline constexpr int PICTURE_PLAY = 21;
inline constexpr int PICTURE_LOGO = 22;

// A channel row r (1..ROW_COUNT) owns one number in each column:
// number = column * ROW_COUNT + 24 + r. The slot column holds sound slots,
// not controls.
enum class RowColumn : int {
    Selector = 0,
    PlayButton = 1,
    StopButton = 2,
    Slot = 3,
    Rate = 4,
    Volume = 5,
};

inline constexpr int ROW_COLUMN_COUNT = 6;

constexpr int RowNumber(RowColumn column, int row)
{
    return static_cast<int>(column) * ROW_COUNT + 24 + row;
}

constexpr int RowSelector(int row) { return RowNumber(RowColumn::Selector, row); }
constexpr int RowPlayButton(int row) { return RowNumber(RowColumn::PlayButton, row); }
constexpr int RowStopButton(int row) { return RowNumber(RowColumn::StopButton, row); }
constexpr unsigned RowSlot(int row) { return static_cast<unsigned>(RowNumber(RowColumn::Slot, row)); }
constexpr int RowRate(int row) { return RowNumber(RowColumn::Rate, row); }
constexpr int RowVolume(int row) { return RowNumber(RowColumn::Volume, row); }

// The row whose control in `column` has the given number, or 0 when the
// number lies outside that column's range.
constexpr int RowOf(RowColumn column, int number)
{
    const int row = number - RowNumber(column, 0);
    return row >= 1 && row <= ROW_COUNT ? row : 0;
}

// The two column labels follow the row block.
inline constexpr int RATE_LABEL = ROW_COLUMN_COUNT * ROW_COUNT + 25;
inline constexpr int VOLUME_LABEL = ROW_COLUMN_COUNT * ROW_COUNT + 26;

// Geometry of the main window's client area, in pixels.
inline constexpr int ROW_HEIGHT = 36;
inline constexpr int MAIN_CLIENT_WIDTH = 590;
inline constexpr int MAIN_CLIENT_HEIGHT = ROW_HEIGHT * ROW_COUNT + 134;

// Ranges and first states of the row controls.
inline constexpr int RATE_MIN = 1;
inline constexpr int RATE_MAX = 1000;
inline constexpr int RATE_DEFAULT = 441;  // x 100 Hz = 44100 Hz, natural speed
inline constexpr int VOLUME_MIN = 1;
inline constexpr int VOLUME_MAX = 100;
inline constexpr int VOLUME_DEFAULT = 100;

static_assert(RowSelector(1) == 25 && RowPlayButton(1) == 30 && RowStopButton(1) == 35);
static_assert(RowSlot(1) == 40 && RowRate(1) == 45 && RowVolume(ROW_COUNT) == 54);
static_assert(RATE_LABEL == 55 && VOLUME_LABEL == 56);
static_assert(MAIN_CLIENT_HEIGHT == 314);
