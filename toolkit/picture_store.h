#pragma once

#include <QIcon>
#include <QPixmap>
#include <span>

// The decoded pictures, for the controls that draw them.
const QPixmap* FindPicture(int picture);

// Every image of an ICO block as one icon (an empty icon when none decodes).
QIcon DecodeIcon(std::span<const unsigned char> ico);
