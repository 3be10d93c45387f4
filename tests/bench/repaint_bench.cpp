// Picture repaint: the player's ShowBmpFile of a 4096 by 4096, 8-bit picture into a window
// context, against the floor of reading the same file into memory and handing its pixels to
// SetDIBitsToDevice once. Same process, same window, interleaved, medians.
//   repaint_bench [RUNS]
#include "bench_support.h"
#include "player/bmpview.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr int kSide = 4096;

// The whole file, or nothing when it cannot be read whole.
std::vector<unsigned char> readWholeFile(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::vector<unsigned char> bytes(GetFileSize(file, nullptr));
    DWORD read = 0;
    bool ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
              read == bytes.size();
    CloseHandle(file);
    if (!ok)
        bytes.clear();
    return bytes;
}

// The floor: the file read whole, then one call that draws its pixels.
bool floorPaint(HDC dc, const char* path) {
    std::vector<unsigned char> bytes = readWholeFile(path);
    if (bytes.empty())
        return false;
    const auto* header = reinterpret_cast<const BITMAPFILEHEADER*>(bytes.data());
    const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data() + sizeof(BITMAPFILEHEADER));
    int lines = SetDIBitsToDevice(dc, 0, 0, kSide, kSide, 0, 0, 0, kSide,
                                  bytes.data() + header->bfOffBits, info, DIB_RGB_COLORS);
    return lines == kSide;
}

// What the player's way costs beyond the floor's: the device bitmap made of the whole picture,
// visible or not, before any of it is copied.
double deviceBitmapMs(HDC dc, const char* path) {
    std::vector<unsigned char> bytes = readWholeFile(path);
    if (bytes.empty())
        return -1;
    const auto* header = reinterpret_cast<const BITMAPFILEHEADER*>(bytes.data());
    const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data() + sizeof(BITMAPFILEHEADER));
    double started = bench::nowMs();
    HBITMAP bitmap = CreateDIBitmap(dc, &info->bmiHeader, CBM_INIT,
                                    bytes.data() + header->bfOffBits, info, DIB_RGB_COLORS);
    double ended = bench::nowMs();
    if (bitmap == nullptr)
        return -1;
    DeleteObject(bitmap);
    return ended - started;
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    std::string picture = bench::tempPath("repaint_bench_4096.bmp");
    if (!bench::writeFile(picture, bench::greyPicture(kSide))) {
        std::fprintf(stderr, "cannot write %s\n", picture.c_str());
        return 1;
    }
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr)
        return 1;
    HDC dc = GetDC(window);
    std::vector<double> own;
    std::vector<double> floor;
    std::vector<double> deviceBitmap;
    int failures = 0;
    // A first round of each, not counted, brings the file into the system's cache.
    for (int round = 0; round <= runs; ++round) {
        double started = bench::nowMs();
        failures += ShowBmpFile(dc, picture.c_str()) == 1 ? 0 : 1;
        GdiFlush();
        double between = bench::nowMs();
        failures += floorPaint(dc, picture.c_str()) ? 0 : 1;
        GdiFlush();
        double ended = bench::nowMs();
        double converted = deviceBitmapMs(dc, picture.c_str());
        failures += converted < 0 ? 1 : 0;
        if (round > 0) {
            own.push_back(between - started);
            floor.push_back(ended - between);
            deviceBitmap.push_back(converted);
        }
    }
    ReleaseDC(window, dc);
    DestroyWindow(window);
    DeleteFileA(picture.c_str());

    double ownMs = bench::median(own);
    double floorMs = bench::median(floor);
    std::printf("Picture repaint, %dx%d 8-bit file into a %dx%d window, median of %d\n\n", kSide,
                kSide, width, height, runs);
    std::printf("| %-24s | %8s | %-28s | %8s | %5s | %6s |\n", "call", "ms", "floor", "floor ms",
                "ratio", "target");
    std::printf("|--------------------------|---------:|------------------------------|---------:|"
                "------:|-------:|\n");
    std::printf("| %-24s | %8.1f | %-28s | %8.1f | %5.2f | %6.2f |\n", "ShowBmpFile", ownMs,
                "read file + SetDIBitsToDevice", floorMs, floorMs > 0 ? ownMs / floorMs : 0.0,
                1.25);
    std::printf("\nOf which CreateDIBitmap of the whole picture: %.1f ms\n",
                bench::median(deviceBitmap));
    if (failures > 0)
        std::printf("\n%d paints failed\n", failures);
    return failures > 0 ? 1 : 0;
}
