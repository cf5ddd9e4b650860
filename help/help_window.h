#pragma once

// Opens the help window when it is closed, closes it when it is open. It is
// built afresh on every open and destroyed on every close.
void ToggleHelpWindow();

// Bound to the logo: hands the maker's home-page address to the desktop's
// default handler without waiting.
void OpenHomePage();
