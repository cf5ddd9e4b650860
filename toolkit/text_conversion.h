#pragma once

#include <QString>
#include <string>

// The program keeps its texts as UTF-16; Qt does too, so a conversion is a
// copy, never a re-encoding.
inline QString ToQString(const std::u16string& text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string FromQString(const QString& text) { return text.toStdU16String(); }
