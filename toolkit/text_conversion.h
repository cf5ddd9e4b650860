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

// Qt takes an "&" in a button's caption as the mark of a shortcut letter;
// the program's captions are plain text, so each "&" is doubled to show as
// itself, and undoubled when the caption is read back.
inline QString ButtonCaption(const QString& text) { return QString(text).replace(u'&', QStringLiteral("&&")); }
inline QString ButtonText(const QString& caption)
{
    return QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}
