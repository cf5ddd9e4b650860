#include "clock/time_value.h"

#include <string>

// The value of `c` as a digit of `base`, or -1.
static int DigitValue(char16_t c, unsigned base)
{
    int value = -1;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

std::int64_t ReadNumber(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }

    unsigned base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == u'%') {
        base = 2;
        ++i;
    }

    // Unsigned arithmetic wraps at 64 bits without undefined behaviour.
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0)
            break;
        value = value * base + static_cast<std::uint64_t>(digit);
    }
    if (negative)
        value = ~value + 1;
    return static_cast<std::int64_t>(value);
}

std::int64_t TimeValue(std::u16string_view text)
{
    std::u16string digits;
    digits.reserve(text.size());
    for (const char16_t c : text) {
        if (c != u':')
            digits += c;
    }
    return ReadNumber(digits);
}
