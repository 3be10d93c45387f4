// Writes the end-to-end test picture and checks the player's window for it from outside:
//   picture_probe write PATH [WIDTH HEIGHT]
//       writes an 8-bit picture of rings (kWidth by kHeight unless given, 256 colours)
//   picture_probe write-core PATH
//       writes the same rings behind an OS/2 1.x core header
//   picture_probe write-jpeg PATH
//       writes a kWidth by kHeight 24-bit header whose pixels are JPEG-compressed
//   picture_probe check TITLE SECONDS SHOT picture|start|text
//       waits for the visible WINWAVE window titled TITLE (compared in wide characters, so
//       that a name in any script is matched exactly); "picture": its client area is the
//       picture at full size, its frame adds 6 and the caption, and it is centred on the
//       screen; "start": it kept the start size (client 128 by 128), is centred on the
//       screen, and its client area is white; "text": sized and placed as for "picture", its
//       client area white but for a text from (8, 8) on. No message box may be up. Waits for
//       the paint, saves the window as it is on the screen to SHOT (a 24-bit BMP) and prints
//       "x y width height" of the window
// Exit code 0 when the check passes, 1 with the reason on standard error otherwise.
#include "../tools/make_bmp.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 161; // odd, so that rows carry padding
constexpr int kHeight = 97;

testbmp::Rgb rampColour(std::uint32_t i) {
    // Deep blue through purple and orange to pale yellow.
    auto part = [i](int from, int to) {
        return static_cast<std::uint8_t>(from + (to - from) * static_cast<int>(i) / 255);
    };
    return {part(20, 250), part(10, 230), part(120, 80)};
}

std::uint32_t ringIndex(int x, int y) {
    int dx = x - kWidth / 3;
    int dy = y - kHeight / 4; // off centre, so that a flip or mirror shows
    return static_cast<std::uint32_t>((dx * dx + dy * dy) / 12 + x / 4) % 256;
}

testbmp::Picture rings(int width, int height) {
    testbmp::Picture picture;
    picture.width = width;
    picture.height = height;
    picture.bitsPerPixel = 8;
    for (std::uint32_t i = 0; i < 256; ++i) {
        testbmp::Rgb colour = rampColour(i);
        picture.table.push_back({colour.blue, colour.green, colour.red, 0});
    }
    picture.pixels = testbmp::packRows(width, height, 8, false, ringIndex);
    return picture;
}

int writeFile(const char* path, const testbmp::Bytes& bytes) {
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr)
        return 1;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}

int writePicture(const char* path, int width, int height) {
    if (width <= 0 || height <= 0)
        return 1;
    return writeFile(path, testbmp::fileOf(rings(width, height)));
}

