#include "settings.h"

#include "text.h"

#include <windows.h>

#include <array>
#include <cstring>

namespace {

// Reads the value into `area` as a terminated text; false when it is absent, unreadable,
// not a text, or does not fit.
bool queryText(HKEY key, const char* name, std::array<char, kSettingTextLimit + 2>& area) {
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(kSettingTextLimit + 1);
    LONG status =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(area.data()), &size);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return false; // ERROR_MORE_DATA among others: 400 bytes or more
    // The spare byte ends a value that was stored without its terminator.
    area[size] = '\0';
    return std::strlen(area.data()) <= kSettingTextLimit;
}

} // namespace

double readSetting(const char* keyPath, const char* name, char* text, std::size_t capacity,
                   const char* defaultText) {
    copyText(text, capacity, defaultText);
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, const_cast<char*>(""),
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        &disposition) == ERROR_SUCCESS) {
        std::array<char, kSettingTextLimit + 2> area{};
        bool found = queryText(key, name, area);
        RegCloseKey(key);
        if (found && area[0] != '\0' && std::strlen(area.data()) < capacity)
            copyText(text, capacity, area.data());
    }
    return textToNumber(text);
}

int writeSetting(const char* keyPath, const char* name, const char* text) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return 0;
    LONG status = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                 static_cast<DWORD>(std::strlen(text) + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? 1 : 0;
}

int writeSettingInt(const char* keyPath, const char* name, int value) {
    std::array<char, 16> text{};
    formatInt(value, text.data(), text.size());
    return writeSetting(keyPath, name, text.data());
}
