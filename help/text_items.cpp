#include "help/text_items.h"

static std::u16string WithPlainBreaks(std::u16string_view item)
{
    std::u16string plain;
    plain.reserve(item.size());
    for (std::size_t i = 0; i < item.size(); ++i) {
        if (item[i] == u'\r' && i + 1 < item.size() && item[i + 1] == u'\n')
            continue;
        plain += item[i];
    }
    return plain;
}

void AppendItem(std::u16string& text, std::u16string_view item)
{
    if (!text.empty())
        text += u'\n';
    text += WithPlainBreaks(item);
}

void InsertItemAtLine(std::u16string& text, std::size_t line, std::u16string_view item)
{
    std::size_t start = 0;
    for (std::size_t found = 0; found < line; ++found) {
        const std::size_t lineBreak = text.find(u'\n', start);
        if (lineBreak == std::u16string::npos) {
            start = std::u16string::npos;
            break;
        }
        start = lineBreak + 1;
    }
    if (text.empty() || start == std::u16string::npos) {
        AppendItem(text, item);
        return;
    }
    text.insert(start, WithPlainBreaks(item) + u'\n');
}

std::u16string FieldText(std::string_view ascii)
{
    std::u16string wide;
    wide.reserve(ascii.size());
    for (const char c : ascii)
        wide += static_cast<char16_t>(static_cast<unsigned char>(c));
    return WithPlainBreaks(wide);
}
