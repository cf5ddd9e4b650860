#pragma once

#include <span>

// Pictures decoded from ICO data held in memory, addressed by number.

// Decodes the first (largest) image of an ICO block. Returns false, keeping
// nothing, when the data cannot be decoded.
bool LoadPicture(int picture, std::span<const unsigned char> ico);
bool PictureExists(int picture);
void ReleasePictures();
