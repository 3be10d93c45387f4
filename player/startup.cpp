#include "startup.h"

#include "callerror.h"
#include "geometry.h"
#include "handoff.h"
#include "platform.h"
#include "resource.h"
#include "settings.h"
#include "state.h"
#include "text.h"
#include "window.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

PlayerState player = {};

namespace {

// Whether the path is one the system takes: MAX_PATH characters with the terminator, counted
// as the system counts them (a name in UTF-8 or a double-byte code page has fewer characters
// than bytes).
bool fitsSystemPath(std::string_view path) {
    if (path.size() >= static_cast<std::size_t>(kPathArea))
        return false;
    int characters =
        MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    return characters <= kMaxPathCharacters;
}

} // namespace

CommandPath takeCommandLine(const char* commandLine) {
    // Only the members that cannot throw: the release links no exception support.
    std::string_view line(commandLine);
    line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
    line.remove_suffix(line.size() - (line.find_last_not_of(' ') + 1));
    // The shell quotes a path that holds a blank; a file name never holds a quotation mark, so
    // the pair is dropped, and whatever follows the closing mark (a second file) is ignored.
    bool quoted = !line.empty() && line.front() == '"';
    if (quoted) {
        line.remove_prefix(1);
        line.remove_suffix(line.size() - std::min(line.find('"'), line.size()));
        if (line.find_first_not_of(' ') == std::string_view::npos)
            line = {};
    }
    player.mediaPath[0] = '\0';
    if (!fitsSystemPath(line))
        return CommandPath::kTooLong;
    std::memcpy(player.mediaPath, line.data(), line.size());
    player.mediaPath[line.size()] = '\0';
    return quoted ? CommandPath::kQuoted : CommandPath::kPlain;
}

void loadBarValues() {
    std::array<char, 40> scratch{};
    auto readInt = [&](const char* name, const char* defaultText) {
        return truncateToInt(
            readSetting(kPlayerKey, name, scratch.data(), scratch.size(), defaultText));
    };
    player.barMode = readInt("Quennet", "0");
    player.barX = readInt("BLx", "0");
    player.barY = readInt("BLy", "0");
    int storedWidth = readInt("BLcx", "640");
    // The user's width is kept as stored; the bar takes what a window can have of it.
    player.barWidth = std::clamp(storedWidth, 0, kLargestWindowSide);
    writeSettingInt(kPlayerKey, "Quennet", player.barMode);
    writeSettingInt(kPlayerKey, "BLx", player.barX);
    writeSettingInt(kPlayerKey, "BLy", player.barY);
    writeSettingInt(kPlayerKey, "BLcx", storedWidth);
}

namespace {

bool registerPlayerClass() {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = PlayerWindowProc;
    windowClass.hInstance = player.instance;
    windowClass.hIcon = LoadIconA(player.instance, RESOURCE_NAME(IDI_ICOAPPLI));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kPlayerClass;
    return RegisterClassA(&windowClass) != 0;
}

// The main window for the classified file, shown; nullptr when it cannot be made.
HWND createPlayerWindow(HINSTANCE previous, int show) {
    if (previous == nullptr && !registerPlayerClass())
        return nullptr;
    loadBarValues();
    setStartGeometry();
    HWND window = CreateWindowExA(0, kPlayerClass, "Plumora", playerWindowStyle(), player.barX,
                                  player.barY, player.windowWidth, player.windowHeight, nullptr,
                                  nullptr, player.instance, nullptr);
    if (window == nullptr)
        return nullptr;
    ShowWindow(window, show);
    UpdateWindow(window);
    return window;
}

} // namespace

HWND startPlayer(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int show) {
    player.instance = instance;
    if (!supportedPlatform())
        return nullptr;
    if (commandLine == nullptr)
        return nullptr;
    CommandPath path = takeCommandLine(commandLine);
    if (path == CommandPath::kTooLong) {
        showCallError(kPathTooLong); // a cut path would name another file
        return nullptr;
    }
    if (player.mediaPath[0] == '\0')
        return nullptr;
    player.mediaKind = classifyPath(player.mediaPath);
    // A file the shell would only hand back is shown here, when the player can.
    if (player.mediaKind == kNone)
        player.mediaKind = handOffFile(player.mediaPath, path == CommandPath::kQuoted);
    if (player.mediaKind == kNone)
        return nullptr;
    return createPlayerWindow(previous, show);
}

int runMessageLoop() {
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int runPlayer(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int show) {
    if (startPlayer(instance, previous, commandLine, show) == nullptr)
        return 0;
    return runMessageLoop();
}
