#pragma once

// The whole program: start-up, the event loop, shutdown. Returns the exit
// code, which is always 0.
int RunHushmere();
