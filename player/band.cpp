#include "band.h"

#include <algorithm>

int scaledToDpi(int length, int dpi) {
    return (length * dpi + kBaseDpi / 2) / kBaseDpi;
}

int bandTop(const BandLayout& layout) {
    if (layout.barMode)
        return 0;
    return layout.windowHeight - layout.captionHeight - layout.frameHeight - layout.bandHeight;
}

int bandBottom(const BandLayout& layout) {
    return bandTop(layout) + layout.bandHeight - 1;
}

int trackRight(const BandLayout& layout) {
    return layout.windowWidth - layout.frameWidth - 2 * layout.buttonWidth;
}

int playButtonLeft(const BandLayout& layout) {
    return layout.windowWidth - layout.frameWidth - layout.buttonWidth;
}

int trackSpan(const BandLayout& layout) {
    return trackRight(layout) - 2;
}

int bandSplit(const BandLayout& layout, std::uint32_t position, std::uint32_t length) {
    int span = trackSpan(layout);
    if (span <= 0 || length == 0)
        return 1;
    std::uint64_t elapsed = static_cast<std::uint64_t>(span) * position / length;
    // A position past the length (never drawn by the player) stays at the end of the track.
    return static_cast<int>(std::min<std::uint64_t>(elapsed, static_cast<std::uint64_t>(span))) + 1;
}

bool seekTarget(const BandLayout& layout, std::uint32_t length, unsigned x, std::uint32_t& target) {
    int span = trackSpan(layout);
    if (span <= 0)
        return false;
    std::uint64_t wanted = static_cast<std::uint64_t>(length) * x / static_cast<unsigned>(span);
    target = static_cast<std::uint32_t>(std::min<std::uint64_t>(wanted, UINT32_MAX));
    return true;
}

BandZone bandZoneAt(const BandLayout& layout, unsigned x, unsigned y) {
    if (!layout.barMode && static_cast<long long>(y) < bandTop(layout))
        return BandZone::kOutside;
    long long column = x;
    if (column > playButtonLeft(layout))
        return BandZone::kPlayPause;
    if (column > trackRight(layout))
        return BandZone::kStop;
    return BandZone::kTrack;
}

BandRect bandZoneRect(const BandLayout& layout, BandZone zone) {
    int clientRight = layout.windowWidth - layout.frameWidth;
    int left = 0;
    int right = 0;
    switch (zone) {
    case BandZone::kTrack:
        right = trackRight(layout);
        break;
    case BandZone::kStop:
        left = trackRight(layout);
        right = playButtonLeft(layout);
        break;
    case BandZone::kPlayPause:
        left = playButtonLeft(layout);
        right = clientRight;
        break;
    case BandZone::kOutside:
        break;
    }
    left = std::max(left, 0);
    right = std::max(std::min(right, clientRight), left);
    int top = bandTop(layout);
    return BandRect{left, top, right, top + layout.bandHeight};
}

bool bandZoneUsable(const BandLayout& layout, BandZone zone) {
    if (zone == BandZone::kTrack)
        return trackSpan(layout) > 0;
    BandRect rect = bandZoneRect(layout, zone);
    return rect.right > rect.left;
}
