#pragma once

#include <string>

enum class MessageIcon { None, Error };

// A modal message box with a title, a text and one OK button, owned by the
// given window (or by none when the owner is not open). Returns when the user
// dismisses it. Line breaks in the text may be "\r\n" or "\n".
void ShowMessageBox(int ownerWindow, const std::u16string& title, const std::u16string& text,
                    MessageIcon icon);

// Lets a test see message boxes instead of showing them. While a hook is set,
// ShowMessageBox calls it and returns at once. Pass nullptr to show boxes again.
struct MessageBoxRequest {
    int ownerWindow;
    std::u16string title;
    std::u16string text;
    MessageIcon icon;
};
using MessageBoxHook = void (*)(const MessageBoxRequest&);
void SetMessageBoxHook(MessageBoxHook hook);
