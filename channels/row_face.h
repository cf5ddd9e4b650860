#pragma once

// What a row's play button shows: the PLAY picture while idle, the PLAYING
// picture while the row plays, with the state spoken by screen readers.
enum class RowFace { Idle, Playing };
void ShowRowFace(int r, RowFace face);
