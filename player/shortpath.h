#pragma once
// Long paths for calls that hold kOldPathLength bytes: the multimedia file I/O beneath MCI, as
// OpenFile, is documented to take no more.
#include <cstddef>

// Copies into the area the form of the path that such a call opens: the path itself when it
// fits the call, otherwise its short form (8.3 names) when that fits, otherwise the path as it
// is, which a newer system's call may still take. Never a cut path: false, with the area
// empty, when the chosen form does not fit the area.
bool copyOldCallPath(char* area, std::size_t capacity, const char* path);

// The short form of an existing file's path into the area; false when the system gives none
// that fits (no such file, or a volume that keeps no short names and a path as long).
bool shortFormOf(const char* path, char* area, std::size_t capacity);
