#pragma once

// Opens the help window when it is closed, closes it when it is open.
void ToggleHelpWindow();

// Bound to the logo: hands the home-page address to the desktop.
void OpenHomePage();
