#include "help/help_text.h"

#include "assets/assets.h"
#include "help/text_items.h"

std::u16string ReplaceAll(std::u16string text, std::u16string_view placeholder, std::u16string_view name)
{
    if (placeholder.empty())
        return text;
    for (std::size_t at = text.find(placeholder); at != std::u16string::npos;
         at = text.find(placeholder, at + name.size()))
        text.replace(at, placeholder.size(), name);
    return text;
}

// Set apart from the help text above them, the notices stay out of the way
// of the usage notes a reader is looking for.
static constexpr std::u16string_view EIGHT_LINE_BREAKS = u"\n\n\n\n\n\n\n\n";

std::u16string AssembleHelpText()
{
    std::u16string text;
    AppendItem(text, FieldText(OggNotice()));
    // The libraries linked besides libogg ask for their notices too; they
    // follow the Ogg notice after one empty line.
    AppendItem(text, u"\n" + FieldText(ThirdPartyNotices()));
    InsertItemAtLine(text, 0, EIGHT_LINE_BREAKS);
    InsertItemAtLine(text, 0, ReplaceAll(FieldText(HelpText()), NAME_PLACEHOLDER, PROGRAM_NAME));
    InsertItemAtLine(text, 0, FieldText(CreditLine()));
    return text;
}
