#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

// Writes the ICO format: an icon directory followed by one bitmap per image,
// each a BMP device-independent bitmap of twice the image's height (the
// colour rows, then a 1-bit transparency mask), rows stored bottom-up.
//
// A 32-bit image is stored as BGRA with its alpha channel; its mask marks
// the fully transparent pixels for readers that ignore alpha. An indexed
// image (QImage::Format_Indexed8, at most 256 colours) is stored with an
// 8-bit palette and an all-opaque mask. Every image must be 1 to 256 pixels
// on each side.
struct IcoImage {
    QImage image;  // Format_ARGB32 or Format_Indexed8
};

// Empty when an image does not fit the format.
QByteArray EncodeIco(const std::vector<IcoImage>& images);
