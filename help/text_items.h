#pragma once

#include <string>
#include <string_view>

// The item operations of a multi-line text field, over the field's text.
// Lines are separated by "\n"; a "\r\n" in an item counts as one break.

// Appends an item: it becomes the whole text of an empty field, otherwise it
// follows one added line break.
void AppendItem(std::u16string& text, std::u16string_view item);

// Inserts an item at line `line`: the item and one line break go in front of
// the line's first character, so the item begins that line and the old line
// follows the item's last line. An empty field, or one without that line,
// gets the item appended instead.
void InsertItemAtLine(std::u16string& text, std::size_t line, std::u16string_view item);

// An ASCII text as the field's characters, with "\r\n" turned into "\n".
std::u16string FieldText(std::string_view ascii);
