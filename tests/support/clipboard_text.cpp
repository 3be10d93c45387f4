#include "clipboard_text.h"

#include <cstring>

namespace {

HWND hiddenWindow() {
    return CreateWindowA("STATIC", "clipboard", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
}

HWND owner() {
    static HWND window = hiddenWindow();
    return window;
}

struct Hold {
    HANDLE held;
    HANDLE release;
};

DWORD WINAPI hold(void* parameter) {
    Hold hold = *static_cast<Hold*>(parameter);
    HWND window = hiddenWindow();
    BOOL opened = OpenClipboard(window);
    SetEvent(hold.held);
    WaitForSingleObject(hold.release, INFINITE);
    if (opened)
        CloseClipboard();
    DestroyWindow(window);
    return opened ? 0 : 1;
}

} // namespace

bool putClipboardBlock(const void* data, std::size_t size, UINT format) {
    HGLOBAL block = size > 0 ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    if (block != nullptr) {
        std::memcpy(GlobalLock(block), data, size);
        GlobalUnlock(block);
    }
    bool set = false;
    if (OpenClipboard(owner())) {
        set = EmptyClipboard() && (block == nullptr || SetClipboardData(format, block));
        CloseClipboard();
    }
    if (!set && block != nullptr)
        GlobalFree(block);
    return set;
}

bool readClipboardText(std::string& text) {
    if (!OpenClipboard(owner()))
        return false;
    const char* bytes = nullptr;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (data != nullptr && (bytes = static_cast<const char*>(GlobalLock(data))) != nullptr) {
        text.assign(bytes, strnlen(bytes, GlobalSize(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes != nullptr;
}

HANDLE holdClipboard(HANDLE release) {
    Hold parameter = {CreateEventA(nullptr, FALSE, FALSE, nullptr), release};
    HANDLE thread = CreateThread(nullptr, 0, hold, &parameter, 0, nullptr);
    WaitForSingleObject(parameter.held, 10000);
    CloseHandle(parameter.held);
    return thread;
}
