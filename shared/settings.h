#pragma once
// The per-user registry store: one key per program under HKEY_CURRENT_USER, text values.
#include <cstddef>

// Largest stored text that is read whole (the terminator makes it 400 bytes).
constexpr std::size_t kSettingTextLimit = 399;

// Puts the stored text of value `name` under HKCU\keyPath into `text` (capacity bytes), or
// the default text when the value is missing, empty, not a text, 400 bytes or longer, or
// longer than the caller's area; returns the decimal number of what `text` then holds.
// Creates the key when it does not exist. A stored text that does not fit the caller's area
// is replaced by the default rather than cut: a cut number would silently mean another value.
double readSetting(const char* keyPath, const char* name, char* text, std::size_t capacity,
                   const char* defaultText);

// Stores `text` as a REG_SZ value of the existing key. Returns 1 when it was stored, 0 when
// the key could not be opened or the value could not be written. Never creates the key.
int writeSetting(const char* keyPath, const char* name, const char* text);

// Writes the "%d" text of an integer.
int writeSettingInt(const char* keyPath, const char* name, int value);
