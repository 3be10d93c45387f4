#pragma once
// The control band along the bottom of the player's client area: progress track, STOP and
// PLAY/PAUSE. Platform-free geometry: integer arithmetic on the window's measures, the same in
// both builds.
#include <cstdint>

// The DPI at which every length of the player is given.
constexpr int kBaseDpi = 96;

// A length given at 96 DPI (the band's 20 rows, a button's 20 columns, the 128 pixels of the
// sound window's picture) at `dpi`, in proportion and to the nearest whole pixel. Every scaled
// measure of the player comes from here, so that its drawing, its clicks and its parts for
// screen readers agree at every scale.
int scaledToDpi(int length, int dpi);

// The window measures the band is derived from, copied out of the player's state.
struct BandLayout {
    int windowWidth;
    int windowHeight;
    int frameWidth;
    int frameHeight;
    int captionHeight;
    int bandHeight;
    int buttonWidth;
    bool barMode; // a sound file shown as a bar: the whole window is the band
};

// First client row of the band.
int bandTop(const BandLayout& layout);

// Last client row of the band.
int bandBottom(const BandLayout& layout);

// Column of the STOP button's left edge; the track lies to its left.
int trackRight(const BandLayout& layout);

// Column of the PLAY/PAUSE button's left edge.
int playButtonLeft(const BandLayout& layout);

// Columns of the track a seek and the progress can use (trackRight - 2); 0 or less when the
// window is too narrow to have a track.
int trackSpan(const BandLayout& layout);

// Column where the elapsed (blue) part of the track ends and the rest (silver) begins. The
// product is formed in 64 bits so that long media do not wrap; no length or no span gives 1.
int bandSplit(const BandLayout& layout, std::uint32_t position, std::uint32_t length);

// Where a click at column x of the track seeks to: length * x / span, in 64 bits, held at the
// largest position. False when the track has no usable width: the click is then ignored.
bool seekTarget(const BandLayout& layout, std::uint32_t length, unsigned x, std::uint32_t& target);

enum class BandZone {
    kOutside,   // above the band
    kTrack,     // progress track: seek
    kStop,      // STOP button: close
    kPlayPause, // PLAY/PAUSE button: pause or resume
};

// The zone of a click at client (x, y). The left column of each button belongs to the zone on
// its left.
BandZone bandZoneAt(const BandLayout& layout, unsigned x, unsigned y);

// A rectangle in client coordinates; its right column and bottom row lie just outside it.
struct BandRect {
    int left;
    int top;
    int right;
    int bottom;
};

// Where the part of a zone is drawn (the track with its frame, a button face), cut to the
// client area: empty (right not past left) when the window is too narrow to show any of it,
// and always for kOutside.
BandRect bandZoneRect(const BandLayout& layout, BandZone zone);

// Whether the part can do what a click on it does: it shows, and the track is wide enough to
// seek with.
bool bandZoneUsable(const BandLayout& layout, BandZone zone);
