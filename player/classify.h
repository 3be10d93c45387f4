#pragma once
// Which kind of media a path names, decided from the text of the path alone.

enum MediaKind : int {
    kNone = 0,
    kWave = 1,
    kMidi = 2,
    kVideo = 3,
    kPicture = 4,
};

// Every extension is searched anywhere in the path, case-sensitively, in the order
// wave, midi, video, picture; the last one found wins (C:\a.wav\b.mid is Midi).
MediaKind classifyPath(const char* path);

// The kind a file's extension names, whatever its case (Record.Wav is Wave): the text after
// the last dot of the file's own name; kNone for any other extension or none.
MediaKind classifyExtension(const char* path);

// The longest path the player takes, in characters as the system counts them (UTF-16 units):
// MAX_PATH less its terminator.
constexpr int kMaxPathCharacters = 259;

// The area that holds such a path as text: a character takes at most 3 bytes of UTF-8 (one of
// 4 bytes counts as two), and the terminator one more.
constexpr int kPathArea = 3 * kMaxPathCharacters + 1;

// What the file calls of 16-bit Windows hold, OpenFile's OFSTRUCT among them: a longer path
// reaches such a call in its short form.
constexpr int kOldPathLength = 128;

// The window text for a path: what follows its last backslash, or the whole path.
const char* fileNameOf(const char* path);
