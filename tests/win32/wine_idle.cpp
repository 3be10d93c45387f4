#include <windows.h>

// Does nothing for ever: while it lives, Wine starts each test program in milliseconds.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Sleep(INFINITE);
    return 0;
}
