#include "own_association.h"

#include "handoff.h"

#include <windows.h>

#include <array>

namespace {

using PathArea = std::array<char, MAX_PATH>;

// The same file by both names: their texts alike but for case, or their short forms alike.
bool sameFile(const char* one, const char* other) {
    if (lstrcmpiA(one, other) == 0)
        return true;
    PathArea shortOne{};
    PathArea shortOther{};
    DWORD oneLength = GetShortPathNameA(one, shortOne.data(), MAX_PATH);
    DWORD otherLength = GetShortPathNameA(other, shortOther.data(), MAX_PATH);
    return oneLength > 0 && oneLength < MAX_PATH && otherLength > 0 && otherLength < MAX_PATH &&
           lstrcmpiA(shortOne.data(), shortOther.data()) == 0;
}

} // namespace

bool shellOpensWithThisPlayer(const char* fileName) {
    PathArea program{};
    INT_PTR found =
        reinterpret_cast<INT_PTR>(shellSeam.findExecutable(fileName, nullptr, program.data()));
    if (found <= 32)
        return false; // no association, or no such file: the shell starts nothing
    program.back() = '\0';
    PathArea self{};
    // A name cut to the area would be another file's: Windows XP leaves it unterminated.
    DWORD length = GetModuleFileNameA(nullptr, self.data(), MAX_PATH);
    return length > 0 && length < MAX_PATH && sameFile(program.data(), self.data());
}
