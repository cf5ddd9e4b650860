#pragma once

#include <cstdint>
#include <span>
#include <string>

// Top-level windows, addressed by number. A window's close box (or system
// menu, or the platform's close shortcut) raises a CloseRequest and leaves the
// window open: only CloseWindow closes it.

enum class WindowFrame {
    // Title bar with close and minimise boxes; no maximise; not resizable.
    Main,
    // Title bar with a close box only; not resizable; Escape asks to close.
    Dialog,
};

// Opens, shows and activates a window whose client area is exactly
// width x height, centred on the primary screen. Returns false when the
// number is already open or the window cannot be made.
bool OpenWindow(int window, const std::u16string& title, int width, int height, WindowFrame frame);

// Closes the window and destroys its controls. Nothing happens when it is not
// open.
void CloseWindow(int window);

bool WindowIsOpen(int window);

// Background colour of the client area, as 0xRRGGBB.
void SetWindowBackground(int window, std::uint32_t rgb);

// The program's icon (an ICO image with several sizes), carried by every
// window opened afterwards and by those already open.
bool SetProgramIcon(std::span<const unsigned char> ico);
