#include "shortpath.h"

#include "classify.h"
#include "text.h"

#include <windows.h>

#include <cstring>

bool copyOldCallPath(char* area, std::size_t capacity, const char* path) {
    constexpr auto kHeld = static_cast<std::size_t>(kOldPathLength);
    // The short form's length, or the area it would need (its terminator counted): no short
    // form is 0, and one that does not fit the area or the call is not taken.
    if (std::strlen(path) > kHeld) {
        std::size_t length = GetShortPathNameA(path, area, static_cast<DWORD>(capacity));
        if (length > 0 && length < capacity && length <= kHeld)
            return true;
    }
    if (copyText(area, capacity, path))
        return true;
    area[0] = '\0';
    return false;
}
