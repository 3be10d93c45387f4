#include "classify.h"

#include <cstring>

namespace {

struct ExtensionRule {
    const char* upper;
    const char* lower;
    MediaKind kind;
};

constexpr ExtensionRule kRules[] = {
    {".WAV", ".wav", kWave},  {".MID", ".mid", kMidi},    {".AVI", ".avi", kVideo},
    {".MOV", ".mov", kVideo}, {".BMP", ".bmp", kPicture},
};

} // namespace

MediaKind classifyPath(const char* path) {
    MediaKind kind = kNone;
    for (const ExtensionRule& rule : kRules) {
        if (std::strstr(path, rule.upper) != nullptr || std::strstr(path, rule.lower) != nullptr)
            kind = rule.kind;
    }
    return kind;
}

MediaKind classifyExtension(const char* path) {
    const char* dot = std::strrchr(fileNameOf(path), '.');
    if (dot == nullptr || std::strlen(dot) != 4)
        return kNone;
    for (const ExtensionRule& rule : kRules) {
        bool same = true;
        for (int i = 1; i < 4; ++i) {
            char letter =
                dot[i] >= 'a' && dot[i] <= 'z' ? static_cast<char>(dot[i] - 'a' + 'A') : dot[i];
            same = same && letter == rule.upper[i];
        }
        if (same)
            return rule.kind;
    }
    return kNone;
}

const char* fileNameOf(const char* path) {
    const char* slash = std::strrchr(path, '\\');
    return slash != nullptr ? slash + 1 : path;
}
