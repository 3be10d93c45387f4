#include "clipboard.h"

#include "paste.h"

#include <cstring>

namespace {

bool writeClipboardText(HWND owner, const char* text) {
    std::size_t size = std::strlen(text) + 1;
    // Made before the clipboard is opened, so that it is held no longer than the handing over.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr)
        return false;
    void* data = GlobalLock(block);
    if (data == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(data, text, size);
    GlobalUnlock(block);
    bool set = false;
    if (OpenClipboard(owner)) {
        set = EmptyClipboard() && SetClipboardData(CF_TEXT, block) != nullptr;
        CloseClipboard();
    }
    // Once set, the block is the clipboard's; otherwise it is still ours.
    if (!set)
        GlobalFree(block);
    return set;
}

} // namespace

bool copyShownNumber(HWND owner) {
    ShownNumber text;
    return shownNumber(calc, text) && writeClipboardText(owner, text);
}

KeyEffects pasteClipboardNumber(HWND owner) {
    KeyEffects effects = pasteText(calc, nullptr, 0); // no text: refused like a wrong one
    if (!OpenClipboard(owner))
        return effects;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        // pasteText reads only the first bytes of the block, however big it is.
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            effects = pasteText(calc, text, GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return effects;
}
