#pragma once
// A player record with a frameless window and the MCI recorder in place, for the tests of the
// media session.
#include "player/media.h"
#include "player/state.h"

#include "media_recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

inline DWORD_PTR address(const void* record) {
    return reinterpret_cast<DWORD_PTR>(record);
}

class MediaSessionTest : public ::testing::Test {
  protected:
    MediaRecorderScope recorder;
    HWND window = nullptr;

    void SetUp() override {
        player = PlayerState{};
        player.bandHeight = 20;
        // A frameless window: its client area is its whole size, 321 by 261.
        window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 321, 261, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        player.mainWindow = window;
    }

    void TearDown() override { DestroyWindow(window); }

    DWORD_PTR notifyWindow() const { return reinterpret_cast<DWORD_PTR>(window); }

    void startWave(const char* path = "C:\\media\\song.wav") {
        player.mediaKind = kWave;
        ASSERT_EQ(StartAudio(path), 1);
    }

    void startVideo(const char* path = "C:\\media\\film.avi") {
        player.mediaKind = kVideo;
        ASSERT_EQ(StartVideo(path), 1);
    }

    // The requests from `first` on, described.
    Lines since(std::size_t first) const { return describeFrom(first); }
};

using StartAudioTest = MediaSessionTest;
using StartVideoTest = MediaSessionTest;
using VideoProbe = MediaSessionTest;
using EndOfPlayback = MediaSessionTest;
using PauseResumeSeek = MediaSessionTest;
