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

const char* fileNameOf(const char* path) {
    const char* slash = std::strrchr(path, '\\');
    return slash != nullptr ? slash + 1 : path;
}
