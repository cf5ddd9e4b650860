#pragma once

class QPushButton;

// Lets Return and Enter click the button while it has the keyboard focus, as
// Space does. Qt leaves that to dialog buttons; a desktop user expects it of
// every focused button.
void LetReturnKeyClick(QPushButton* button);
