#pragma once
// Plans whole files as the painter sees them, for the layout tests of either header.
#include "player/bmpfile.h"

#include "../tools/make_bmp.h"

#include <gtest/gtest.h>

inline bool plan(const testbmp::Bytes& file, BmpHeader& header, BmpLayout& layout) {
    return readBmpHeader(file.data(), file.size(), header) &&
           planBmpLayout(header, file.size(), layout);
}

inline bool plans(const testbmp::Bytes& file) {
    BmpHeader header{};
    BmpLayout layout{};
    return plan(file, header, layout);
}

inline BmpLayout layoutOf(const testbmp::Bytes& file) {
    BmpHeader header{};
    BmpLayout layout{};
    EXPECT_TRUE(plan(file, header, layout));
    return layout;
}
