#pragma once

#include <cstdint>
#include <string_view>

// Reads a number from the start of a text: leading blanks and tabs are
// skipped, then an optional "-" or "+", then "$" and hexadecimal digits, "%"
// and binary digits, or decimal digits. Reading stops at the first character
// that is not a digit of the base; arithmetic wraps at 64 bits; a text with no
// digits there gives 0.
std::int64_t ReadNumber(std::u16string_view text);

// The number of a time text: every ":" removed, then read as ReadNumber does.
// "07:05:09" gives 70509, "" gives 0, "7a" gives 7.
std::int64_t TimeValue(std::u16string_view text);
