#include "app/program.h"
#include "winapi.h"

// No command line, no settings: everything the tool does starts in its window.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { varnetto::runProgram(); }
