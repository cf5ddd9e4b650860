#pragma once

// What a row's play button shows: the PLAY picture while idle, the PLAYING
// picture while the row plays, with the state spoken by screen readers.
enum class RowFace { Idle, Playing };
void ShowRowFace(int r, RowFace face);

// A row's playback frequency is its rate position times this, so the default
// rate of 441 plays every 44100 Hz sound at its natural speed.
inline constexpr int ROW_HZ_PER_RATE_STEP = 100;
