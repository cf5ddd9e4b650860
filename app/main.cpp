#include "app/hushmere.h"

// Hushmere takes no command line and always ends with exit code 0.
int main()
{
    try {
        RunHushmere();
    } catch (...) {
        // Nothing is meant to throw; if something does, the end is still quiet.
    }
    return 0;
}
