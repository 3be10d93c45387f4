#pragma once
// The command line a program's WinMain receives. Platform-free: no windows.h.

// The arguments of a whole command line (GetCommandLineA's): past the program's name and the
// blanks and control characters after it. The name ends at the first blank or control
// character outside quotation marks, so a quoted name may hold blanks. A byte from 128 up is
// part of the name, in any code page.
const char* argumentsOf(const char* commandLine);
