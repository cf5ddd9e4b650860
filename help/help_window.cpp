// Placeholder until the help window lands.
#include "help/help_window.h"
void ToggleHelpWindow() {}
void OpenHomePage() {}
