// positionText of any position, length and rate (bytes 0-11, three little-endian words) into
// an area of any size (byte 12), allocated at exactly that size for AddressSanitizer. The full
// text must be what printf makes of the same numbers, and a cut one its beginning.
#include "player/position_text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::uint32_t wordAt(const std::uint8_t* data) {
    return static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
           static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

std::string amount(std::uint32_t units, std::uint32_t rate) {
    char text[32];
    if (rate == 0) {
        std::snprintf(text, sizeof text, "%u", units);
        return text;
    }
    unsigned long long seconds = static_cast<unsigned long long>(units) * 1000 / rate;
    unsigned long long hours = seconds / 3600;
    if (hours > 0)
        std::snprintf(text, sizeof text, "%llu:%02llu:%02llu", hours, seconds / 60 % 60,
                      seconds % 60);
    else
        std::snprintf(text, sizeof text, "%llu:%02llu", seconds / 60, seconds % 60);
    return text;
}

std::string textIn(std::size_t size, std::uint32_t position, std::uint32_t length,
                   std::uint32_t rate) {
    std::vector<char> area(size);
    positionText(area.data(), area.size(), position, length, rate);
    return std::string(area.data());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 13)
        return 0;
    std::uint32_t position = wordAt(data);
    std::uint32_t length = wordAt(data + 4);
    std::uint32_t rate = wordAt(data + 8);
    std::string full = textIn(kPositionTextSize, position, length, rate);
    std::string wanted = amount(position, rate) + " / " + amount(length, rate);
    if (rate == 0)
        wanted += " frames";
    if (full != wanted || full.size() >= kPositionTextSize)
        std::abort();
    if (data[12] > 0 && textIn(data[12], position, length, rate) != full.substr(0, data[12] - 1u))
        std::abort();
    return 0;
}
