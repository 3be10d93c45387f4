// The player window as it opens: its name, its media and tick timer, the windows it refuses,
// and a whole run on the real timer.
#include "player_window.h"

#include "drawkit.h"
#include "player/startup.h"
#include "player/state.h"

#include <string>
#include <vector>

namespace {

using WindowCreation = PlayerWindow;

} // namespace

TEST_F(WindowCreation, SoundStartsPlayingAndTheTimerRuns) {
    ASSERT_NE(open("C:\\media\\song.wav"), nullptr);
    EXPECT_EQ(player.mainWindow, window);
    EXPECT_EQ(describeAll(),
              (Lines{"OPEN 0x202 dev 0", "STATUS 0x102 dev 7 item 1", "PLAY 0x1 dev 7"}));
    EXPECT_EQ(mciRequests[0].element, "C:\\media\\song.wav");
    EXPECT_EQ(mciRequests[0].callback, reinterpret_cast<DWORD_PTR>(window));
    // The timer is set: killing it succeeds.
    EXPECT_TRUE(KillTimer(window, 1));
}

TEST_F(WindowCreation, EveryKindStartsTimerOneOf500MillisecondsWithoutACallback) {
    picturePath = writePicture(20, 10);
    for (std::string path : {std::string("C:\\song.wav"), std::string("C:\\tune.mid"),
                             std::string("C:\\film.avi"), picturePath}) {
        TimerRecorderScope::calls.clear();
        ASSERT_NE(open(path.c_str()), nullptr) << path;
        ASSERT_EQ(TimerRecorderScope::calls.size(), 1u) << path;
        const TimerCall& call = TimerRecorderScope::calls[0];
        EXPECT_EQ(call.window, window) << path;
        EXPECT_EQ(call.id, 1u) << path;
        EXPECT_EQ(call.milliseconds, 500u) << path;
        EXPECT_EQ(call.procedure, nullptr) << path;
        EXPECT_TRUE(KillTimer(window, 1)) << path; // the timer was really set
    }
}

TEST_F(WindowCreation, WindowIsNamedAfterTheFile) {
    ASSERT_NE(open("C:\\media\\song.wav"), nullptr);
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "song.wav");
    DestroyWindow(window);
    ASSERT_NE(open("D:song.wav"), nullptr);
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "D:song.wav");
}

TEST_F(WindowCreation, NoOutputDeviceRefusesTheWindowWithoutAMessage) {
    mciScript.waveDevices = 0;
    EXPECT_EQ(open("C:\\song.wav"), nullptr);
    EXPECT_TRUE(mciRequests.empty());
    EXPECT_TRUE(errorBoxes.empty());
    EXPECT_TRUE(TimerRecorderScope::calls.empty());
    EXPECT_EQ(drawingKit.pen[0], nullptr); // the kit made for it is gone again
    EXPECT_EQ(drawingKit.brush[kWhite], nullptr);
}

TEST_F(WindowCreation, MidiWithoutAMidiDeviceRefusesTheWindowWithoutAMessage) {
    mciScript.midiDevices = 0;
    EXPECT_EQ(open("C:\\tune.mid"), nullptr);
    EXPECT_TRUE(mciRequests.empty());
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(WindowCreation, MediaThatDoesNotOpenRefusesTheWindowWithFileNotFound) {
    mciScript.openResult = MCIERR_EXTENSION_NOT_FOUND;
    EXPECT_EQ(open("C:\\clip.mov"), nullptr);
    EXPECT_EQ(errorBoxes, (Lines{"CallWAVE|File not found|0x30"}));
    // The quiet size probe, then the start that reports.
    EXPECT_EQ(describeAll(), (Lines{"OPEN 0x20202 dev 0", "OPEN 0x20202 dev 0"}));
}

TEST(PlayerRun, SoundPlaysToItsEndOnTheRealTimerAndTheProgramEnds) {
    RegistrySandbox sandbox;
    MediaRecorderScope recorder;
    mciScript.length = 3;
    mciScript.positions = {1, 2, 3};
    player = PlayerState{};
    DWORD started = GetTickCount();
    EXPECT_EQ(runPlayer(GetModuleHandleA(nullptr), nullptr, " C:\\media\\song.wav ", SW_SHOWNORMAL),
              0);
    DWORD elapsed = GetTickCount() - started;
    EXPECT_GE(elapsed, 1400u); // three ticks of 500 ms
    EXPECT_LT(elapsed, 30000u);
    std::vector<std::string> requests = describeAll();
    ASSERT_GE(requests.size(), 8u);
    EXPECT_EQ(requests[0], "OPEN 0x202 dev 0");
    EXPECT_EQ(requests[requests.size() - 4], "CLOSE 0x2 dev 7");
    std::string text;
    EXPECT_TRUE(registryReadText(kPlayerKey, "Cd1", text));
    EXPECT_EQ(text, "445");
}
