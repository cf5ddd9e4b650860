#pragma once

#include <string>

inline constexpr std::u16string_view PROGRAM_NAME = u"Hushmere";
inline constexpr std::u16string_view NAME_PLACEHOLDER = u"[Your Software Name]";

// The help window's text, built the way the field receives it: the licence
// notices appended, then eight line breaks, the help text (with the program's
// name in place of its placeholder) and the credit line each inserted at the
// top. So it reads: credit line, help text, ten empty lines, the notices.
std::u16string AssembleHelpText();

// Every occurrence of `placeholder` in `text` replaced by `name`.
std::u16string ReplaceAll(std::u16string text, std::u16string_view placeholder, std::u16string_view name);
