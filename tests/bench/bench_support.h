#pragma once
// Timing, medians and generated input files shared by the benchmarks.
#include "../tools/make_bmp.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

inline double nowMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

inline double median(std::vector<double> values) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A file of the temporary folder, named for this benchmark.
inline std::string tempPath(const char* name) {
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

inline bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// An 8-bit picture with a grey ramp palette and a diagonal pattern, so that every colour and
// every row is different.
inline testbmp::Bytes greyPicture(int side) {
    testbmp::Picture picture;
    picture.width = side;
    picture.height = side;
    picture.bitsPerPixel = 8;
    for (int i = 0; i < 256; ++i) {
        auto level = static_cast<std::uint8_t>(i);
        picture.table.push_back({level, level, level, 0});
    }
    std::size_t stride = testbmp::rowBytes(side, 8);
    picture.pixels.assign(stride * static_cast<std::size_t>(side), 0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            picture.pixels[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>(x + y);
    return testbmp::fileOf(picture);
}

} // namespace bench
