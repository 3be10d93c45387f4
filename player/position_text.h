#pragma once
// How far the media has got, as the progress track tells a screen reader. Platform-free.
#include <cstddef>
#include <cstdint>

// Positions per thousand seconds when they count milliseconds: the default time format of the
// wave and MIDI devices.
constexpr std::uint32_t kMillisecondsPerKilosecond = 1000000;

// Room for the longest text, its terminator included.
constexpr std::size_t kPositionTextSize = 48;

// "0:12 / 1:05": position and length in whole seconds, as minutes and seconds, with hours in
// front from the first hour on ("1:02:03"). The positions count units of which
// unitsPerKilosecond make a thousand seconds: kMillisecondsPerKilosecond, or a video's frame
// rate as the device reports it (frames per thousand seconds). A rate of 0 means the time is
// not known: "12 / 65 frames". Cut to the area when it does not fit, as copyText cuts.
void positionText(char* text, std::size_t capacity, std::uint32_t position, std::uint32_t length,
                  std::uint32_t unitsPerKilosecond);
