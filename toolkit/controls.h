#pragma once

#include <string>

// Controls, addressed by numbers unique across all windows. Only the user's
// own actions raise ControlEvents; nothing that the program does through these
// calls raises one.

struct Box {
    int x;
    int y;
    int width;
    int height;
};

// Each Create* call returns false when the number is taken or the window is
// not open. The control takes the next place in its window's Tab order.

// Drop-down list that the user can only pick from; entries keep their order.
// Raises an event each time the user picks an entry.
bool CreateDropDown(int window, int control, Box box);
// Appends an entry to a drop-down list.
void AddListEntry(int control, const std::u16string& text);

// Push button with a text caption. Raises an event on each click (mouse,
// Space or Return).
bool CreateTextButton(int window, int control, Box box, const std::u16string& text);

// Push button showing one picture centred in it, shifted one pixel right and
// down while held down. Raises an event on each click.
bool CreatePictureButton(int window, int control, Box box, int picture);

// Horizontal track bar over [minimum, maximum]. Raises an event for each
// position change by the user; the new position is readable by then.
bool CreateTrackBar(int window, int control, Box box, int minimum, int maximum);

// Static text, centred at the top of its box; takes no focus.
bool CreateLabel(int window, int control, Box box, const std::u16string& text);

// Numeric spin field over [minimum, maximum]: typing accepts whole numbers in
// the range only; arrows and Up/Down step by 1 and stop at the ends; an
// emptied field takes back its last valid value when it loses focus.
bool CreateSpinField(int window, int control, Box box, int minimum, int maximum);

// Read-only multi-line plain text, wrapped at its width, with a vertical
// scroll bar. The user can scroll, select and copy.
bool CreateTextField(int window, int control, Box box);

// Picture at its natural size from the top-left of its box; reports left
// clicks (see BindClickHandler).
bool CreatePictureControl(int window, int control, Box box, int picture);

bool ControlExists(int control);

// Caption of a button, text of a label or text field, the chosen entry of a
// drop-down list, the text shown by a spin field. Empty for an unknown number.
std::u16string ControlText(int control);
void SetControlText(int control, const std::u16string& text);

// Chosen entry index of a drop-down list (-1 for none), position of a track
// bar, value of a spin field. 0 for an unknown number.
int ControlState(int control);
void SetControlState(int control, int state);

// Replaces the picture of a picture button or picture control; it redraws at
// once.
void SetControlPicture(int control, int picture);
int ControlPicture(int control);

void SetControlFont(int control, int font);

enum class Enabled { No, Yes };
void SetControlEnabled(int control, Enabled enabled);
bool ControlIsEnabled(int control);

void FocusControl(int control);

// Text a screen reader says for the control, and a description of its state.
void SetAccessibleName(int control, const std::u16string& name);
void SetAccessibleDescription(int control, const std::u16string& description);

// Binds a handler that the toolkit calls itself, from inside WaitEvent, at the
// moment of a left click on the control, before the click's ControlEvent is
// queued. One handler per control; a new binding replaces the old.
using ClickHandler = void (*)();
void BindClickHandler(int control, ClickHandler handler);
