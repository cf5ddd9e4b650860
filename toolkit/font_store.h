#pragma once

#include <QFont>

// The fonts made by CreateFont, for SetControlFont.
const QFont* FindFont(int font);
