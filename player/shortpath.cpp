#include "shortpath.h"

#include "classify.h"
#include "text.h"

#include <windows.h>

#include <cstring>

bool shortFormOf(const char* path, char* area, std::size_t capacity) {
    DWORD length = GetShortPathNameA(path, area, static_cast<DWORD>(capacity));
    if (length > 0 && length < capacity)
        return true;
    area[0] = '\0';
    return false;
}

bool copyOldCallPath(char* area, std::size_t capacity, const char* path) {
    if (std::strlen(path) > static_cast<std::size_t>(kOldPathLength) &&
        shortFormOf(path, area, capacity) &&
        std::strlen(area) <= static_cast<std::size_t>(kOldPathLength))
        return true;
    if (copyText(area, capacity, path))
        return true;
    area[0] = '\0';
    return false;
}
