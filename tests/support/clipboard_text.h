#pragma once
// The clipboard as a program other than the calculator uses it, for the tests: each call opens
// it for a hidden window of this program's own and closes it again. What is put there stays
// after the program has ended.
#include <windows.h>

#include <cstddef>
#include <string>

// Puts `size` bytes on the clipboard as CF_TEXT or another format (a text with its terminator,
// or any block); with no bytes, leaves the clipboard empty.
bool putClipboardBlock(const void* data, std::size_t size, UINT format = CF_TEXT);
inline bool putClipboardText(const std::string& text) {
    return putClipboardBlock(text.c_str(), text.size() + 1);
}

// The clipboard's CF_TEXT; false, and `text` as it was, when it holds none or cannot be opened.
bool readClipboardText(std::string& text);
inline std::string clipboardText() {
    std::string text = "(no text)";
    readClipboardText(text);
    return text;
}

// Opens the clipboard from a thread of its own and holds it until `release` is set, as another
// program that is slow to close it would. Returns the thread, once the clipboard is held.
HANDLE holdClipboard(HANDLE release);
