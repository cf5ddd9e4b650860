#pragma once

#include <string>

// Hands an address to the desktop's default handler (normally the web
// browser) and returns at once, without waiting for it and without showing
// an error when nothing can open it.
void OpenAddress(const std::string& address);

// Lets a test see the addresses instead of opening them. Pass nullptr to open
// them again.
using AddressOpener = void (*)(const std::string& address);
void SetAddressOpener(AddressOpener opener);
