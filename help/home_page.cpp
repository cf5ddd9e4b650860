#include "assets/assets.h"
#include "help/help_window.h"
#include "toolkit/launcher.h"

void OpenHomePage()
{
    // The desktop opens it in its own time; if nothing can, the program goes
    // on as before.
    OpenAddress(std::string(HomePageAddress()));
}
