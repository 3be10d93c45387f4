// Reads and works the control band of a running player from another process, through Active
// Accessibility as a screen reader does (the object is marshalled between the processes):
//   access_probe names           prints the names of the client object's children: "A|B|C"
//   access_probe value CHILD     prints the child's value
//   access_probe press CHILD     does the child's default action
// Exit code 0 on success, 1 when there is no player window or a call fails, 2 on bad usage.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

VARIANT childId(long id) {
    VARIANT child = {};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

bool failed(const char* what, HRESULT result) {
    std::fprintf(stderr, "%s: 0x%08lx\n", what, static_cast<unsigned long>(result));
    return false;
}

// Prints a text of the object (ASCII, as the player's are) and frees it.
bool printText(const char* what, HRESULT result, BSTR text, const char* after) {
    if (result != S_OK || text == nullptr)
        return failed(what, result);
    for (const OLECHAR* c = text; *c != 0; ++c)
        std::putchar(*c < 128 ? static_cast<char>(*c) : '?');
    std::fputs(after, stdout);
    SysFreeString(text);
    return true;
}

bool printNames(IAccessible* band) {
    long count = 0;
    HRESULT result = band->get_accChildCount(&count);
    if (result != S_OK)
        return failed("child count", result);
    for (long id = 1; id <= count; ++id) {
        BSTR name = nullptr;
        result = band->get_accName(childId(id), &name);
        if (!printText("name", result, name, id < count ? "|" : "\n"))
            return false;
    }
    return true;
}

bool run(IAccessible* band, const char* command, long child) {
    if (std::strcmp(command, "names") == 0)
        return printNames(band);
    if (std::strcmp(command, "value") == 0) {
        BSTR text = nullptr;
        HRESULT result = band->get_accValue(childId(child), &text);
        return printText("value", result, text, "\n");
    }
    HRESULT result = band->accDoDefaultAction(childId(child));
    return result == S_OK || failed("default action", result);
}

} // namespace

int main(int argc, char** argv) {
    bool names = argc == 2 && std::strcmp(argv[1], "names") == 0;
    bool ofChild =
        argc == 3 && (std::strcmp(argv[1], "value") == 0 || std::strcmp(argv[1], "press") == 0);
    if (!names && !ofChild)
        return 2;
    // A client needs COM to be handed an object of another process.
    CoInitialize(nullptr);
    HWND window = FindWindowA("WINWAVE", nullptr);
    IAccessible* band = nullptr;
    HRESULT result =
        window == nullptr
            ? E_FAIL
            : AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&band));
    bool done = result == S_OK ? run(band, argv[1], ofChild ? std::atol(argv[2]) : 0)
                               : failed("no client object of the player", result);
    if (band != nullptr)
        band->Release();
    std::fflush(stdout);
    CoUninitialize();
    return done ? 0 : 1;
}
