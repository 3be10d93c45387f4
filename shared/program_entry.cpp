// Where Windows starts a shipped program, which links no C runtime DLL: the C++ static
// constructors, then WinMain with the arguments and show command the C runtime's start-up
// would give it, then the exit functions, and the process ends with WinMain's result.
#include "command_line.h"

#include <windows.h>

#include <array>

extern "C" {
// Defined by the linker at the start of the image: the instance handle.
extern IMAGE_DOS_HEADER __ImageBase;
// libgcc's: runs the static constructors and registers their destructors with atexit.
void __main();
int atexit(void (*function)());
void WINAPI programStart();
}

namespace {

// libgcc registers one; any static object with a destructor would add one more.
std::array<void (*)(), 8> exitFunctions;
std::size_t exitFunctionCount = 0;

int startupShowCommand() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
}

} // namespace

int atexit(void (*function)()) {
    if (exitFunctionCount == exitFunctions.size())
        return -1;
    exitFunctions[exitFunctionCount++] = function;
    return 0;
}

void WINAPI programStart() {
#if defined(__i386__)
    // The x87 unit at its full precision, as the C runtime's start-up left it: the arithmetic
    // sets the precision it needs itself, and everything else stays as it was.
    __asm__ volatile("fninit");
#endif
    __main();
    int code = WinMain(reinterpret_cast<HINSTANCE>(&__ImageBase), nullptr,
                       const_cast<char*>(argumentsOf(GetCommandLineA())), startupShowCommand());
    while (exitFunctionCount > 0)
        exitFunctions[--exitFunctionCount]();
    ExitProcess(static_cast<UINT>(code));
}