struct Search {
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    char className[32] = "";
    wchar_t title[256] = L"";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextW(window, title, 256);
    if (std::strcmp(className, "WINWAVE") == 0 && std::wcscmp(title, search->title) == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

bool expired(DWORD limit) {
    return static_cast<LONG>(GetTickCount() - limit) > 0;
}

HWND waitForWindow(const wchar_t* title, DWORD limit) {
    for (;;) {
        Search search = {title, nullptr};
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr || expired(limit))
            return search.found;
        Sleep(50);
    }
}

// A screen rectangle as 32-bit pixels, top row first.
struct Grab {
    int width;
    int height;
    std::vector<DWORD> pixels;
    COLORREF at(int x, int y) const {
        DWORD pixel = pixels[static_cast<std::size_t>(y) * width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
};

Grab grabScreen(int left, int top, int width, int height) {
    Grab grab = {width, height, std::vector<DWORD>(static_cast<std::size_t>(width) * height)};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    GdiFlush();
    std::memcpy(grab.pixels.data(), bits, grab.pixels.size() * sizeof(DWORD));
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(section);
    ReleaseDC(nullptr, screen);
    return grab;
}

enum class Shows { kPicture, kStart, kText };

// Pixels of the client area that differ from what it should show; a text that is missing
// counts as one.
int countWrong(const Grab& client, Shows shows) {
    int wrong = 0;
    int inked = 0;
    for (int y = 0; y < client.height; ++y) {
        for (int x = 0; x < client.width; ++x) {
            testbmp::Rgb colour = shows == Shows::kPicture ? rampColour(ringIndex(x, y))
                                                           : testbmp::Rgb{255, 255, 255};
            bool differs = client.at(x, y) != RGB(colour.red, colour.green, colour.blue);
            if (shows == Shows::kText && x >= 8 && y >= 8)
                inked += differs;
            else
                wrong += differs;
        }
    }
    return wrong + (shows == Shows::kText && inked == 0);
}

bool saveShot(const Grab& grab, const char* path) {
    testbmp::Picture picture;
    picture.width = grab.width;
    picture.height = -grab.height;
    picture.bitsPerPixel = 24;
    picture.pixels = testbmp::packRows(grab.width, grab.height, 24, true, [&grab](int x, int y) {
        return static_cast<std::uint32_t>(
            grab.pixels[static_cast<std::size_t>(y) * grab.width + x]);
    });
    testbmp::Bytes bytes = testbmp::fileOf(picture);
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

int fail(const std::string& reason) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    return 1;
}

int checkWindow(const wchar_t* title, double seconds, const char* shot, Shows shows) {
    DWORD limit = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    HWND window = waitForWindow(title, limit);
    if (window == nullptr)
        return fail("no visible WINWAVE window with that title");
    bool startSize = shows == Shows::kStart;
    int width = startSize ? 128 : kWidth;
    int height = startSize ? 128 : kHeight;
    RECT client = {};
    GetClientRect(window, &client);
    if (client.right != width || client.bottom != height)
        return fail("client area " + std::to_string(client.right) + " by " +
                    std::to_string(client.bottom) + ", expected " + std::to_string(width) + " by " +
                    std::to_string(height));
    RECT outer = {};
    GetWindowRect(window, &outer);
    int outerWidth = width + 6;
    int outerHeight = height + 6 + GetSystemMetrics(SM_CYCAPTION);
    if (outer.right - outer.left != outerWidth || outer.bottom - outer.top != outerHeight)
        return fail("window " + std::to_string(outer.right - outer.left) + " by " +
                    std::to_string(outer.bottom - outer.top));
    int left = GetSystemMetrics(SM_CXSCREEN) / 2 - outerWidth / 2;
    int top = GetSystemMetrics(SM_CYSCREEN) / 2 - outerHeight / 2;
    if (outer.left != left || outer.top != top)
        return fail("window at (" + std::to_string(outer.left) + ", " + std::to_string(outer.top) +
                    "), expected (" + std::to_string(left) + ", " + std::to_string(top) + ")");
    // The first paint may still be on its way: wait until the screen shows it.
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    int wrong = 0;
    do {
        wrong = countWrong(grabScreen(origin.x, origin.y, width, height), shows);
        if (wrong == 0)
            break;
        Sleep(50);
    } while (!expired(limit));
    Grab whole =
        grabScreen(outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
    if (!saveShot(whole, shot))
        return fail(std::string("cannot write ") + shot);
    if (wrong != 0)
        return fail(std::to_string(wrong) + " pixels of the client area are not the picture's");
    if (FindWindowA("#32770", "CallWAVE") != nullptr)
        return fail("a message box is up");
    std::printf("%ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left,
                outer.bottom - outer.top);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "write") == 0)
        return writePicture(argv[2], kWidth, kHeight);
    if (argc == 5 && std::strcmp(argv[1], "write") == 0)
        return writePicture(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (argc == 3 && std::strcmp(argv[1], "write-core") == 0)
        return writeFile(argv[2], testbmp::coreFileOf(rings(kWidth, kHeight)));
    if (argc == 3 && std::strcmp(argv[1], "write-jpeg") == 0)
        return writeFile(argv[2], testbmp::refusedForm(kWidth, kHeight, 24, BI_JPEG));
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (argc == 6 && count == 6 && std::strcmp(argv[1], "check") == 0) {
        const char* modes[] = {"picture", "start", "text"}; // in the order of Shows
        for (int mode = 0; mode < 3; ++mode) {
            if (std::strcmp(argv[5], modes[mode]) == 0)
                return checkWindow(wide[2], std::atof(argv[3]), argv[4], static_cast<Shows>(mode));
        }
    }
    return fail("usage: picture_probe write PATH [WIDTH HEIGHT] | write-core PATH | write-jpeg "
                "PATH | check TITLE SECONDS SHOT picture|start|text");
}
