#include "startup.h"

// The command line is ignored: the calculator has no options.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return runCalculator(instance);
}
