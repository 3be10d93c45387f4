#pragma once
// Long paths for calls that may hold only kOldPathLength bytes: the multimedia file I/O beneath
// MCI came from 16-bit Windows, where OpenFile takes no more; Wine's holds 259 bytes.
#include <cstddef>

// Copies into the area the form of the path that such a call opens: the path itself when it
// fits the call, otherwise its short form (8.3 names) when that fits, otherwise the path as it
// is, which a newer system's call may still take. Never a cut path: false, with the area
// empty, when the chosen form does not fit the area.
bool copyOldCallPath(char* area, std::size_t capacity, const char* path);
